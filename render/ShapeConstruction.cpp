#include "render/ShapeConstruction.h"

#include "model/ItemKinds.h"
#include "model/ItemList.h"
#include "model/ItemRecord.h"
#include "base/Rounding.h"
#include "render/Geometry.h"
#include "render/ShapeOutline.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

using std::numbers::pi;

namespace {

// True when degrees lies within 0.0001 of target, going round the circle.
bool nearDegrees(double degrees, double target)
{
    const double d = std::fabs(std::fmod(degrees - target, 360.0));
    return d < 0.0001 || d > 360.0 - 0.0001;
}

QPoint anchorOf(const PointEntry& e) { return QPoint(e.x(0), e.y(0)); }

struct Extent {
    std::int64_t left = INT64_MAX, top = INT64_MAX, right = INT64_MIN, bottom = INT64_MIN;

    void add(QPoint p)
    {
        left = std::min<std::int64_t>(left, p.x()), right = std::max<std::int64_t>(right, p.x());
        top = std::min<std::int64_t>(top, p.y()), bottom = std::max<std::int64_t>(bottom, p.y());
    }
    void addSquare(QPoint c, std::int64_t r)
    {
        left = std::min(left, c.x() - r), right = std::max(right, c.x() + r);
        top = std::min(top, c.y() - r), bottom = std::max(bottom, c.y() + r);
    }
    bool empty() const { return left > right; }
};

// The box of the drawn outline in canvas units, before the handle margin.
Extent outlineExtent(const ItemRecord& item)
{
    Extent box;
    const auto& points = item.pointList;
    const int kind = item.body.kind;
    const int n = int(points.size());
    if (n >= 2 && (kind == kinds::kCircle || kind == kinds::kPolygon || kind == kinds::kEllipse || kind == kinds::kStar)) {
        const QPoint p1 = anchorOf(points[0]), p2 = anchorOf(points[1]);
        std::int64_t r = roundEven(distanceOf(p1, p2));
        if (kind == kinds::kPolygon)
            r = std::max<std::int64_t>(1, r);
        if (kind == kinds::kEllipse && n >= 3) {
            const QPoint p3 = anchorOf(points[2]);
            r = std::max<std::int64_t>(r, roundEven(distanceOf(p3, footOf(p1, p2, p3).point)));
        }
        if (kind == kinds::kStar && n >= 3)
            r = std::max<std::int64_t>(r, roundEven(distanceOf(p1, anchorOf(points[2]))));
        box.addSquare(p1, r);
        return box;
    }
    if (n >= 3 && (kind == kinds::kPie || kind == kinds::kArc)) {
        thread_local std::vector<QPoint> samples;
        samples.clear();
        const QPoint p1 = anchorOf(points[0]), p2 = anchorOf(points[1]);
        sampleArc(samples, p1, p2, anchorOf(points[2]), distanceOf(p1, p2) + 1);
        box.add(p1);
        box.add(p2);
        for (QPoint p : samples)
            box.add(p);
        box.left -= 1, box.top -= 1, box.right += 1, box.bottom += 1;
        return box;
    }
    for (const PointEntry& e : points) {
        box.add(anchorOf(e));
        if (kind == kinds::kCurve) {
            box.add(QPoint(e.x(2), e.y(2)));
            box.add(QPoint(e.x(3), e.y(3)));
        }
    }
    return box;
}


} // namespace

std::array<QPoint, 4> squareCorners(QPoint a, QPoint b)
{
    const double t = angleOf(a, b) + pi / 2;
    const double d = distanceOf(a, b);
    return { a, b, pointAt(b, d, t), pointAt(a, d, t) };
}

std::array<QPoint, 4> rectangleCorners(QPoint a, QPoint b, QPoint c)
{
    double t = angleOf(a, b) + pi / 2;
    if (t >= 2 * pi)
        t -= 2 * pi;
    const double d = t * 180 / pi;
    QPoint moved = c;
    if (nearDegrees(d, 0) || nearDegrees(d, 180)) {
        moved = QPoint(c.x(), b.y());
    } else if (nearDegrees(d, 90) || nearDegrees(d, 270)) {
        moved = QPoint(b.x(), c.y());
    } else {
        const int whole = roundEven(d);
        if (isSteepDirection(whole))
            moved.setX(addClamped(b.x(), roundEven(double(b.y() - std::int64_t(c.y())) / std::tan(t))));
        else
            moved.setY(addClamped(b.y(), roundEven(std::tan(t) * double(b.x() - std::int64_t(c.x())))));
    }
    return { a, b, moved, pointAt(moved, distanceOf(a, b), t + pi / 2) };
}

