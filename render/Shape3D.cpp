#include "render/Shape3D.h"

#include "base/Rounding.h"
#include "model/ItemKinds.h"
#include "model/ItemRecord.h"
#include "platform/Bitmap24.h"
#include "render/ClippedOutline.h"
#include "render/Geometry.h"
#include "render/LightDirection.h"
#include "render/LineStyle.h"
#include "render/MarkerMask.h"
#include "render/OutlineExtent.h"
#include "render/PaintTarget.h"
#include "render/ScenePainter.h"
#include "render/ShadeProfile.h"
#include "render/ShadingGeometry.h"
#include "render/ShapeDrawing.h"
#include "render/ShapeOutline.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr std::int32_t kFillSolid = -2;
constexpr std::int32_t kFillClear = -1;

// Everything one shaded shape needs.
struct ShadedShape {
    const PaintTarget& target;
    const ItemRecord& item;
    const std::vector<DeviceEntry>& entries;
    Outline& outline;
    int pen; // the width the outline is drawn with
};

// Draws the shape into a marker mask over its drawn extent and paints the
// marked canvas pixels from the line and fill profiles of length n.
template <class RowOf> void paintMarked(const ShadedShape& s, int n, RowOf rowOf)
{
    const QRect box = drawnExtent(s.outline);
    if (box.isNull() || n < 1)
        return;
    const int margin = s.pen + 2; // mitred corners reach a pen width out
    Bitmap24& canvas = s.target.canvas->bitmap();
    MarkerMask mask(box.adjusted(-margin, -margin, margin, margin), *s.target.canvas);
    if (mask.empty())
        return;
    const std::int32_t fill = s.item.body.fillColor;
    moveOutline(s.outline, -mask.origin());
    drawOutline(mask.surface(), s.outline, std::int32_t(kOutlineMarker),
        fill == kFillSolid || fill == kFillClear ? fill : std::int32_t(kInteriorMarker), s.pen);
    moveOutline(s.outline, mask.origin());
    const int floor = s.item.body.surface;
    const std::vector<std::uint32_t> lineProfile
        = shadeProfile(n, floor, std::uint32_t(s.item.body.lineColor));
    std::vector<std::uint32_t> fillProfile;
    if (fill != kFillSolid && fill != kFillClear)
        fillProfile = shadeProfile(n, floor, std::uint32_t(fill));
    mask.recolour(canvas, lineProfile, fillProfile, rowOf);
}

void paintSphere(const ShadedShape& s, const SphereBody& body)
{
    paintMarked(s, body.n, [&body](int x, int y) { return body.row(x, y); });
}

// Sizes of a shaded body, checked before any point is made from them.
bool shadable(std::int64_t size)
{
    return size <= kLargestShadedBody;
}

// The circle's own square; nothing is drawn below 2 pixels.
bool shadeCircle(const ShadedShape& s, int light)
{
    const EdgeBox& b = s.outline.box;
    const std::int64_t d = std::int64_t(b.right) - b.left;
    if (!shadable(d))
        return false;
    if (d >= 2)
        paintSphere(s, sphereOfSquare({ b.left, b.top }, int(d), s.pen, light));
    return true;
}

bool shadeEllipse(const ShadedShape& s, int light)
{
    const EdgeBox& b = s.outline.box;
    const std::int64_t w = std::int64_t(b.right) - b.left, h = std::int64_t(b.bottom) - b.top;
    if (!shadable(w) || !shadable(h))
        return false;
    if (w < 2 || h < 2)
        return true;
    const QPoint p1 = s.entries[0].anchor, p2 = s.entries[1].anchor, p3 = s.entries[2].anchor;
    const double a = roundEven(distanceOf(p1, p2));
    const double minor = roundEven(distanceOf(p3, footOf(p1, p2, p3).point));
    paintSphere(
        s, sphereOfEllipse({ b.left, b.top }, int(w), int(h), s.pen, light, a, minor, angleOf(p1, p2)));
    return true;
}

// A disc of side g centred on the shape's centre stands in for the shape.
bool shadeAroundCentre(const ShadedShape& s, int light, double g)
{
    if (!shadable(std::int64_t(g)))
        return false;
    const int side = int(g);
    paintSphere(s, sphereOfSquare(s.entries[0].anchor - QPoint(side / 2, side / 2), side, s.pen, light));
    return true;
}

