#include "canvas/ViewTransform.h"

#include "base/Rounding.h"

std::int32_t docToScreen(double zoom, std::int32_t v, std::int32_t tile)
{
    return roundEven(zoom * v) - tile;
}

std::int32_t screenToDoc(double zoom, std::int32_t p, std::int32_t tile)
{
    if (zoom == 0.0)
        return 0;
    return roundEven((static_cast<double>(p) + tile) / zoom);
}
