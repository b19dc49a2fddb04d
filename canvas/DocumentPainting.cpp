#include "canvas/DocumentPainting.h"

#include "platform/Bitmap24.h"
#include "render/CanvasImage.h"
#include "render/CanvasView.h"
#include "render/ScenePainter.h"

namespace documentpainting {

void paintView(Bitmap24& bitmap, ItemList& items, const ScreenMetrics& screen, std::int32_t tileX,
    std::int32_t tileY, bool openingPass, const SpeedSwitches& speed)
{
    CanvasView view;
    view.items = &items;
    view.screenMetrics = screen;
    view.bitmap = &bitmap;
    view.tileX = tileX;
    view.tileY = tileY;
    view.openingPass = openingPass;
    speed.applyTo(view);
    repaintCanvasBitmap(view);
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
