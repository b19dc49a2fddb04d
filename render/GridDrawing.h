#pragma once

#include "render/PaintRect.h"

struct CanvasView;

// Draws the live gridlines of the directions that are switched on, 1 pixel
// and light blue, across the whole canvas bitmap but only inside `clip`
// (canvas-bitmap pixels, right column and bottom row excluded), so that
// gridlines never land on items outside the area being repainted.
void drawGridlines(CanvasView& view, PaintRect clip);

// The same over the whole canvas bitmap.
void drawGridlines(CanvasView& view);
