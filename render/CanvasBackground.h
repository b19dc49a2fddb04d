#pragma once

#include "render/PaintRect.h"

struct CanvasView;
struct PaintTarget;
struct HeaderBody;

// Erases a rectangle of the canvas bitmap to the canvas colour and draws the
// page guides inside it. The rectangle is in canvas-bitmap pixels, right
// column and bottom row excluded; it is normalised and kept within the
// 1600-pixel limit and the bitmap. Returns the rectangle actually erased.
PaintRect paintCanvasBackground(CanvasView& view, PaintRect deviceRect);

// The page guides of a drawing header: margins, card or paper outline and
// folds, 1 pixel wide and silver, drawn on the target's canvas.
void drawPageGuides(const PaintTarget& target, const HeaderBody& header);
