#pragma once

#include <cstdint>

class Bitmap24;
struct ItemList;

// The one place where the document window calls the scene painter.
namespace sandboxpainting {
// Background, gridlines and every item meeting the bitmap, for a bitmap
// that holds the canvas from (tileX, tileY) on.
void paintView(Bitmap24& bitmap, ItemList& items, std::int32_t tileX, std::int32_t tileY);
// Number of items the effects pass goes through.
int effectsItemCount(const ItemList& items);
// Paints item `index` of the effects pass again, with shadows and 3-D effects.
void paintEffectsItem(Bitmap24& bitmap, ItemList& items, int index, std::int32_t tileX, std::int32_t tileY);
// Puts back and frees the selection-mark snapshots.
void restoreMarks(Bitmap24& bitmap, ItemList& items);
} // namespace sandboxpainting
