#include "render/ShadowDrawing.h"

#include "base/Rounding.h"
#include "model/ItemKinds.h"
#include "model/ItemRecord.h"
#include "render/ClippedOutline.h"
#include "render/Geometry.h"
#include "render/LineStyle.h"
#include "render/OutlineExtent.h"
#include "render/PaintClipForms.h"
#include "render/PaintTarget.h"
#include "render/ScenePainter.h"
#include "render/ShadowCast.h"
#include "render/ShadowMask.h"
#include "render/ShapeDrawing.h"
#include "render/ShapeOutline.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr std::int32_t kFillClear = -1;
constexpr int kRoundClip = 2;
constexpr int kSmallestMask = 10;

std::int32_t grey(int level)
{
    return std::int32_t(std::uint32_t(level) * 0x010101u);
}

// The mask of an item whose drawn extent is `box`: the extent (at least 10
// pixels each way) with the cast's margin all round.
QRect maskArea(const QRect& box, const ShadowCast& cast, int pen)
{
    const std::int64_t m = cast.margin(pen);
    const std::int64_t w = std::max<std::int64_t>(box.width() - 1, kSmallestMask);
    const std::int64_t h = std::max<std::int64_t>(box.height() - 1, kSmallestMask);
    return boundedRect(box.left() - m, box.top() - m, box.left() + w + m - 1, box.top() + h + m - 1);
}

// Where the shadow's shape lands on the canvas: the item's extent displaced,
// with room for its pen.
QRect drawnArea(const QRect& box, const ShadowCast& cast, int pen)
{
    const std::int64_t grow = std::int64_t(pen) + 2; // mitred corners reach a pen width out
    return boundedRect(std::int64_t(box.left()) + cast.displacement.x() - grow,
        std::int64_t(box.top()) + cast.displacement.y() - grow,
        std::int64_t(box.right()) + cast.displacement.x() + grow,
        std::int64_t(box.bottom()) + cast.displacement.y() + grow);
}

// Draws an outline into a mask at the shadow's place and level, then lays the
// softened mask over the canvas.
void castOutline(
    const PaintTarget& target, const ShadowCast& cast, Outline& outline, std::int32_t fill, int pen)
{
    const QRect box = drawnExtent(outline);
    if (box.isNull())
        return;
    Bitmap24& canvas = target.canvas->bitmap();
    const QRect area = maskArea(box, cast, pen);
    ShadowMask mask(area, canvas, cast.cropMargin(pen));
    if (mask.empty())
        return;
    const QPoint shift = cast.displacement - mask.origin();
    moveOutline(outline, shift);
    const std::int32_t level = grey(cast.level);
    drawOutline(mask.surface(), outline, level, fill == kFillClear || fill == -2 ? fill : level, pen);
    moveOutline(outline, -shift);
    mask.apply(canvas, cast.fade, cast.blurScale, drawnArea(box, cast, pen));
}

void shapeShadow(const PaintTarget& target, const ItemRecord& item, const ShadowCast& cast)
{
    thread_local std::vector<DeviceEntry> entries;
    thread_local Outline outline;
    mapEntries(entries, item, target.mapping());
    if (entries.empty())
        return;
    const int pen = fillRules(item.body.lineColor, item.body.fillColor,
        weightToPixels(target.zoom, item.body.lineWeight, target.screenMetrics))
                        .pen.width;
    // What is cast from beyond this reaches no canvas pixel, neither
    // displaced nor blurred.
    const Bitmap24& canvas = target.canvas->bitmap();
    const int reach = int(std::min<std::int64_t>(kExtentLimit,
        std::int64_t(cast.cropMargin(pen)) + std::abs(cast.displacement.x())
            + std::abs(cast.displacement.y())));
    const QRect area
        = visibleArea(canvas.width(), canvas.height(), pen).adjusted(-reach, -reach, reach, reach);
    buildOutline(outline, item.body.kind, entries.data(), int(entries.size()), item.body.sides,
        item.body.shapeVariant, &area);
    castOutline(target, cast, outline, item.body.fillColor, pen);
}

void lineShadow(const PaintTarget& target, const ItemRecord& item, const ShadowCast& cast)
{
    const ItemBody& b = item.body;
    const QPoint s = target.device(b.x1, b.y1), e = target.device(b.x2, b.y2);
    const int w = std::max(1, int(roundEven(target.zoom * b.penWidth)));
    QRect box = boundedRect(
        std::min(s.x(), e.x()), std::min(s.y(), e.y()), std::max(s.x(), e.x()), std::max(s.y(), e.y()));
    if (w >= 2)
        for (const QPoint& c : dashRectangle(s, e, b.lineAngle, w))
            box = box.united(boundedRect(c.x(), c.y(), c.x(), c.y()));
    Bitmap24& canvas = target.canvas->bitmap();
    ShadowMask mask(maskArea(box, cast, w), canvas, cast.cropMargin(w));
    if (mask.empty())
        return;
    // The line drawn again in the shadow's level: its dashes, and a hollow
    // line's interior only when it is filled.
    thread_local ItemRecord shade;
    shade.body = b;
    shade.body.lineColor = grey(cast.level);
    if (b.fillColor != kFillClear)
        shade.body.fillColor = grey(cast.level);
    const QPoint shift = cast.displacement - mask.origin();
    drawLine(mask.surface(), shade, s + shift, e + shift, lineDashes(target, item), target.zoom,
        target.screenMetrics);
    mask.apply(canvas, cast.fade, cast.blurScale, drawnArea(box, cast, w));
}

// A clip's rectangle, turned by its angle, or its disc, grown by its frame.
void clipShadow(const PaintTarget& target, const ItemRecord& item, const ShadowCast& cast)
{
    const ItemBody& b = item.body;
    if (b.shadowLightness == 0)
        return;
    const int frame = b.frameOn ? weightToPixels(target.zoom, b.lineWeight, target.screenMetrics) : 0;
    const QPoint a = target.device(b.x1, b.y1), c = target.device(b.x2, b.y2);
    thread_local Outline outline;
    outline.clear();
    if (b.clipShape == kRoundClip) {
        const std::int64_t r = std::int64_t(roundEven(distanceOf(a, c))) + frame;
        const QRect square = boundedRect(a.x() - r, a.y() - r, a.x() + r, a.y() + r);
        outline.primitive = Outline::Primitive::Ellipse;
        outline.box = { square.left(), square.top(), square.right(), square.bottom() };
    } else {
        const std::array<QPoint, 5> corners = clipRectangleOutline(a, c, b.clipRotation, frame);
        outline.points.assign(corners.begin(), corners.end() - 1);
        outline.primitive = Outline::Primitive::Polygon;
    }
    castOutline(target, cast, outline, -2, 1);
}

bool isShapeKind(std::int32_t kind)
{
    return kind >= kinds::kTriangle && kind <= kinds::kCurve;
}

} // namespace

void drawShadow(const PaintTarget& target, const ItemRecord& item)
{
    if (!target.canvas || item.body.shadowElevation == 0)
        return;
    const ShadowCast cast = shadowCast(target, item);
    const std::int32_t kind = item.body.kind;
    if (kind == kinds::kLine)
        lineShadow(target, item, cast);
    else if (kind == kinds::kClip)
        clipShadow(target, item, cast);
    else if (isShapeKind(kind))
        shapeShadow(target, item, cast);
}
