#include "render/CanvasBackground.h"

#include "model/DrawingHeader.h"
#include "model/ItemRecord.h"
#include "platform/Bitmap24.h"
#include "platform/DrawSurface.h"
#include "render/CanvasView.h"
#include "render/PaintTarget.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kBrochure = 10;

bool hasMargins(int type)
{
    return type == 1 || (type >= 6 && type <= kBrochure);
}
bool isCardType(int type)
{
    return (type >= 2 && type <= 5) || type == 11;
}

// Lengths in the drawing's units to canvas units and on to device pixels.
struct GuideMap {
    const PaintTarget& target;
    const HeaderBody& h;
    int unitX(double v) const { return roundEven(v * h.pixelsPerUnitX); }
    int unitY(double v) const { return roundEven(v * h.pixelsPerUnitY); }
    QPoint device(int x, int y) const { return target.device(x, y); }
};

void line(DrawSurface& s, QPoint a, QPoint b)
{
    const QPoint p[2] = { a, b };
    s.polyline(p, 2);
}

DrawPen guidePen(bool dotted)
{
    DrawPen pen;
    pen.style = dotted ? DrawPen::Style::Dotted : DrawPen::Style::Solid;
    pen.colour = guidecolours::kPageGuide;
    return pen;
}

// The margin rectangle: right and bottom edges always, the left and top
// edges only where they lie inside the bitmap.
void drawMargins(DrawSurface& s, const GuideMap& m)
{
    const HeaderBody& h = m.h;
    const QPoint tl = m.device(m.unitX(h.leftMargin), m.unitY(h.topMargin));
    const QPoint br
        = m.device(m.unitX(h.paperWidth - h.rightMargin), m.unitY(h.paperHeight - h.bottomMargin));
    s.setPen(guidePen(true));
    if (tl.y() > 0)
        line(s, tl, QPoint(br.x(), tl.y()));
    line(s, QPoint(br.x(), tl.y()), br);
    line(s, br, QPoint(tl.x(), br.y()));
    if (tl.x() > 0)
        line(s, QPoint(tl.x(), br.y()), tl);
}

void drawOutlineAndFolds(DrawSurface& s, const GuideMap& m, int type)
{
    const HeaderBody& h = m.h;
    const bool card = isCardType(type);
    int x = m.unitX(card ? h.cardWidth : h.paperWidth);
    int y = m.unitY(card ? h.cardHeight : h.paperHeight);
    const int foldX = x, foldY = y;
    if (card && h.columnFold)
        x *= 2;
    if (card && h.rowFold)
        y *= 2;
    s.setPen(guidePen(false));
    const QPoint outline[3] = { m.device(x, 0), m.device(x, y), m.device(0, y) };
    s.polyline(outline, 3);
    if (!card)
        return;
    s.setPen(guidePen(true));
    if (h.columnFold)
        line(s, m.device(foldX, 0), m.device(foldX, y));
    if (h.rowFold)
        line(s, m.device(0, foldY), m.device(x, foldY));
}

void drawBrochureFolds(DrawSurface& s, const GuideMap& m)
{
    const HeaderBody& h = m.h;
    s.setPen(guidePen(true));
    // Folds lie on the paper, and a sheet has a handful of them: a damaged
    // header's counts and sizes must not send the loop through billions.
    constexpr int kMostFolds = 4096;
    if (h.columnFold && h.columns >= 2)
        for (int k = 1; k < std::min(h.columns, kMostFolds); ++k) {
            const double at = h.leftMargin + k * h.cardWidth;
            if (at > h.paperWidth || (h.cardWidth <= 0 && k > 1))
                break;
            const int x = m.unitX(at);
            line(s, m.device(x, 0), m.device(x, m.unitY(h.paperHeight)));
        }
    if (h.rowFold && h.rows >= 2)
        for (int k = 1; k < std::min(h.rows, kMostFolds); ++k) {
            const double at = h.topMargin + k * h.cardHeight;
            if (at > h.paperHeight || (h.cardHeight <= 0 && k > 1))
                break;
            const int y = m.unitY(at);
            line(s, m.device(0, y), m.device(m.unitX(h.paperWidth), y));
        }
}

} // namespace

void drawPageGuides(const PaintTarget& target, const HeaderBody& header)
{
    // A damaged file may hold any number; the sign carries no meaning here.
    const int type = header.designType == INT32_MIN ? 0 : std::abs(header.designType);
    if (type == 0 || !target.canvas)
        return;
    DrawSurface& s = *target.canvas;
    const GuideMap m { target, header };
    s.setBrush(DrawBrush {});
    if (hasMargins(type))
        drawMargins(s, m);
    drawOutlineAndFolds(s, m, type);
    if (type == kBrochure)
        drawBrochureFolds(s, m);
}

PaintRect paintCanvasBackground(CanvasView& view, PaintRect deviceRect)
{
    PaintRect r = deviceRect.normalised();
    // The bitmap's own size, not the usual tile size: a view longer than a
    // tile has a longer bitmap, and all of it must be erased.
    const int width = view.bitmap ? view.bitmap->width() : kCanvasBitmapLimit;
    const int height = view.bitmap ? view.bitmap->height() : kCanvasBitmapLimit;
    r.left = std::clamp(r.left, 0, width);
    r.top = std::clamp(r.top, 0, height);
    r.right = std::clamp(r.right, 0, width);
    r.bottom = std::clamp(r.bottom, 0, height);
    if (!view.bitmap || view.bitmap->isNull() || r.left >= r.right || r.top >= r.bottom)
        return r;
    DrawSurface surface(*view.bitmap);
    const QRect area(r.left, r.top, r.right - r.left, r.bottom - r.top);
    surface.fillRect(area, view.colours.canvas);
    const ItemRecord* header = view.items ? findHeader(*view.items) : nullptr;
    if (header) {
        surface.setClipRect(area);
        drawPageGuides(PaintTarget::screen(surface, view.items, view.screenMetrics, header->header.zoom,
                           view.tileX, view.tileY),
            header->header);
    }
    return r;
}
