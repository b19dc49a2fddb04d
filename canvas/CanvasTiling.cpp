#include "canvas/CanvasTiling.h"

#include <algorithm>

int canvasBitmapSize(std::int32_t screenSize, int viewSize)
{
    return std::clamp(screenSize, 1, std::max(kTileSize, viewSize));
}

std::int32_t tileOffset(const TileInput& in)
{
    const std::int32_t lastTile = std::max(0, in.screenSize - in.bitmapSize);
    const std::int32_t current = std::clamp(in.currentTile, 0, lastTile);
    const std::int32_t visibleStart = std::max(0, -in.origin);
    const std::int32_t visibleEnd = std::min(in.screenSize, in.viewSize - in.origin);
    if (visibleEnd <= visibleStart)
        return current;
    if (visibleStart >= current && visibleEnd <= current + in.bitmapSize)
        return current;
    const std::int32_t t = visibleEnd > current + in.bitmapSize ? visibleStart : visibleEnd - in.bitmapSize;
    return std::clamp(t, 0, lastTile);
}
