#include "GeometryTestSupport.h"

#include "base/ScreenMetrics.h"
#include "render/Geometry.h"
#include "render/ShapeConstruction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace geometrytest;
using std::numbers::pi;
using P = Outline::Primitive;

namespace {

std::vector<QPoint> pts(std::initializer_list<QPoint> list) { return list; }

TEST(GeometryHelpers, AngleOfIsExactOnTheAxesAndCounterClockwiseWithYUp)
{
    struct Case {
        QPoint a, b;
        double expected;
    } cases[] = {
        { { 0, 0 }, { 5, 0 }, 0 },
        { { 0, 0 }, { 0, 0 }, 0 }, // coincident points read as "to the right"
        { { 0, 0 }, { -5, 0 }, pi },
        { { 0, 0 }, { 0, -5 }, pi / 2 }, // above on the screen
        { { 0, 0 }, { 0, 5 }, 3 * pi / 2 },
        { { 0, 0 }, { 5, -5 }, pi / 4 },
        { { 0, 0 }, { -5, 5 }, 5 * pi / 4 },
        { { 0, 0 }, { 5, 5 }, 7 * pi / 4 }, // negative atan2 brought into [0, 2 pi)
    };
    for (const Case& c : cases)
        EXPECT_NEAR(angleOf(c.a, c.b), c.expected, 1e-12) << c.b.x() << "," << c.b.y();
}

TEST(GeometryHelpers, PointAtRoundsTiesToEvenAndSaturates)
{
    EXPECT_EQ(pointAt({ 0, 0 }, 2.5, 0), QPoint(2, 0));
    EXPECT_EQ(pointAt({ 0, 0 }, 3.5, 0), QPoint(4, 0));
    EXPECT_EQ(pointAt({ 10, 10 }, 5, pi / 2), QPoint(10, 5));
    EXPECT_EQ(pointAt({ 2147483000, 0 }, 1e12, 0).x(), 2147483647);
}

TEST(GeometryHelpers, FootOfSnapsNearAxisLinesAndReportsWhetherItIsOnTheSegment)
{
    struct Case {
        QPoint a, b, p, foot;
        bool within;
    } cases[] = {
        { { 10, 0 }, { 12, 100 }, { 50, 40 }, { 10, 40 }, true },    // |dx| <= 2 counts as vertical
        { { 0, 10 }, { 100, 10 }, { 40, 70 }, { 40, 10 }, true },    // horizontal
        { { 0, 10 }, { 100, 10 }, { 140, 70 }, { 140, 10 }, false }, // beyond the end
        { { 0, 0 }, { 100, 100 }, { 100, 0 }, { 50, 50 }, true },
        { { 0, 0 }, { 100, 100 }, { 300, 100 }, { 200, 200 }, false },
    };
    for (const Case& c : cases) {
        const Foot f = footOf(c.a, c.b, c.p);
        EXPECT_EQ(f.point, c.foot) << c.p.x() << "," << c.p.y();
        EXPECT_EQ(f.withinSegment, c.within) << c.p.x() << "," << c.p.y();
    }
}

TEST(RegularShapes, PolygonAndStarVertices)
{
    struct Case {
        const char* name;
        std::int32_t kind;
        std::vector<DeviceEntry> entries;
        int sides;
        std::vector<QPoint> vertices;
    } cases[] = {
        { "square polygon starts exactly at P2", kinds::kPolygon, entriesOf({ { 100, 100 }, { 150, 100 } }), 4,
            pts({ { 150, 100 }, { 100, 50 }, { 50, 100 }, { 100, 150 } }) },
        { "triangle polygon", kinds::kPolygon, entriesOf({ { 0, 0 }, { 0, -10 } }), 3,
            pts({ { 0, -10 }, { -9, 5 }, { 9, 5 } }) },
        { "five-pointed star alternates tips and inner corners 36 degrees apart", kinds::kStar,
            entriesOf({ { 200, 200 }, { 200, 100 }, { 200, 160 } }), 5,
            pts({ { 200, 100 }, { 176, 168 }, { 105, 169 }, { 162, 212 }, { 141, 281 }, { 200, 240 }, { 259, 281 },
                { 238, 212 }, { 295, 169 }, { 224, 168 } }) },
    };
    for (const Case& c : cases) {
        const Outline o = outlineOf(c.kind, c.entries, c.sides);
        EXPECT_EQ(o.primitive, P::Polygon) << c.name;
        EXPECT_EQ(o.points, c.vertices) << c.name;
    }
}

TEST(RegularShapes, SideCountsOutsideTheRangeDrawNothing)
{
    const auto two = entriesOf({ { 0, 0 }, { 10, 0 } });
    const auto three = entriesOf({ { 0, 0 }, { 10, 0 }, { 5, 0 } });
    for (int sides : { -3, 0, 2, 1024001 }) {
        EXPECT_EQ(outlineOf(kinds::kPolygon, two, sides).primitive, P::Nothing) << sides;
        EXPECT_EQ(outlineOf(kinds::kStar, three, sides).primitive, P::Nothing) << sides;
    }
    EXPECT_EQ(outlineOf(kinds::kPolygon, two, 1024000).points.size(), 1024000u);
    EXPECT_EQ(outlineOf(kinds::kStar, entriesOf({ { 0, 0 }, { 10, 0 } }), 5).primitive, P::Nothing);
}

TEST(PiesAndArcs, SweepsAndSampleCounts)
{
    const QPoint c(500, 500);
    auto at = [&](double degrees) { return pointAt(c, 200, degrees * pi / 180); };
    struct Case {
        const char* name;
        QPoint start, end;
        double sweepDegrees;
        int samples;
    } cases[] = {
        { "end on the start ray", { 600, 400 }, { 700, 300 }, 0, 2 },
        { "350 to 10 goes through 0", at(350), at(10), 20, 22 },
        { "10 to 350 goes the long way", at(10), at(350), 340, 378 },
        { "quarter", { 700, 500 }, { 500, 100 }, 90, 100 },
        { "half", { 700, 500 }, { 300, 500 }, 180, 200 },
    };
    for (const Case& k : cases) {
        const double s = arcSweep(c, k.start, k.end);
        EXPECT_NEAR(s * 180 / pi, k.sweepDegrees, 0.5) << k.name;
        EXPECT_EQ(arcSampleCount(s), k.samples) << k.name;
    }
}

TEST(PiesAndArcs, PieOnOneRayIsADegeneratePolygon)
{
    const Outline o = outlineOf(kinds::kPie, entriesOf({ { 100, 100 }, { 200, 100 }, { 300, 100 } }));
    EXPECT_EQ(o.primitive, P::Polygon);
    EXPECT_EQ(o.points, pts({ { 200, 100 }, { 200, 100 }, { 100, 100 }, { 200, 100 } }));
}

TEST(PiesAndArcs, ArcEndsOnTheEndRayAtTheStartRadiusAndDropsRepeatedSamples)
{
    // Radius 10: most 0.9-degree steps round onto the same pixel.
    const Outline o = outlineOf(kinds::kArc, entriesOf({ { 50, 50 }, { 60, 50 }, { 50, 0 } }));
    EXPECT_EQ(o.primitive, P::Polyline);
    EXPECT_EQ(o.points.front(), QPoint(60, 50));
    EXPECT_EQ(o.points.back(), QPoint(50, 40));
    EXPECT_LT(o.points.size(), 30u);
    for (std::size_t i = 1; i + 1 < o.points.size(); ++i)
        EXPECT_NE(o.points[i], o.points[i - 1]) << i;
}

TEST(Ellipses, ThirteenBezierPointsRotatedAboutTheCentre)
{
    struct Case {
        const char* name;
        QPoint p2, p3;
        std::vector<QPoint> points;
    } cases[] = {
        { "axis-parallel", { 400, 200 }, { 350, 150 },
            pts({ { 200, 200 }, { 200, 172 }, { 245, 150 }, { 300, 150 }, { 355, 150 }, { 400, 172 }, { 400, 200 },
                { 400, 228 }, { 355, 250 }, { 300, 250 }, { 245, 250 }, { 200, 228 }, { 200, 200 } }) },
        { "turned a quarter: main axis upwards", { 300, 100 }, { 350, 200 },
            pts({ { 300, 300 }, { 272, 300 }, { 250, 255 }, { 250, 200 }, { 250, 145 }, { 272, 100 }, { 300, 100 },
                { 328, 100 }, { 350, 145 }, { 350, 200 }, { 350, 255 }, { 328, 300 }, { 300, 300 } }) },
        { "P3 on the main axis gives a flat ellipse", { 400, 200 }, { 350, 200 },
            pts({ { 200, 200 }, { 200, 200 }, { 245, 200 }, { 300, 200 }, { 355, 200 }, { 400, 200 }, { 400, 200 },
                { 400, 200 }, { 355, 200 }, { 300, 200 }, { 245, 200 }, { 200, 200 }, { 200, 200 } }) },
    };
    for (const Case& c : cases) {
        const Outline o = outlineOf(kinds::kEllipse, entriesOf({ { 300, 200 }, c.p2, c.p3 }));
        EXPECT_EQ(o.primitive, P::FilledBezier) << c.name;
        EXPECT_EQ(o.points, c.points) << c.name;
    }
    // Beyond the main axis's end, P3 still measures its distance from the axis line.
    const Outline beyond = outlineOf(kinds::kEllipse, entriesOf({ { 300, 200 }, { 400, 200 }, { 450, 170 } }));
    EXPECT_EQ(beyond.points[3], QPoint(300, 170));
    EXPECT_EQ(beyond.box.top, 170);
    EXPECT_EQ(beyond.box.bottom, 230);
    EXPECT_EQ(beyond.box.left, 200);
    EXPECT_EQ(beyond.box.right, 400);
}

TEST(StraightShapes, VariantsAndPointCounts)
{
    const auto tri = entriesOf({ { 0, 0 }, { 10, 0 }, { 5, 8 } });
    struct Case {
        const char* name;
        std::vector<DeviceEntry> entries;
        int variant;
        P primitive;
        std::vector<QPoint> points;
    } cases[] = {
        { "one anchor", entriesOf({ { 1, 1 } }), 2, P::Nothing, {} },
        { "two anchors make a segment", entriesOf({ { 1, 1 }, { 9, 9 } }), 2, P::Segment, pts({ { 1, 1 }, { 9, 9 } }) },
        { "open", tri, 0, P::Polyline, pts({ { 0, 0 }, { 10, 0 }, { 5, 8 } }) },
        { "closed appends the first", tri, 1, P::Polyline, pts({ { 0, 0 }, { 10, 0 }, { 5, 8 }, { 0, 0 } }) },
        { "closed does not repeat an equal last point", entriesOf({ { 0, 0 }, { 10, 0 }, { 5, 8 }, { 0, 0 } }), 1,
            P::Polyline, pts({ { 0, 0 }, { 10, 0 }, { 5, 8 }, { 0, 0 } }) },
        { "solid", tri, 2, P::Polygon, pts({ { 0, 0 }, { 10, 0 }, { 5, 8 } }) },
    };
    for (const Case& c : cases) {
        const Outline o = outlineOf(kinds::kSpline, c.entries, 0, c.variant);
        EXPECT_EQ(o.primitive, c.primitive) << c.name;
        EXPECT_EQ(o.points, c.points) << c.name;
    }
}

TEST(Corners, SquareLiesLeftOfTheClickedSideAndRectangleSnapsItsThirdClick)
{
    using Corners = std::array<QPoint, 4>;
    EXPECT_EQ(squareCorners({ 0, 0 }, { 10, 0 }), (Corners { { { 0, 0 }, { 10, 0 }, { 10, -10 }, { 0, -10 } } }));
    EXPECT_EQ(squareCorners({ 0, 0 }, { 0, 10 }), (Corners { { { 0, 0 }, { 0, 10 }, { 10, 10 }, { 10, 0 } } }));
    struct Case {
        QPoint a, b, c;
        Corners corners;
    } cases[] = {
        { { 0, 0 }, { 100, 0 }, { 130, 40 }, { { { 0, 0 }, { 100, 0 }, { 100, 40 }, { 0, 40 } } } },
        { { 0, 0 }, { 0, 100 }, { 40, 130 }, { { { 0, 0 }, { 0, 100 }, { 40, 100 }, { 40, 0 } } } },
        // Steep perpendicular (about 117 degrees): the third click keeps its y.
        { { 0, 0 }, { 100, -50 }, { 130, 0 }, { { { 0, 0 }, { 100, -50 }, { 125, 0 }, { 25, 50 } } } },
        // Exactly diagonal (135 degrees) counts as shallow: it keeps its x.
        { { 0, 0 }, { 100, -100 }, { 150, -60 }, { { { 0, 0 }, { 100, -100 }, { 150, -50 }, { 50, 50 } } } },
        // Shallow perpendicular (about 153 degrees): it keeps its x.
        { { 0, 0 }, { 50, -100 }, { 30, -80 }, { { { 0, 0 }, { 50, -100 }, { 30, -110 }, { -20, -10 } } } },
    };
    for (const Case& k : cases)
        EXPECT_EQ(rectangleCorners(k.a, k.b, k.c), k.corners) << k.c.x() << "," << k.c.y();
}

TEST(Curves, OpenCurveControlPointsFollowTheBisectorRule)
{
    ItemList list;
    ItemRecord* curve = addShape(list, kinds::kCurve, { { 100, 300 }, { 200, 200 }, { 300, 300 } });
    curve->body.shapeVariant = kinds::kOpen;
    curve->body.curveTension = kDefaultCurveTension;
    placeControlPoints(*curve);
    const auto& e = curve->pointList;
    // 0.27614237 x 141.42 = 39.05 from each anchor; the tangent at the apex is
    // perpendicular to the (vertical) bisector; the ends point at their neighbours.
    EXPECT_EQ(QPoint(e[0].x(2), e[0].y(2)), QPoint(128, 272));
    EXPECT_EQ(QPoint(e[0].x(3), e[0].y(3)), QPoint(161, 200));
    EXPECT_EQ(QPoint(e[1].x(2), e[1].y(2)), QPoint(239, 200));
    EXPECT_EQ(QPoint(e[1].x(3), e[1].y(3)), QPoint(272, 272));
}

TEST(Curves, ClosedCurveIsARingClosedWithTheLastEntrysControls)
{
    ItemList list;
    ItemRecord* curve = addShape(list, kinds::kCurve, { { 0, 0 }, { 100, 0 }, { 100, 100 }, { 0, 100 } });
    curve->body.shapeVariant = kinds::kSolid;
    placeControlPoints(*curve);
    const auto& e = curve->pointList;
    // Every corner of a square ring gets a tangent at 45 degrees.
    EXPECT_EQ(QPoint(e[3].x(2), e[3].y(2)), QPoint(-20, 80));
    EXPECT_EQ(QPoint(e[3].x(3), e[3].y(3)), QPoint(-20, 20));
    std::vector<DeviceEntry> entries;
    for (const PointEntry& p : e)
        entries.push_back({ { p.x(0), p.y(0) }, { p.x(2), p.y(2) }, { p.x(3), p.y(3) } });
    const Outline o = outlineOf(kinds::kCurve, entries, 0, kinds::kSolid);
    EXPECT_EQ(o.primitive, P::FilledBezier);
    ASSERT_EQ(o.points.size(), 13u);
    EXPECT_EQ(o.points[10], QPoint(-20, 80));
    EXPECT_EQ(o.points[12], QPoint(0, 0));
}

TEST(Curves, ChainSkipsRepeatedAnchors)
{
    const QPoint a(0, 0), b(90, 0), c(90, 90), k(7, 7);
    struct Case {
        const char* name;
        std::vector<DeviceEntry> entries;
        int variant;
        P primitive;
        std::vector<QPoint> points;
    } cases[] = {
        { "two entries are one straight segment", { { a, k, k }, { b, k, k } }, 0, P::Segment, pts({ a, b }) },
        { "two equal entries draw nothing", { { a, k, k }, { a, k, k } }, 0, P::Nothing, {} },
        { "a repeated middle anchor lets the previous controls lead on", { { a, k, k }, { a, { 1, 1 }, { 1, 1 } }, { b, k, k } },
            0, P::Bezier, pts({ a, k, k, b }) },
        // A repeated last anchor used to leave two controls with no anchor after them.
        { "a repeated last anchor leaves a whole chain", { { a, k, k }, { b, k, k }, { b, k, k } }, 0, P::Bezier,
            pts({ a, k, k, b }) },
        { "closed chain after a repeated last anchor", { { a, k, k }, { b, k, k }, { b, { 3, 3 }, { 4, 4 } } }, 1,
            P::Bezier, pts({ a, k, k, b, { 3, 3 }, { 4, 4 }, a }) },
        { "closed three-point curve", { { a, k, k }, { b, k, k }, { c, { 3, 3 }, { 4, 4 } } }, 1, P::Bezier,
            pts({ a, k, k, b, k, k, c, { 3, 3 }, { 4, 4 }, a }) },
    };
    for (const Case& t : cases) {
        const Outline o = outlineOf(kinds::kCurve, t.entries, 0, t.variant);
        EXPECT_EQ(o.primitive, t.primitive) << t.name;
        EXPECT_EQ(o.points, t.points) << t.name;
    }
}

TEST(ShapeBox, GrowsTheOutlineBoxByTheHandleMargin)
{
    ItemList list;
    struct Case {
        const char* name;
        ItemRecord* item;
        int penWidth;
        int left, top, right, bottom;
    } cases[] = {
        { "circle", addShape(list, kinds::kCircle, { { 100, 100 }, { 130, 140 } }), 1, 46, 46, 154, 154 },
        { "a wide pen widens the margin", addShape(list, kinds::kCircle, { { 100, 100 }, { 130, 140 } }), 6, 44, 44,
            156, 156 },
        { "ellipse holds every rotation", addShape(list, kinds::kEllipse, { { 0, 0 }, { 30, 0 }, { 10, 50 } }), 1,
            -54, -54, 54, 54 },
        { "polygon of radius 0", addShape(list, kinds::kPolygon, { { 10, 10 }, { 10, 10 } }), 1, 5, 5, 15, 15 },
        { "star uses the larger radius", addShape(list, kinds::kStar, { { 0, 0 }, { 0, -10 }, { 0, 20 } }), 1, -24,
            -24, 24, 24 },
        { "quarter pie", addShape(list, kinds::kPie, { { 0, 0 }, { 100, 0 }, { 0, -50 } }), 1, -5, -106, 106, 5 },
        { "triangle", addShape(list, kinds::kTriangle, { { 0, 0 }, { 10, 0 }, { 5, 8 } }), 1, -4, -4, 14, 12 },
    };
    for (const Case& c : cases) {
        c.item->body.penWidth = c.penWidth;
        shapeBox(*c.item, ScreenMetrics {});
        const ItemBody& b = c.item->body;
        EXPECT_EQ(b.x1, c.left) << c.name;
        EXPECT_EQ(b.y1, c.top) << c.name;
        EXPECT_EQ(b.x2, c.right) << c.name;
        EXPECT_EQ(b.y2, c.bottom) << c.name;
        EXPECT_EQ(b.spanX, c.right - c.left) << c.name;
        EXPECT_EQ(b.length, int(std::lround(std::hypot(b.spanX, b.spanY)))) << c.name;
    }
}

TEST(ShapeBox, CurveBoxHoldsItsControlPoints)
{
    ItemList list;
    ItemRecord* curve = addShape(list, kinds::kCurve, { { 0, 0 }, { 100, 0 } });
    curve->pointList[0].set(2, 30, -70);
    curve->pointList[0].set(3, 70, 90);
    shapeBox(*curve, ScreenMetrics {});
    EXPECT_EQ(curve->body.minY, -74);
    EXPECT_EQ(curve->body.maxY, 94);
}

} // namespace
