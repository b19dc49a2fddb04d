#include "render/ScenePainter.h"

#include "base/Rounding.h"
#include "model/DrawingHeader.h"
#include "model/ItemKinds.h"
#include "model/ItemRecord.h"
#include "model/PatternDefinitions.h"
#include "platform/Bitmap24.h"
#include "platform/DrawSurface.h"
#include "render/CanvasBackground.h"
#include "render/CanvasView.h"
#include "render/GridDrawing.h"
#include "render/LineStyle.h"
#include "render/PaintClipForms.h"
#include "render/PaintHooks.h"
#include "render/PaintResources.h"
#include "render/PaintTarget.h"
#include "render/SceneOrder.h"
#include "render/ShapeDrawing.h"
#include "render/TextRendering.h"
#include "render/ViewTransform.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

bool isShapeKind(std::int32_t kind)
{
    switch (kind) {
    case kinds::kTriangle:
    case kinds::kSquare:
    case kinds::kRectangle:
    case kinds::kCircle:
    case kinds::kEllipse:
    case kinds::kPolygon:
    case kinds::kStar:
    case kinds::kPie:
    case kinds::kArc:
    case kinds::kSpline:
    case kinds::kCurve:
        return true;
    default:
        return false;
    }
}

void paintShadow(const PaintTarget& target, const ItemRecord& item)
{
    if (target.drawShadows && item.body.shadowElevation != 0)
        shadowHook(target, item);
}

// Lines are drawn last line first from the stored baseline, each step moving
// the baseline up by one line height, so the block grows upward.
void paintText(const PaintTarget& target, const ItemRecord& item)
{
    const std::u16string_view text = itemText(item);
    if (text.empty())
        return;
    TextFontCache* fonts = target.resources ? &target.resources->fonts() : nullptr;
    const int height = lineHeight(item, target.screenMetrics, fonts);
    const double h = target.onScreen ? height * target.zoom : double(roundEven(height * target.scaleY));
    const double up = item.body.textAngle / 10.0 * std::numbers::pi / 180.0 + std::numbers::pi / 2;
    const QPoint step(roundEven(std::cos(up) * h), -roundEven(std::sin(up) * h));
    const bool shaded = target.draw3D && item.body.surface >= 1;

    QPoint a = target.device(item.body.x1, item.body.y1);
    QPoint b = target.device(item.body.x2, item.body.y2);
    std::size_t end = text.size();
    for (;;) {
        const std::size_t sep = end == 0 ? std::u16string_view::npos : text.rfind(kLineSeparator, end - 1);
        const std::size_t start = sep == std::u16string_view::npos ? 0 : sep + 1;
        const std::u16string_view line = text.substr(start, end - start);
        if (target.drawShadows && item.body.shadowElevation != 0)
            textLineShadowHook(target, item, line, a, b);
        if (!(shaded && textLine3DHook(target, item, line, a, b)))
            drawTextLine(target, item, line, a, b);
        if (sep == std::u16string_view::npos)
            break;
        a += step;
        b += step;
        end = sep;
    }
}

void paintLine(const PaintTarget& target, const ItemRecord& line)
{
    paintShadow(target, line);
    drawLine(*target.canvas, line, target.device(line.body.x1, line.body.y1),
        target.device(line.body.x2, line.body.y2), lineDashes(target, line), target.zoom, target.screenMetrics,
        target.draw3D ? dashShadingHook(target) : nullptr);
}

void paintShape(const PaintTarget& target, const ItemRecord& shape)
{
    paintShadow(target, shape);
    if (target.draw3D && shape.body.surface >= 1 && shape3DHook(target, shape))
        return;
    drawShape(*target.canvas, shape, target.mapping(),
        weightToPixels(target.zoom, shape.body.lineWeight, target.screenMetrics));
}

PaintTarget screenTarget(CanvasView& view, DrawSurface& surface, bool quick)
{
    PaintTarget t = PaintTarget::screen(surface, view.items, view.screenMetrics,
        view.items ? zoomOf(*view.items) : 1.0, view.tileX, view.tileY);
    t.quick = quick;
    t.openingPass = view.openingPass;
    t.drawShadows = !quick && !view.openingPass && view.showShadows;
    t.draw3D = !quick && !view.openingPass && view.show3D;
    t.drawPictures = view.showPictures;
    t.colours = view.colours;
    return t;
}

double viewZoom(const CanvasView& view)
{
    return view.items ? zoomOf(*view.items) : 1.0;
}

PaintRect deviceImage(const CanvasView& view, const PaintRect& unit)
{
    const double z = viewZoom(view);
    const PaintRect u = unit.normalised();
    // The right column and bottom row are excluded from device rectangles.
    return { docToScreen(z, u.left, view.tileX), docToScreen(z, u.top, view.tileY),
        docToScreen(z, u.right, view.tileX) + 1, docToScreen(z, u.bottom, view.tileY) + 1 };
}

// A live record that the painter draws (the grid record, for one, is not).
bool isLiveDrawing(const ItemRecord& r)
{
    return r.body.recordClass == kinds::kClassItem && kinds::isDrawable(r.body.kind) && !r.body.hidden;
}

