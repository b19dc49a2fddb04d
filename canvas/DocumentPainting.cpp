#include "canvas/DocumentPainting.h"

#include "model/DrawingHeader.h"
#include "model/ItemKinds.h"
#include "model/ItemRecord.h"
#include "platform/Bitmap24.h"
#include "render/CanvasImage.h"
#include "render/CanvasView.h"
#include "render/ScenePainter.h"
#include "render/ViewTransform.h"

namespace documentpainting {

namespace {

    CanvasView viewOf(Bitmap24& bitmap, ItemList& items, const ScreenMetrics& screen, std::int32_t tileX,
        std::int32_t tileY)
    {
        CanvasView view;
        view.items = &items;
        view.screenMetrics = screen;
        view.bitmap = &bitmap;
        view.tileX = tileX;
        view.tileY = tileY;
        return view;
    }

} // namespace

void paintView(Bitmap24& bitmap, ItemList& items, const ScreenMetrics& screen, std::int32_t tileX,
    std::int32_t tileY, bool openingPass, const SpeedSwitches& speed)
{
    CanvasView view = viewOf(bitmap, items, screen, tileX, tileY);
    view.openingPass = openingPass;
    speed.applyTo(view);
    repaintCanvasBitmap(view);
}

PaintRect repaintRecords(Bitmap24& bitmap, ItemList& items, const ScreenMetrics& screen, std::int32_t tileX,
    std::int32_t tileY, const std::vector<ItemRecord*>& records, const SpeedSwitches& speed)
{
    bool any = false;
    PaintRect units;
    for (const ItemRecord* r : records) {
        if (!r || !kinds::isDrawable(r->body.kind))
            continue;
        const PaintRect box = paintBox(*r, screen).normalised();
        if (!any)
            units = box;
        else
            units.include(box);
        any = true;
    }
    if (!any)
        return {};
    return repaintUnits(bitmap, items, screen, tileX, tileY, units, speed);
}

PaintRect repaintUnits(Bitmap24& bitmap, ItemList& items, const ScreenMetrics& screen, std::int32_t tileX,
    std::int32_t tileY, PaintRect units, const SpeedSwitches& speed)
{
    units = units.normalised();
    const double zoom = zoomOf(items);
    // One pixel more on each side: the box's edges belong to it.
    const PaintRect device { docToScreen(zoom, units.left, tileX) - 1,
        docToScreen(zoom, units.top, tileY) - 1, docToScreen(zoom, units.right, tileX) + 2,
        docToScreen(zoom, units.bottom, tileY) + 2 };
    if (device.right <= 0 || device.bottom <= 0 || device.left >= bitmap.width()
        || device.top >= bitmap.height())
        return {};
    CanvasView view = viewOf(bitmap, items, screen, tileX, tileY);
    speed.applyTo(view);
    return repaintArea(view, device);
}

void refreshGeometry(ItemList& items, const ScreenMetrics& screen)
{
    refreshItemBoxes(items, screen);
}

void restoreMarks(Bitmap24& bitmap, ItemList& items)
{
    restoreSnapshots(items, bitmap);
}

} // namespace documentpainting