// A disc reaching past the corners of the anchors' box stands in for shapes
// that have no centre.
bool shadeAroundBox(const ShadedShape& s, int light)
{
    const QRect box = anchorExtent(s.entries);
    // Inclusive corners: the side is the distance between the extreme anchors.
    const std::int64_t side = std::max(box.width(), box.height()) - 1;
    if (!shadable(2 * side))
        return false;
    const int reach = roundEven(std::sqrt(2.0) * double(side));
    const int start = int(side) - reach;
    paintSphere(s, sphereOfSquare(box.topLeft() + QPoint(start, start), reach - start, s.pen, light));
    return true;
}

bool shadeSphere(const ShadedShape& s, int light)
{
    const QPoint c = s.entries[0].anchor;
    switch (s.item.body.kind) {
    case kinds::kCircle:
        return shadeCircle(s, light);
    case kinds::kEllipse:
        return shadeEllipse(s, light);
    case kinds::kPolygon:
    case kinds::kPie:
    case kinds::kArc:
        return shadeAroundCentre(s, light, std::round(2 * (distanceOf(c, s.entries[1].anchor) + s.pen)) + 1);
    case kinds::kStar: {
        const double tip = std::round(distanceOf(c, s.entries[1].anchor));
        const double inner = std::round(distanceOf(c, s.entries[2].anchor));
        return shadeAroundCentre(s, light, 2 * std::max(tip, inner) + 2.0 * s.pen + 3);
    }
    default:
        return shadeAroundBox(s, light);
    }
}

// Squares and rectangles: a band across the side P1 P2, standing on P0 P1.
bool shadeBox(const ShadedShape& s, int light)
{
    const QPoint p0 = s.entries[0].anchor, p1 = s.entries[1].anchor, p2 = s.entries[2].anchor;
    double a0 = angleOf(p0, p1);
    double turn = std::fmod(angleOf(p1, p2) - a0, 2 * std::numbers::pi);
    if (turn < 0)
        turn += 2 * std::numbers::pi;
    if (turn <= std::numbers::pi)
        a0 = angleOf(p1, p0);
    const double length = std::round(distanceOf(p1, p2));
    if (length < 1 || !shadable(std::int64_t(length)))
        return false;
    const int n = int(length);
    const CylinderBand band = cylinderBand(p0, p1, n, a0, light::shapeBandOffset(light));
    paintMarked(s, n, [&band](int x, int y) { return band.row(x, y); });
    return true;
}

int minimumPoints(std::int32_t kind)
{
    switch (kind) {
    case kinds::kSpline:
    case kinds::kCurve:
    case kinds::kCircle:
    case kinds::kPolygon:
        return 2;
    default:
        return 3;
    }
}

} // namespace

bool shade3D(const PaintTarget& target, const ItemRecord& item)
{
    if (!target.canvas || item.body.surface < 1)
        return false;
    thread_local std::vector<DeviceEntry> entries;
    thread_local Outline outline;
    mapEntries(entries, item, target.mapping());
    const std::int32_t kind = item.body.kind;
    if (int(entries.size()) < minimumPoints(kind))
        return false;
    Bitmap24& canvas = target.canvas->bitmap();
    const int pen = fillRules(item.body.lineColor, item.body.fillColor,
        weightToPixels(target.zoom, item.body.lineWeight, target.screenMetrics))
                        .pen.width;
    // Only pixels on the canvas are shaded.
    const QRect area = visibleArea(canvas.width(), canvas.height(), pen);
    buildOutline(
        outline, kind, entries.data(), int(entries.size()), item.body.sides, item.body.shapeVariant, &area);
    if (outline.primitive == Outline::Primitive::Nothing)
        return false;
    const QRect extent = drawnExtent(outline);
    if (extent.isNull() || !shadable(extent.width()) || !shadable(extent.height()) || !shadable(pen))
        return false;
    // A body no wider than the largest shaded one that starts this far out
    // cannot reach any canvas.
    const QPoint c = entries.front().anchor;
    if (std::abs(std::int64_t(c.x())) > kExtentLimit || std::abs(std::int64_t(c.y())) > kExtentLimit)
        return true;
    const ShadedShape shape { target, item, entries, outline, pen };
    const int light = lightDirectionOf(target.items);
    if (kind == kinds::kSquare || kind == kinds::kRectangle)
        return shadeBox(shape, light);
    return shadeSphere(shape, light);
}
