#pragma once

#include "base/ScreenMetrics.h"
#include "render/PaintColours.h"

class Bitmap24;
struct ItemList;

// What the painter needs of a document window: its drawing, its canvas bitmap
// (one tile of the zoomed canvas: at most 1600 pixels, or the view's length
// where the view is longer) with the tile
// offset, and its paint switches. The zoom is read from the drawing header.
struct CanvasView {
    ItemList* items = nullptr;
    // The screen whose pixels the item coordinates are.
    ScreenMetrics screenMetrics;
    Bitmap24* bitmap = nullptr;
    int tileX = 0;
    int tileY = 0;

    bool showPictures = true; // "Show all pictures"
    bool showShadows = true; // "Show all shadows"
    bool show3D = true; // "Show all 3-D effects"
    // Set while a freshly opened or re-zoomed drawing is painted the first time.
    bool openingPass = false;

    PaintColours colours;
};

// The largest canvas bitmap, in either direction.
constexpr int kCanvasBitmapLimit = 1600;