void placeControlPoints(ItemRecord& curve)
{
    auto& entries = curve.pointList;
    const int n = int(entries.size());
    if (n < 2)
        return;
    const double x = curve.body.curveTension;
    const bool closed = curve.body.shapeVariant != kinds::kOpen;
    const int firstInterior = closed ? 0 : 1;
    const int lastInterior = closed ? n - 1 : n - 2;
    for (int i = firstInterior; i <= lastInterior; ++i) {
        PointEntry& v = entries[std::size_t((i + n - 1) % n)];
        PointEntry& node = entries[std::size_t(i)];
        const QPoint nv = anchorOf(node), vv = anchorOf(v), sv = anchorOf(entries[std::size_t((i + 1) % n)]);
        const double a = angleOf(nv, vv);
        double turn = angleOf(nv, sv) - a;
        if (turn < 0)
            turn += 2 * pi;
        const double m = a + turn / 2;
        const QPoint c1 = pointAt(nv, x * distanceOf(nv, sv), m + pi / 2);
        const QPoint c2 = pointAt(nv, x * distanceOf(vv, nv), m - pi / 2);
        node.set(2, c1.x(), c1.y());
        v.set(3, c2.x(), c2.y());
    }
    if (closed)
        return;
    const QPoint f = anchorOf(entries[0]), s = anchorOf(entries[1]);
    const QPoint c1 = pointAt(f, x * distanceOf(f, s), angleOf(f, s));
    entries[0].set(2, c1.x(), c1.y());
    const QPoint l = anchorOf(entries[std::size_t(n - 1)]), v = anchorOf(entries[std::size_t(n - 2)]);
    const QPoint c2 = pointAt(l, x * distanceOf(l, v), angleOf(l, v));
    entries[std::size_t(n - 2)].set(3, c2.x(), c2.y());
}

namespace {

// The outline's box grown by the handle margin; nothing for too few points.
std::optional<UnitBox> grownBox(const ItemRecord& item, int handleWidth, int handleHeight)
{
    const Extent box = outlineExtent(item);
    if (box.empty())
        return std::nullopt;
    const std::int64_t h = std::max(
        { std::int64_t(item.body.penWidth), std::int64_t(handleWidth / 2), std::int64_t(handleHeight / 2) });
    return UnitBox { clampToInt32(box.left - h), clampToInt32(box.top - h), clampToInt32(box.right + h),
        clampToInt32(box.bottom + h) };
}

} // namespace

void shapeBox(ItemRecord& item, const ScreenMetrics& screen, int handleWidth, int handleHeight)
{
    const std::optional<UnitBox> box = grownBox(item, handleWidth, handleHeight);
    if (!box)
        return;
    item.repaintBox = box;
    ItemBody& b = item.body;
    b.x1 = box->left;
    b.y1 = box->top;
    b.x2 = box->right;
    b.y2 = box->bottom;
    syncRealCoordinates(&item, screen);
    b.minX = std::min(b.x1, b.x2);
    b.maxX = std::max(b.x1, b.x2);
    b.minY = std::min(b.y1, b.y2);
    b.maxY = std::max(b.y1, b.y2);
    const std::int64_t sx = std::llabs(std::int64_t(b.x2) - b.x1), sy = std::llabs(std::int64_t(b.y2) - b.y1);
    b.spanX = clampToInt32(sx);
    b.spanY = clampToInt32(sy);
    b.length = roundEven(std::sqrt(double(sx) * double(sx) + double(sy) * double(sy)));
    // The direction of point 1 to point 2, as loading derives it.
    b.lineAngle = lineAngleOf(b.x1, b.y1, b.x2, b.y2);
}

void refreshRepaintBox(ItemRecord& item, int handleWidth, int handleHeight)
{
    item.repaintBox = grownBox(item, handleWidth, handleHeight);
}
