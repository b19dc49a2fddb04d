#include "render/ShapeOutline.h"

#include "model/ItemKinds.h"
#include "base/Rounding.h"
#include "render/Geometry.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>

using std::numbers::pi;

namespace {

constexpr double kArcStep = 0.015707963267948966; // 0.9 degrees

// Triangles, squares, rectangles and the spline family: straight segments
// through the anchors in list order.
void buildStraight(Outline& out, const DeviceEntry* entries, int count, int variant)
{
    if (count < 2)
        return;
    for (int i = 0; i < count; ++i)
        out.points.push_back(entries[i].anchor);
    if (count == 2) {
        out.primitive = Outline::Primitive::Segment;
    } else if (variant == kinds::kOpen) {
        out.primitive = Outline::Primitive::Polyline;
    } else if (variant == kinds::kClosed) {
        if (out.points.back() != out.points.front())
            out.points.push_back(out.points.front());
        out.primitive = Outline::Primitive::Polyline;
    } else {
        out.primitive = Outline::Primitive::Polygon;
    }
}

void buildCircle(Outline& out, const DeviceEntry* entries, int count)
{
    if (count < 2)
        return;
    const QPoint c = entries[0].anchor;
    const int r = roundEven(distanceOf(c, entries[1].anchor));
    out.box = { addClamped(c.x(), -std::int64_t(r)), addClamped(c.y(), -std::int64_t(r)),
        addClamped(c.x(), r), addClamped(c.y(), r) };
    out.primitive = Outline::Primitive::Ellipse;
}

// A rotated ellipse as four cubic Bézier quarters (13 points).
void buildEllipse(Outline& out, const DeviceEntry* entries, int count)
{
    if (count < 3)
        return;
    const QPoint p1 = entries[0].anchor, p2 = entries[1].anchor, p3 = entries[2].anchor;
    const double theta = angleOf(p1, p2);
    const std::int64_t a = roundEven(distanceOf(p1, p2));
    const std::int64_t b = roundEven(distanceOf(p3, footOf(p1, p2, p3).point));
    const std::int64_t kx = roundEven(2 * double(a) * kDefaultCurveTension);
    const std::int64_t ky = roundEven(2 * double(b) * kDefaultCurveTension);
    const std::int64_t offsets[12][2] = { { -a, 0 }, { -a, -ky }, { -kx, -b }, { 0, -b }, { kx, -b },
        { a, -ky }, { a, 0 }, { a, ky }, { kx, b }, { 0, b }, { -kx, b }, { -a, ky } };
    std::int64_t minX = INT_MAX, minY = INT_MAX, maxX = -INT_MAX, maxY = -INT_MAX;
    for (const auto& o : offsets) {
        const QPoint q(addClamped(p1.x(), o[0]), addClamped(p1.y(), o[1]));
        const QPoint r = pointAt(p1, distanceOf(p1, q), angleOf(p1, q) + theta);
        out.points.push_back(r);
        minX = std::min<std::int64_t>(minX, r.x()), maxX = std::max<std::int64_t>(maxX, r.x());
        minY = std::min<std::int64_t>(minY, r.y()), maxY = std::max<std::int64_t>(maxY, r.y());
    }
    out.points.push_back(out.points.front());
    out.box = { int(minX), int(minY), int(maxX), int(maxY) };
    out.primitive = Outline::Primitive::FilledBezier;
}

// The directions, seen from `centre`, in which anything of `area` lies: the
// angles (y up) from `start` to start + `width`, less than pi wide. False when
// the centre lies in the area, which every direction then reaches.
bool directionsTo(QPoint centre, const QRect& area, double& start, double& width)
{
    if (area.contains(centre))
        return false;
    const double cx = centre.x(), cy = centre.y();
    const double xs[2] = { double(area.left()), area.right() + 1.0 };
    const double ys[2] = { double(area.top()), area.bottom() + 1.0 };
    const double middle = std::atan2(cy - (ys[0] + ys[1]) / 2, (xs[0] + xs[1]) / 2 - cx);
    double low = 0, high = 0;
    for (double x : xs)
        for (double y : ys) {
            const double d = std::remainder(std::atan2(cy - y, x - cx) - middle, 2 * pi);
            low = std::min(low, d);
            high = std::max(high, d);
        }
    constexpr double kSlack = 1e-9; // rounding of the angles themselves
    start = middle + low - kSlack;
    width = high - low + 2 * kSlack;
    return true;
}

// Regular polygons (step 2 pi / n, one radius) and stars (step pi / n, tips
// and inner corners alternating). The first vertex is P2 itself.
//
// With an area, a ring whose centre lies outside it keeps only the corners
// of edges that may reach the area: every edge stays within the directions
// of its two corners, so an edge whose directions miss the area's misses the
// area. Each run of left-out corners is replaced by the centre: the path
// through it stays within the run's directions too, so the area's pixels
// are filled and outlined exactly as by the whole ring.
void buildRing(Outline& out, QPoint centre, QPoint first, int vertices, double step, double outer,
    double inner, const QRect* area)
{
    const auto corner
        = [&](int j, double t) { return j == 0 ? first : pointAt(centre, j % 2 == 0 ? outer : inner, t); };
    out.primitive = Outline::Primitive::Polygon;
    const double t0 = angleOf(centre, first);
    double start = 0, width = 0;
    // Corners within a pixel of their directions still count: the area is
    // grown by one pixel for the test.
    if (!area || !directionsTo(centre, area->adjusted(-1, -1, 1, 1), start, width)) {
        out.points.reserve(std::size_t(vertices));
        double t = t0;
        for (int j = 0; j < vertices; ++j, t += step)
            out.points.push_back(corner(j, t));
        return;
    }
    thread_local std::vector<std::uint8_t> reaches; // per edge j, from corner j to corner j + 1
    reaches.assign(std::size_t(vertices), 0);
    double t = t0;
    for (int j = 0; j < vertices; ++j, t += step) {
        double u = std::fmod(t - start, 2 * pi);
        if (u < 0)
            u += 2 * pi;
        reaches[std::size_t(j)] = u <= width || u + step >= 2 * pi;
    }
    bool leftOut = false;
    t = t0;
    for (int j = 0; j < vertices; ++j, t += step) {
        if (!reaches[std::size_t(j)] && !reaches[std::size_t((j + vertices - 1) % vertices)]) {
            leftOut = true;
            continue;
        }
        if (leftOut)
            out.points.push_back(centre);
        leftOut = false;
        out.points.push_back(corner(j, t));
    }
    if (leftOut)
        out.points.push_back(centre);
}

// How far from `centre` anything of the area lies, at most.
double farthestFrom(QPoint centre, const QRect* area)
{
    if (!area)
        return std::numeric_limits<double>::infinity();
    const double dx
        = std::max(std::abs(centre.x() - double(area->left())), std::abs(centre.x() - (area->right() + 1.0)));
    const double dy
        = std::max(std::abs(centre.y() - double(area->top())), std::abs(centre.y() - (area->bottom() + 1.0)));
    return std::hypot(dx, dy);
}

void buildPolygon(Outline& out, const DeviceEntry* entries, int count, int sides, const QRect* area)
{
    if (count < 2 || sides < kMinSides || sides > kMaxSides)
        return;
    const QPoint c = entries[0].anchor;
    const double r = distanceOf(c, entries[1].anchor);
    sides = drawnSides(sides, r, farthestFrom(c, area));
    buildRing(out, c, entries[1].anchor, sides, 2 * pi / sides, r, r, area);
}

void buildStar(Outline& out, const DeviceEntry* entries, int count, int sides, const QRect* area)
{
    if (count < 3 || sides < kMinSides || sides > kMaxSides)
        return;
    const QPoint c = entries[0].anchor;
    const double outer = distanceOf(c, entries[1].anchor);
    const double inner = distanceOf(c, entries[2].anchor);
    sides = drawnSides(sides, std::max(outer, inner), farthestFrom(c, area));
    buildRing(out, c, entries[1].anchor, 2 * sides, pi / sides, outer, inner, area);
}

void buildPieOrArc(Outline& out, const DeviceEntry* entries, int count, bool pie)
{
    if (count < 3)
        return;
    const QPoint c = entries[0].anchor, start = entries[1].anchor;
    sampleArc(out.points, c, start, entries[2].anchor, distanceOf(c, start));
    if (pie) {
        out.points.push_back(c);
        out.points.push_back(start);
        out.primitive = Outline::Primitive::Polygon;
    } else {
        out.primitive = Outline::Primitive::Polyline;
    }
}

// The Bézier chain of a curve: anchors with the control points of the entry
// that leaves them; entries repeating the last kept anchor are skipped.
void buildCurve(Outline& out, const DeviceEntry* entries, int count, int variant)
{
    int anchors = 0;
    QPoint lastAnchor;
    for (int i = 0; i < count; ++i) {
        if (i > 0 && entries[i].anchor == lastAnchor)
            continue;
        lastAnchor = entries[i].anchor;
        out.points.push_back(lastAnchor);
        ++anchors;
        if (i + 1 < count) {
            out.points.push_back(entries[i].control1);
            out.points.push_back(entries[i].control2);
        }
    }
    if (anchors < 2) {
        out.points.clear();
        return;
    }
    // Control points left without an anchor after them (skipped last entries)
    // would break the chain: they are dropped.
    if ((out.points.size() - 1) % 3 != 0)
        out.points.resize(out.points.size() - 2);
    if (count == 2) {
        out.points[1] = out.points[3];
        out.points.resize(2);
        out.primitive = Outline::Primitive::Segment;
        return;
    }
    if (variant != kinds::kOpen) {
        out.points.push_back(entries[count - 1].control1);
        out.points.push_back(entries[count - 1].control2);
        out.points.push_back(entries[0].anchor);
    }
    out.primitive = variant == kinds::kOpen || variant == kinds::kClosed ? Outline::Primitive::Bezier
                                                                         : Outline::Primitive::FilledBezier;
}

} // namespace

