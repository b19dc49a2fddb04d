#pragma once

// A white 300 x 200 canvas at zoom 1 on a 96 dots-per-inch screen, and what
// the shadow and shading tests read back from it.

#include "fixtures/RenderFixtures.h"

#include "platform/Bitmap24.h"
#include "render/CanvasView.h"
#include "render/ScenePainter.h"
#include "render/TextRendering.h"

namespace effectsfixture {

constexpr std::uint32_t kWhite = 0xFFFFFF;

struct EffectsScene {
    ItemList items;
    ItemRecord* header;
    Bitmap24 bitmap { 300, 200 };
    CanvasView view;

    explicit EffectsScene(int light = 0)
        : header(renderfixture::addHeader(items, 300, 200))
    {
        header->header.lightDirection = std::uint8_t(light);
        view.items = &items;
        view.bitmap = &bitmap;
        bitmap.fill(kWhite);
    }
    void paint(const ItemRecord& item, bool quick = false) { paintItem(view, item, quick); }
    // The blue channel, which is the grey level of grey pixels.
    int level(int x, int y) const { return int(bitmap.pixel(x, y) >> 16 & 0xFF); }
};

inline void setShadow(ItemRecord& item, int elevation, int fade, int lightness)
{
    item.body.shadowElevation = std::uint8_t(elevation);
    item.body.shadowFade = std::uint8_t(fade);
    item.body.shadowLightness = std::uint8_t(lightness);
}

} // namespace effectsfixture
