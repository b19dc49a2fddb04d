#pragma once

#include "canvas/SpeedSwitches.h"
#include "render/PaintRect.h"

#include <cstdint>
#include <vector>

class Bitmap24;
struct ItemList;
struct ItemRecord;
struct ScreenMetrics;

// The one place where the document window calls the scene painter.
namespace documentpainting {
// Background, page guides, gridlines and every item meeting the bitmap, for
// a bitmap that holds the canvas from (tileX, tileY) on. The opening pass
// leaves out shadows and 3-D effects, which the effects pass adds later; the
// window's Speed switches leave out what they turn off.
void paintView(Bitmap24& bitmap, ItemList& items, const ScreenMetrics& screen, std::int32_t tileX,
    std::int32_t tileY, bool openingPass, const SpeedSwitches& speed = {});
// Repaints the part of the bitmap where the given records are or were
// drawn (hidden ones included): the items there are painted again in
// stacking order. Returns the bitmap rectangle that changed, empty when none.
PaintRect repaintRecords(Bitmap24& bitmap, ItemList& items, const ScreenMetrics& screen, std::int32_t tileX,
    std::int32_t tileY, const std::vector<ItemRecord*>& records, const SpeedSwitches& speed = {});
// The same for a rectangle of item coordinates (edges included).
PaintRect repaintUnits(Bitmap24& bitmap, ItemList& items, const ScreenMetrics& screen, std::int32_t tileX,
    std::int32_t tileY, PaintRect units, const SpeedSwitches& speed = {});
// Recomputes the item boxes that repaints rely on, after a drawing was loaded.
void refreshGeometry(ItemList& items, const ScreenMetrics& screen);
// Puts back and frees the selection-mark snapshots.
void restoreMarks(Bitmap24& bitmap, ItemList& items);
} // namespace documentpainting