bool anyShadow(const ItemList& items)
{
    for (const ItemRecord& r : items)
        if (isLiveDrawing(r) && r.body.shadowElevation != 0)
            return true;
    return false;
}

} // namespace

DashList lineDashes(const PaintTarget& target, const ItemRecord& line)
{
    const std::int32_t pattern = line.body.pattern;
    const ItemRecord* definition = nullptr;
    if (pattern <= 0)
        definition = target.resources ? target.resources->patternDefinition(pattern)
            : target.items            ? findPatternDefinition(*target.items, pattern)
                                      : nullptr;
    return buildDashList(line, definition, target.zoom, target.screenMetrics);
}

int lightDirectionOf(const ItemList* items)
{
    const ItemRecord* header = items ? findHeader(*items) : nullptr;
    const int light = header ? header->header.lightDirection : 0;
    return light <= 3 ? light : 0;
}

PaintRect paintBox(const ItemRecord& item, const ScreenMetrics& screen)
{
    const ItemBody& b = item.body;
    PaintRect box { b.minX, b.minY, b.maxX, b.maxY };
    if (item.repaintBox)
        box = { item.repaintBox->left, item.repaintBox->top, item.repaintBox->right,
            item.repaintBox->bottom };
    if (b.kind == kinds::kText)
        return box;
    const int f = roundEven(b.lineWeight * screen.pixelsPerMmX());
    if (f > 1)
        box = { addClamped(box.left, -f), addClamped(box.top, -f), addClamped(box.right, f),
            addClamped(box.bottom, f) };
    return box;
}

void paintItemOn(const PaintTarget& target, const ItemRecord& item)
{
    if (!target.canvas)
        return;
    const std::int32_t kind = item.body.kind;
    if (kind == kinds::kText)
        paintText(target, item);
    else if (kind == kinds::kLine)
        paintLine(target, item);
    else if (isShapeKind(kind))
        paintShape(target, item);
    else if (kind == kinds::kClip)
        paintClipItem(target, item);
}

void paintItem(CanvasView& view, const ItemRecord& item, bool quick, PaintResources* resources)
{
    if (!view.bitmap || view.bitmap->isNull())
        return;
    DrawSurface surface(*view.bitmap);
    PaintTarget target = screenTarget(view, surface, quick);
    target.resources = resources;
    paintItemOn(target, item);
}

void renderItemToBitmap(Bitmap24& bitmap, const ItemRecord& item, const ItemList& items,
    const ScreenMetrics& screen, int pixelOriginX, int pixelOriginY, double scaleX, double scaleY)
{
    if (bitmap.isNull())
        return;
    DrawSurface surface(bitmap);
    paintItemOn(
        PaintTarget::bitmap(surface, &items, screen, scaleX, scaleY, pixelOriginX, pixelOriginY), item);
}

namespace {

// How far an item's pixels may stray outside its box (a glyph's overhang,
// a mitred corner); an item further than this from a clipped repaint
// cannot change it.
constexpr int kStrayPixels = 8;

// The device rectangle grown by `margin` and cut to the bitmap.
QRect onBitmap(const PaintRect& d, int margin, const Bitmap24& bitmap)
{
    const auto cut = [margin](std::int64_t v, int limit) {
        return int(std::clamp<std::int64_t>(v, -std::int64_t(margin), std::int64_t(limit) + margin));
    };
    const int left = cut(std::int64_t(d.left) - margin, bitmap.width());
    const int top = cut(std::int64_t(d.top) - margin, bitmap.height());
    const int right = cut(std::int64_t(d.right) + margin, bitmap.width());
    const int bottom = cut(std::int64_t(d.bottom) + margin, bitmap.height());
    return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top))
        & QRect(0, 0, bitmap.width(), bitmap.height());
}

// Puts the saved pixels back everywhere in `saved`'s area except `keep`.
void restoreAround(Bitmap24& canvas, const Bitmap24& saved, const QRect& area, const QRect& keep)
{
    const auto back = [&](const QRect& r) {
        if (!r.isEmpty())
            bitBlt(canvas, r.x(), r.y(), r.width(), r.height(), saved, r.x() - area.x(), r.y() - area.y());
    };
    const QRect k = keep & area;
    if (k.isEmpty()) {
        back(area);
        return;
    }
    back(QRect(QPoint(area.left(), area.top()), QPoint(area.right(), k.top() - 1)));
    back(QRect(QPoint(area.left(), k.bottom() + 1), QPoint(area.right(), area.bottom())));
    back(QRect(QPoint(area.left(), k.top()), QPoint(k.left() - 1, k.bottom())));
    back(QRect(QPoint(k.right() + 1, k.top()), QPoint(area.right(), k.bottom())));
}

