#pragma once

#include <cstdint>

// A larger canvas than this is held one window of it at a time.
constexpr int kTileSize = 1600;

// The canvas bitmap's size in one direction for a canvas of `screenSize`
// zoomed pixels shown in a view `viewSize` pixels long: the whole canvas, or
// a window of 1600 pixels, or of the view's length when the view is longer,
// so that a window placed at the view's edge always covers all of the view
// (at least 1 so that a bitmap always exists).
int canvasBitmapSize(std::int32_t screenSize, int viewSize = 0);

// One direction of the view, as the tiling sees it.
struct TileInput {
    int bitmapSize = 0; // the canvas bitmap's width (height)
    std::int32_t origin = 0; // where the canvas's edge lies in the view
    int viewSize = 0; // the view area's width (height)
    std::int32_t screenSize = 0; // the canvas's size in zoomed pixels
    std::int32_t currentTile = 0; // the offset the bitmap holds now
};

// The offset of the part of the canvas that the bitmap holds. The bitmap
// stays where it is while the visible part of the canvas lies inside it, so
// scrolling within it costs no repaint. Once the visible part leaves it, the
// new part starts where the visible part starts when the view moved on, or
// ends where it ends when the view moved back, leaving the most room to
// scroll on the same way; it always lies inside the canvas.
std::int32_t tileOffset(const TileInput& in);
