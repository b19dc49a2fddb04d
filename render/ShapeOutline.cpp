#include "render/ShapeOutline.h"

#include "model/ItemKinds.h"
#include "base/Rounding.h"
#include "render/Geometry.h"

#include <algorithm>
#include <climits>
#include <cmath>
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
    const std::int64_t offsets[12][2] = { { -a, 0 }, { -a, -ky }, { -kx, -b }, { 0, -b }, { kx, -b }, { a, -ky },
        { a, 0 }, { a, ky }, { kx, b }, { 0, b }, { -kx, b }, { -a, ky } };
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

// Regular polygons (step 2 pi / n, one radius) and stars (step pi / n, tips
// and inner corners alternating). The first vertex is P2 itself.
void buildRing(Outline& out, QPoint centre, QPoint first, int vertices, double step, double outer, double inner)
{
    double t = angleOf(centre, first);
    out.points.reserve(std::size_t(vertices));
    out.points.push_back(first);
    for (int j = 1; j < vertices; ++j) {
        t += step;
        out.points.push_back(pointAt(centre, j % 2 == 0 ? outer : inner, t));
    }
    out.primitive = Outline::Primitive::Polygon;
}

void buildPolygon(Outline& out, const DeviceEntry* entries, int count, int sides, double reach)
{
    if (count < 2 || sides < kMinSides || sides > kMaxSides)
        return;
    const double r = distanceOf(entries[0].anchor, entries[1].anchor);
    sides = drawnSides(sides, r, reach);
    buildRing(out, entries[0].anchor, entries[1].anchor, sides, 2 * pi / sides, r, r);
}

void buildStar(Outline& out, const DeviceEntry* entries, int count, int sides, double reach)
{
    if (count < 3 || sides < kMinSides || sides > kMaxSides)
        return;
    const QPoint c = entries[0].anchor;
    const double outer = distanceOf(c, entries[1].anchor);
    const double inner = distanceOf(c, entries[2].anchor);
    sides = drawnSides(sides, std::max(outer, inner), reach);
    buildRing(out, c, entries[1].anchor, 2 * sides, pi / sides, outer, inner);
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

int arcSampleCount(double sweep) { return std::max(2, int(roundEven(sweep / kArcStep))); }

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
    // Half a pixel between neighbours along the circle within reach, and a
    // sagitta of at most half a pixel on the full radius.
    if (!std::isfinite(reach))
        return sides;
    const double seen = std::min(radius, reach);
    const double limit = std::max(4 * pi * seen, pi * std::sqrt(std::max(radius, 0.0)));
    if (!(limit < sides))
        return sides;
    return std::max(kMinSides, static_cast<int>(std::ceil(limit)));
}

void buildOutline(Outline& out, std::int32_t kind, const DeviceEntry* entries, int count, int sides,
    int shapeVariant, double reach)
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
        buildPolygon(out, entries, count, sides, reach);
        break;
    case kinds::kStar:
        buildStar(out, entries, count, sides, reach);
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
