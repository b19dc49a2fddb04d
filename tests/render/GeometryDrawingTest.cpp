#include "GeometryTestSupport.h"

#include "platform/Bitmap24.h"
#include "platform/DrawSurface.h"
#include "render/ShapeConstruction.h"
#include "render/ShapeDrawing.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace geometrytest;

constexpr std::uint32_t kWhite = 0xffffff;
constexpr std::int32_t kRed = 0x0000ff;
constexpr std::int32_t kBlue = 0xff0000;

struct Probe {
    QPoint at;
    std::uint32_t colour;
};

struct Case {
    const char* name;
    std::int32_t kind;
    std::initializer_list<QPoint> anchors;
    std::int32_t fill;
    int variant;
    int penWidth;
    std::vector<Probe> probes;
};

Bitmap24 drawOne(const Case& c)
{
    ItemList list;
    ItemRecord* item = addShape(list, c.kind, c.anchors);
    item->body.lineColor = kRed;
    item->body.fillColor = c.fill;
    item->body.shapeVariant = c.variant;
    item->body.sides = 5;
    if (c.kind == kinds::kCurve)
        placeControlPoints(*item);
    Bitmap24 b(100, 100);
    b.fill(kWhite);
    DrawSurface surface(b);
    drawShape(surface, *item, DeviceMapping {}, c.penWidth);
    return b;
}

TEST(ShapeDrawing, FillRulesAndOpenVariants)
{
    const auto square = { QPoint(20, 20), QPoint(80, 20), QPoint(80, 80), QPoint(20, 80) };
    const std::uint32_t red = kRed, blue = kBlue;
    const Case cases[] = {
        // "Solid": filled with the line colour and outlined 1 pixel wide whatever the weight.
        { "solid fill", kinds::kRectangle, square, -2, 2, 5,
            { { { 50, 50 }, red }, { { 20, 50 }, red }, { { 18, 50 }, kWhite } } },
        { "clear", kinds::kRectangle, square, -1, 2, 5,
            { { { 50, 50 }, kWhite }, { { 18, 50 }, red }, { { 22, 50 }, red } } },
        { "coloured", kinds::kRectangle, square, kBlue, 2, 5,
            { { { 50, 50 }, blue }, { { 18, 50 }, red }, { { 23, 50 }, blue } } },
        { "open spline is never filled", kinds::kSpline, square, kBlue, 0, 1,
            { { { 50, 50 }, kWhite }, { { 20, 50 }, kWhite }, { { 80, 50 }, red } } },
        { "closed spline is outlined, not filled", kinds::kSpline, square, kBlue, 1, 1,
            { { { 50, 50 }, kWhite }, { { 20, 50 }, red } } },
        { "two anchors: a 1-pixel segment for solid fills", kinds::kSpline, { { 10, 50 }, { 90, 50 } }, -2, 2,
            5, { { { 50, 50 }, red }, { { 50, 48 }, kWhite } } },
        { "two anchors: a weighted segment otherwise", kinds::kSpline, { { 10, 50 }, { 90, 50 } }, -1, 2, 5,
            { { { 50, 48 }, red } } },
        { "circle", kinds::kCircle, { { 50, 50 }, { 80, 50 } }, kBlue, 2, 1,
            { { { 50, 50 }, blue }, { { 20, 50 }, red }, { { 79, 50 }, red }, { { 80, 50 }, kWhite } } },
        { "ellipse is traced and filled", kinds::kEllipse, { { 50, 50 }, { 90, 50 }, { 50, 30 } }, kBlue, 2,
            1, { { { 50, 50 }, blue }, { { 50, 40 }, blue }, { { 50, 25 }, kWhite } } },
        { "clear ellipse", kinds::kEllipse, { { 50, 50 }, { 90, 50 }, { 50, 30 } }, -1, 2, 1,
            { { { 50, 50 }, kWhite } } },
        { "star", kinds::kStar, { { 50, 50 }, { 50, 10 }, { 50, 35 } }, kBlue, 2, 1,
            { { { 50, 50 }, blue }, { { 50, 20 }, blue }, { { 30, 20 }, kWhite } } },
        { "pie fills its wedge only", kinds::kPie, { { 50, 50 }, { 90, 50 }, { 50, 10 } }, kBlue, 2, 1,
            { { { 60, 40 }, blue }, { { 40, 60 }, kWhite }, { { 40, 40 }, kWhite } } },
        { "arc is an open polyline", kinds::kArc, { { 50, 50 }, { 90, 50 }, { 50, 10 } }, kBlue, 2, 1,
            { { { 60, 40 }, kWhite }, { { 51, 10 }, red } } },
        { "oblong is filled", kinds::kCurve, { { 20, 20 }, { 80, 20 }, { 80, 80 }, { 20, 80 } }, kBlue, 2, 1,
            { { { 50, 50 }, blue } } },
        { "closed curve is not", kinds::kCurve, { { 20, 20 }, { 80, 20 }, { 80, 80 }, { 20, 80 } }, kBlue, 1,
            1, { { { 50, 50 }, kWhite } } },
    };
    for (const Case& c : cases) {
        const Bitmap24 b = drawOne(c);
        for (const Probe& p : c.probes)
            EXPECT_EQ(b.pixel(p.at.x(), p.at.y()), p.colour)
                << c.name << " at " << p.at.x() << "," << p.at.y();
    }
}

