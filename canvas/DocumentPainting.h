#pragma once

#include "canvas/SpeedSwitches.h"

#include <cstdint>

class Bitmap24;
struct ItemList;
struct ScreenMetrics;

// The one place where the document window calls the scene painter.
namespace documentpainting {
// Background, page guides, gridlines and every item meeting the bitmap, for
// a bitmap that holds the canvas from (tileX, tileY) on. The opening pass
// leaves out shadows and 3-D effects, which the effects pass adds later; the
// window's Speed switches leave out what they turn off.
void paintView(Bitmap24& bitmap, ItemList& items, const ScreenMetrics& screen, std::int32_t tileX,
    std::int32_t tileY, bool openingPass, const SpeedSwitches& speed = {});
// Recomputes the item boxes that repaints rely on, after a drawing was loaded.
void refreshGeometry(ItemList& items, const ScreenMetrics& screen);
// Puts back and frees the selection-mark snapshots.
void restoreMarks(Bitmap24& bitmap, ItemList& items);
} // namespace documentpainting
