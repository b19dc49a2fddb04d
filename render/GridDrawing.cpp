#include "render/GridDrawing.h"

#include "model/ItemKinds.h"
#include "model/ItemRecord.h"
#include "base/Rounding.h"
#include "platform/Bitmap24.h"
#include "platform/DrawSurface.h"
#include "render/CanvasView.h"
#include "render/PaintColours.h"


namespace {

// A gridline's position in unzoomed ruler coordinates: its anchor's left
// (vertical) or top (horizontal) edge plus half the anchor mark.
int verticalPosition(const Gridline& g) { return g.left + kAnchorHalf; }
int horizontalPosition(const Gridline& g) { return g.top + kAnchorHalf; }

void line(DrawSurface& s, int x1, int y1, int x2, int y2)
{
    const QPoint p[2] = { { x1, y1 }, { x2, y2 } };
    s.polyline(p, 2);
}

} // namespace

void drawGridlines(CanvasView& view, PaintRect clip)
{
    if (!view.items || !view.bitmap || view.bitmap->isNull())
        return;
    const ItemRecord* headerRecord = findHeader(*view.items);
    const ItemRecord* grid = findLiveOfKind(*view.items, kinds::kGrid);
    if (!headerRecord || !grid)
        return;
    const HeaderBody& h = headerRecord->header;
    if (!h.showGridX && !h.showGridY)
        return;
    const PaintRect c = clip.normalised();
    if (c.left >= c.right || c.top >= c.bottom)
        return;
    DrawSurface s(*view.bitmap);
    s.setClipRect(QRect(c.left, c.top, c.right - c.left, c.bottom - c.top));
    DrawPen pen;
    pen.colour = guidecolours::kGridline;
    s.setPen(pen);
    const int w = view.bitmap->width(), ht = view.bitmap->height();
    if (h.showGridX)
        for (const Gridline& g : grid->gridListX)
            if (g.deleted == 0) {
                const int x = addClamped(roundEven(h.zoom * verticalPosition(g)), -std::int64_t(view.tileX) - h.screenMinX);
                line(s, x, 0, x, ht);
            }
    if (h.showGridY)
        for (const Gridline& g : grid->gridListY)
            if (g.deleted == 0) {
                const int y = addClamped(roundEven(h.zoom * horizontalPosition(g)), -std::int64_t(view.tileY) - h.screenMinY);
                line(s, 0, y, w, y);
            }
}

void drawGridlines(CanvasView& view)
{
    if (view.bitmap)
        drawGridlines(view, { 0, 0, view.bitmap->width(), view.bitmap->height() });
}