// A thin outline passes through every corner, the rightmost and the lowest
// included; an open one leaves out only its very last point.
TEST(ShapeDrawing, ThinOutlinesKeepTheirExtremeCorners)
{
    const std::uint32_t red = kRed;
    const Case cases[] = {
        { "square", kinds::kSquare, { { 20, 20 }, { 60, 20 }, { 60, 60 }, { 20, 60 } }, -1, 2, 1,
            { { { 60, 20 }, red }, { { 60, 60 }, red }, { { 20, 60 }, red }, { { 61, 60 }, kWhite },
                { { 60, 61 }, kWhite } } },
        { "square on its corner", kinds::kSquare, { { 50, 10 }, { 90, 50 }, { 50, 90 }, { 10, 50 } }, -1, 2,
            1, { { { 90, 50 }, red }, { { 50, 90 }, red }, { { 91, 50 }, kWhite }, { { 50, 91 }, kWhite } } },
        // Five tips from (90, 50); the lowest is the tip at 288 degrees.
        { "star", kinds::kStar, { { 50, 50 }, { 90, 50 }, { 50, 40 } }, -1, 2, 1,
            { { { 90, 50 }, red }, { { 62, 88 }, red }, { { 91, 50 }, kWhite }, { { 62, 89 }, kWhite } } },
        { "pie of three quarters", kinds::kPie, { { 50, 50 }, { 90, 50 }, { 50, 90 } }, -1, 2, 1,
            { { { 90, 50 }, red }, { { 50, 90 }, red }, { { 50, 50 }, red }, { { 91, 50 }, kWhite },
                { { 50, 91 }, kWhite } } },
        // Counter-clockwise from (90, 50) over the top to (50, 90), which is its last point.
        { "arc of three quarters", kinds::kArc, { { 50, 50 }, { 90, 50 }, { 50, 90 } }, -1, 0, 1,
            { { { 90, 50 }, red }, { { 10, 50 }, red }, { { 49, 90 }, red }, { { 50, 90 }, kWhite } } },
    };
    for (const Case& c : cases) {
        const Bitmap24 b = drawOne(c);
        for (const Probe& p : c.probes)
            EXPECT_EQ(b.pixel(p.at.x(), p.at.y()), p.colour)
                << c.name << " at " << p.at.x() << "," << p.at.y();
    }
}

TEST(ShapeDrawing, ShapesOutsideTheBitmapOrDegenerateDrawNothingHarmful)
{
    const Case cases[] = {
        { "far away", kinds::kPolygon, { { 2000000000, 2000000000 }, { -2000000000, -2000000000 } }, kBlue, 2,
            3, {} },
        { "radius 0", kinds::kCircle, { { 50, 50 }, { 50, 50 } }, kBlue, 2, 1, {} },
        { "no points", kinds::kTriangle, {}, kBlue, 2, 1, { { { 50, 50 }, kWhite } } },
    };
    for (const Case& c : cases) {
        const Bitmap24 b = drawOne(c);
        for (const Probe& p : c.probes)
            EXPECT_EQ(b.pixel(p.at.x(), p.at.y()), p.colour) << c.name;
    }
}

} // namespace

// A star of a million spikes whose corners lie millions of pixels out took
// minutes to fill; corners closer than half a pixel within sight are dropped.
TEST(RingDetail, CornersTooDenseToSeeAreLeftOut)
{
    struct Case {
        int sides;
        double radius, reach;
        int drawn;
    };
    const Case cases[] = {
        { 12, 50, 800, 12 }, // ordinary shapes keep every corner
        { 1024000, 50, 800, 629 }, // a small ring: 4 pi r
        { 1024000, 6619254, 760, 9551 }, // huge ring seen close to its centre
        { 1024000, 2e9, 760, 9551 }, // a ring far out of sight needs no more
        { 1024000, 0, 760, 3 }, // a point: three corners draw the same dot
    };
    for (const Case& c : cases)
        EXPECT_EQ(drawnSides(c.sides, c.radius, c.reach), c.drawn) << c.radius;
    EXPECT_EQ(drawnSides(1024000, 6619254, std::numeric_limits<double>::infinity()), 1024000);
}

// A ring whose centre lies far outside the target keeps only the corners of
// edges that may reach it, with the centre standing in for the rest.
TEST(RingDetail, RingsFromFarAwayKeepOnlyTheCornersThatReachTheTarget)
{
    const QRect area(-10, -10, 220, 220);
    const auto entries = entriesOf({ { 100, -1000000000 }, { 100, 100 }, { 100, 90 } });
    Outline star;
    buildOutline(star, kinds::kStar, entries.data(), 3, 1000000, 2, &area);
    ASSERT_EQ(star.primitive, Outline::Primitive::Polygon);
    EXPECT_LT(star.points.size(), 20u) << "of two million corners";
    EXPECT_EQ(star.points.front(), QPoint(100, 100)) << "the first tip reaches the target";
    EXPECT_EQ(std::count(star.points.begin(), star.points.end(), QPoint(100, -1000000000)), 1);

    Outline near;
    buildOutline(near, kinds::kStar, entries.data(), 3, 1000000, 2, nullptr);
    EXPECT_EQ(near.points.size(), 2000000u) << "without a target every corner is kept";
}