double arcSweep(QPoint centre, QPoint start, QPoint end)
{
    const double b = angleOf(centre, start);
    const double c = angleOf(centre, end);
    double s = (b <= c ? c : c + 2 * pi) - b;
    if (s > 2 * pi)
        s -= 2 * pi;
    return s;
}

int arcSampleCount(double sweep)
{
    return std::max(2, int(roundEven(sweep / kArcStep)));
}

void sampleArc(std::vector<QPoint>& out, QPoint centre, QPoint start, QPoint end, double radius)
{
    const double b = angleOf(centre, start);
    const double s = arcSweep(centre, start, end);
    const int n = arcSampleCount(s);
    out.push_back(start);
    double a = b;
    for (int i = 1; i <= n - 2; ++i) {
        a += s / (n - 1);
        const QPoint p = pointAt(centre, radius, a);
        if (p != out.back())
            out.push_back(p);
    }
    out.push_back(pointAt(centre, radius, b + s));
}

int drawnSides(int sides, double radius, double reach)
{
    // Half a pixel between neighbours along the circle within reach. A ring
    // more than twice as far out as reach has its edges (at least half its
    // radius from the centre) out of sight whatever the count, and a ring
    // within that distance is seen whole, so nothing else needs more.
    if (!std::isfinite(reach))
        return sides;
    const double seen = std::min(radius, reach);
    const double limit = 4 * pi * seen;
    if (!(limit < sides))
        return sides;
    return std::max(kMinSides, static_cast<int>(std::ceil(limit)));
}

void buildOutline(Outline& out, std::int32_t kind, const DeviceEntry* entries, int count, int sides,
    int shapeVariant, const QRect* area)
{
    out.clear();
    switch (kind) {
    case kinds::kTriangle:
    case kinds::kSquare:
    case kinds::kRectangle:
    case kinds::kSpline:
        buildStraight(out, entries, count, shapeVariant);
        break;
    case kinds::kCircle:
        buildCircle(out, entries, count);
        break;
    case kinds::kEllipse:
        buildEllipse(out, entries, count);
        break;
    case kinds::kPolygon:
        buildPolygon(out, entries, count, sides, area);
        break;
    case kinds::kStar:
        buildStar(out, entries, count, sides, area);
        break;
    case kinds::kPie:
    case kinds::kArc:
        buildPieOrArc(out, entries, count, kind == kinds::kPie);
        break;
    case kinds::kCurve:
        buildCurve(out, entries, count, shapeVariant);
        break;
    default:
        break;
    }
}
