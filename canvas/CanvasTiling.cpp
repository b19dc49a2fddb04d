#include "canvas/CanvasTiling.h"

#include <algorithm>

int canvasBitmapSize(std::int32_t screenSize)
{
    return std::clamp(screenSize, 1, kTileSize);
}

std::int32_t tileOffset(const TileInput& in)
{
    std::int32_t remaining = 0;
    if (in.bitmapSize + in.origin - in.viewSize < 0)
        remaining = std::max(0, in.screenSize - in.bitmapSize);
    std::int32_t t = 0;
    if (remaining > 0)
        t = (in.scrollPosition / kTileSize + 1) * kTileSize;
    if (t > 0) {
        if (in.screenSize < t + kTileSize)
            t = in.screenSize - kTileSize;
        if (t + in.origin > 0)
            t = -in.origin;
    }
    return t;
}
