#include "app/cli/RenderCommand.h"

#include <cstdio>

int runRenderCommand(int, char**)
{
    std::fputs("tavelle: --render is not available yet\n", stderr);
    return 2;
}
