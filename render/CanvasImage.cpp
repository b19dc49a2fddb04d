#include "render/CanvasImage.h"

#include "model/ItemKinds.h"
#include "model/ItemRecord.h"
#include "platform/Bitmap24.h"
#include "render/CanvasView.h"
#include "render/ScenePainter.h"
#include "render/ShapeConstruction.h"
#include "render/TextRendering.h"

#include <QPainter>

#include <algorithm>

namespace {

// Tile offsets along one direction: multiples of 1600, the last one moved
// back so that the bitmap stays 1600 pixels wide, as the window places them.
int nextTile(int tile, int extent)
{
    const int t = tile + kCanvasBitmapLimit;
    if (t >= extent)
        return -1;
    return extent < t + kCanvasBitmapLimit ? extent - kCanvasBitmapLimit : t;
}

} // namespace

void refreshItemBoxes(ItemList& items, const ScreenMetrics& screen)
{
    for (ItemRecord& r : items) {
        if (r.body.recordClass != kinds::kClassItem)
            continue;
        if (r.body.kind == kinds::kText)
            textBox(r, screen);
        else if (kinds::isShape(r.body.kind))
            refreshRepaintBox(r);
    }
}

QImage paintCanvasImage(
    ItemList& items, const ScreenMetrics& screen, const PaintColours& colours, qint64 maxPixels, CanvasEffects effects)
{
    const ItemRecord* header = findHeader(items);
    if (!header)
        return {};
    const int width = header->header.screenWidth, height = header->header.screenHeight;
    if (width <= 0 || height <= 0 || qint64(width) * height > maxPixels)
        return {};
    QImage image(width, height, QImage::Format_RGB888);
    if (image.isNull())
        return {};
    Bitmap24 bitmap(std::min(width, kCanvasBitmapLimit), std::min(height, kCanvasBitmapLimit));
    CanvasView view;
    view.items = &items;
    view.screenMetrics = screen;
    view.bitmap = &bitmap;
    view.colours = colours;
    view.showShadows = view.show3D = effects == CanvasEffects::Shown;
    QPainter out(&image);
    for (int ty = 0; ty >= 0; ty = nextTile(ty, height))
        for (int tx = 0; tx >= 0; tx = nextTile(tx, width)) {
            view.tileX = tx;
            view.tileY = ty;
            repaintCanvasBitmap(view);
            out.drawImage(tx, ty, bitmap.image());
        }
    return image;
}
