#include "canvas/CanvasTiling.h"

#include <algorithm>

int canvasBitmapSize(std::int32_t screenSize, int viewSize)
{
    return std::clamp(screenSize, 1, std::max(kTileSize, viewSize));
}

std::int32_t tileOffset(const TileInput& in)
{
    std::int32_t remaining = 0;
    if (in.bitmapSize + in.origin - in.viewSize < 0)
        remaining = std::max(0, in.screenSize - in.bitmapSize);
    // A window of the bitmap's size: one that is longer than the view
    // covers all of it wherever it is placed within these bounds.
    const std::int32_t window = std::max(in.bitmapSize, 1);
    std::int32_t t = 0;
    if (remaining > 0)
        t = (in.scrollPosition / window + 1) * window;
    if (t > 0) {
        if (in.screenSize < t + window)
            t = in.screenSize - window;
        if (t + in.origin > 0)
            t = -in.origin;
    }
    return t;
}
