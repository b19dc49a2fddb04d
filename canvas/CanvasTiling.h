#pragma once

#include <cstdint>

// The canvas bitmap never exceeds this many pixels in either direction; a
// larger canvas is held one 1600-pixel window at a time.
constexpr int kTileSize = 1600;

// The canvas bitmap's size in one direction for a canvas of `screenSize`
// zoomed pixels (at least 1 so that a bitmap always exists).
int canvasBitmapSize(std::int32_t screenSize);

// One direction of the view, as the tiling sees it.
struct TileInput {
    int bitmapSize = 0; // the canvas bitmap's width (height)
    std::int32_t origin = 0; // where the canvas's edge lies in the view
    int viewSize = 0; // the view area's width (height)
    std::int32_t screenSize = 0; // the canvas's size in zoomed pixels
    int scrollPosition = 0; // the scroll bar's position
};

// The offset of the part of the canvas that the bitmap holds: 0 while the
// bitmap's far edge lies outside the view, else the next 1600-pixel step
// after the scroll position, kept inside the canvas and never past the
// view's near edge.
std::int32_t tileOffset(const TileInput& in);
