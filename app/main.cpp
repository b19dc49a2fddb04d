#include "app/cli/InfoCommand.h"
#include "app/cli/RenderCommand.h"
#include "shell/EditorApp.h"

#include <cstring>

// Command-line modes that need no window are handled before any window
// system is touched, so they also run on machines without a display.
int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--info") == 0)
            return runInfoCommand(argc, argv);
        if (std::strcmp(argv[i], "--render") == 0)
            return runRenderCommand(argc, argv);
    }
    return runEditor(argc, argv);
}
