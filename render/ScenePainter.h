#pragma once

#include "render/PaintRect.h"

class Bitmap24;
struct DashList;
class PaintResources;
struct CanvasView;
struct ItemList;
struct ItemRecord;
struct PaintTarget;
struct ScreenMetrics;

// Modes of paintItemsInRect.
constexpr int kPaintAll = 0;
constexpr int kPaintUnselected = 4; // selected items are redrawn by the caller

// Draws one item on a target, chosen by its kind: its shadow first (when the
// target draws shadows), then the item, 3-D shaded when the target draws 3-D
// and the item has a surface, else flat. Kinds that are not drawing items
// draw nothing.
void paintItemOn(const PaintTarget& target, const ItemRecord& item);

// Draws one item on the window's canvas bitmap at its zoom and tile. `quick`
// leaves out shadows and 3-D and shows picture clips as outlines, for items
// being moved or reshaped; so does the window's opening pass.
// `resources`, when given, are the drawing's fonts and pattern definitions
// looked up once for many such calls.
void paintItem(CanvasView& view, const ItemRecord& item, bool quick, PaintResources* resources = nullptr);

// Draws one item on an off-screen bitmap: a canvas unit v (a pixel of
// `screen`) lands on pixel round(v x scale) + origin. Shadows, 3-D and
// pictures are always drawn.
void renderItemToBitmap(Bitmap24& bitmap, const ItemRecord& item, const ItemList& items,
    const ScreenMetrics& screen, int pixelOriginX, int pixelOriginY, double scaleX, double scaleY);

// Draws the gridlines, then, in stacking order, every live drawing item whose
// box meets `unitRect` (canvas units, edges included). Each painted item's box
// joins the rectangle, so items above it that overlap it are repainted too.
// Returns the grown rectangle. Gridlines are drawn only within the device
// image of `unitRect`, or within `gridClip` when given; with `gridClip`,
// which the caller has just erased, items are drawn only within it (unless
// the drawing has shadows), and items that cannot reach it are not drawn.
PaintRect paintItemsInRect(CanvasView& view, PaintRect unitRect, int mode);
PaintRect paintItemsInRect(CanvasView& view, PaintRect unitRect, int mode, PaintRect gridClip);

// Repaints a rectangle of the canvas bitmap (pixels, right column and bottom
// row excluded): widened to the whole bitmap when any live item casts a
// shadow, else to the boxes of the live items it touches; erased with the page
// guides; then gridlines and items. The window puts back its drag backing
// store before and schedules its selection handles after. Returns the device
// rectangle whose pixels may have changed.
PaintRect repaintArea(CanvasView& view, PaintRect deviceRect);

// Repaints the whole canvas bitmap: background and page guides over
// (0, 0, width + 1, height + 1), gridlines, every item that meets the
// bitmap's extent; then frees every item's selection-mark snapshots, which no
// longer match the pixels.
void repaintCanvasBitmap(CanvasView& view);

// Puts back the pixels saved under selection marks, for every live item from
// the last to the first, and frees them.
void restoreSnapshots(ItemList& items, Bitmap24& canvas);

// The drawing's light direction for shadows and 3-D shading: 0 top left,
// 1 top right, 2 bottom left, 3 bottom right; any other stored value, and a
// drawing without a header, read as 0.
int lightDirectionOf(const ItemList* items);

// The dash list of a line item on a target: its pattern at the target's
// zoom, user patterns looked up in the target's drawing.
DashList lineDashes(const PaintTarget& target, const ItemRecord& line);

// The box by which a repaint decides whether an item is touched, in canvas
// units: a text item's box as stored, any other box (a shape's repaint box
// when known, else the stored one) grown by its line weight in pixels of
// `screen` when that is more than 1.
PaintRect paintBox(const ItemRecord& item, const ScreenMetrics& screen);
