#include "canvas/SandboxPainting.h"

#include "platform/Bitmap24.h"

namespace sandboxpainting {

void paintView(Bitmap24& bitmap, ItemList&, std::int32_t, std::int32_t)
{
    bitmap.fill(0x00FFFFFF);
}

int effectsItemCount(const ItemList&)
{
    return 0;
}

void paintEffectsItem(Bitmap24&, ItemList&, int, std::int32_t, std::int32_t) { }

void restoreMarks(Bitmap24&, ItemList&) { }

} // namespace sandboxpainting