PaintRect paintItems(CanvasView& view, PaintRect unitRect, int mode, const PaintRect* clip)
{
    PaintRect rect = unitRect.normalised();
    Bitmap24& canvas = *view.bitmap;
    // A repaint of an erased part paints only the items that reach it, and
    // paints them whole, as a repaint of everything would, so each pixel of
    // the part comes out exactly the same; what they paint outside the part
    // is put back afterwards. Shadows reach far beyond their items' boxes:
    // with any of them every item is painted and nothing is put back.
    const bool clipped = clip && !anyShadow(*view.items);
    const QRect keep = clipped ? onBitmap(*clip, 0, canvas) : QRect();
    QRect touched = keep;
    thread_local std::vector<const ItemRecord*> painted;
    painted.clear();
    for (const ItemRecord* item : stackingOrder(*view.items)) {
        if (item->body.inProgress || (mode == kPaintUnselected && item->body.selected))
            continue;
        const PaintRect box = paintBox(*item, view.screenMetrics);
        if (!box.meets(rect))
            continue;
        // The rectangle grows as if every item were painted.
        rect.include(box);
        if (!clipped) {
            painted.push_back(item);
            continue;
        }
        const QRect reach = onBitmap(deviceImage(view, box), kStrayPixels, canvas);
        if (!reach.intersects(keep))
            continue;
        painted.push_back(item);
        touched |= reach;
    }
    Bitmap24 saved;
    if (clipped && touched != keep) {
        saved = Bitmap24(touched.width(), touched.height());
        bitBlt(saved, 0, 0, touched.width(), touched.height(), canvas, touched.x(), touched.y());
    }
    PaintResources resources(*view.items, view.screenMetrics);
    DrawSurface surface(canvas);
    PaintTarget target = screenTarget(view, surface, false);
    target.resources = &resources;
    for (const ItemRecord* item : painted)
        paintItemOn(target, *item);
    if (!saved.isNull())
        restoreAround(canvas, saved, touched, keep);
    return rect;
}

} // namespace

PaintRect paintItemsInRect(CanvasView& view, PaintRect unitRect, int mode)
{
    if (!view.items || !view.bitmap || view.bitmap->isNull())
        return unitRect.normalised();
    drawGridlines(view, deviceImage(view, unitRect));
    return paintItems(view, unitRect, mode, nullptr);
}

PaintRect paintItemsInRect(CanvasView& view, PaintRect unitRect, int mode, PaintRect gridClip)
{
    if (!view.items || !view.bitmap || view.bitmap->isNull())
        return unitRect.normalised();
    drawGridlines(view, gridClip);
    return paintItems(view, unitRect, mode, &gridClip);
}

PaintRect repaintArea(CanvasView& view, PaintRect deviceRect)
{
    if (!view.items || !view.bitmap || view.bitmap->isNull())
        return deviceRect;
    PaintRect area = deviceRect.normalised();
    if (anyShadow(*view.items)) {
        area = { 0, 0, view.bitmap->width(), view.bitmap->height() };
    } else {
        const PaintRect touched = area;
        for (const ItemRecord& r : *view.items) {
            if (!isLiveDrawing(r))
                continue;
            const PaintRect box = deviceImage(view, paintBox(r, view.screenMetrics));
            if (box.meets(touched))
                area.include(box);
        }
    }
    const PaintRect erased = paintCanvasBackground(view, area);
    const double z = viewZoom(view);
    const PaintRect unit { screenToDoc(z, erased.left, view.tileX), screenToDoc(z, erased.top, view.tileY),
        screenToDoc(z, erased.right, view.tileX), screenToDoc(z, erased.bottom, view.tileY) };
    const PaintRect grown = paintItemsInRect(view, unit, kPaintAll, erased);
    PaintRect changed = erased;
    changed.include(deviceImage(view, grown));
    changed.left = std::max(changed.left, 0);
    changed.top = std::max(changed.top, 0);
    changed.right = std::min(changed.right, view.bitmap->width());
    changed.bottom = std::min(changed.bottom, view.bitmap->height());
    return changed;
}

void repaintCanvasBitmap(CanvasView& view)
{
    if (!view.items || !view.bitmap || view.bitmap->isNull())
        return;
    const int w = view.bitmap->width(), h = view.bitmap->height();
    paintCanvasBackground(view, { 0, 0, w + 1, h + 1 });
    drawGridlines(view);
    const double z = viewZoom(view);
    const PaintRect unit { screenToDoc(z, 0, view.tileX), screenToDoc(z, 0, view.tileY),
        screenToDoc(z, w, view.tileX), screenToDoc(z, h, view.tileY) };
    paintItemsInRect(view, unit, kPaintAll, { 0, 0, w, h });
    for (ItemRecord& r : *view.items)
        r.markSnapshots.clear();
}

void restoreSnapshots(ItemList& items, Bitmap24& canvas)
{
    for (ItemRecord* r = items.last; r; r = r->prev) {
        if (r->body.hidden)
            continue;
        // Later marks may overlap earlier ones: put them back newest first.
        for (auto s = r->markSnapshots.rbegin(); s != r->markSnapshots.rend(); ++s) {
            if (s->pixels.isNull())
                continue;
            const Bitmap24 saved(s->pixels);
            bitBlt(canvas, s->x, s->y, saved.width(), saved.height(), saved, 0, 0);
        }
        r->markSnapshots.clear();
    }
}
