// The distances click selection measures, worked out by hand.
#include "base/ScreenMetrics.h"
#include "canvas/PickItem.h"
#include "canvas/SelectionDrag.h"
#include "model/ItemKinds.h"
#include "model/ItemList.h"
#include "model/ItemRecord.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

const ScreenMetrics kScreen { 96, 96 };

ItemRecord& shape(ItemList& list, std::int32_t kind, const std::vector<QPoint>& points, int variant = kinds::kSolid)
{
    ItemRecord& r = *createItem(list, kind);
    for (QPoint p : points) {
        PointEntry e;
        e.set(0, p.x(), p.y());
        r.pointList.push_back(e);
    }
    r.body.shapeVariant = variant;
    r.body.sides = 4;
    r.body.lineWeight = 0.0;
    return r;
}

TEST(PickDistance, FollowsTheRuleOfEachKind)
{
    struct Case {
        const char* name;
        std::int32_t kind;
        std::vector<QPoint> points;
        int variant;
        QPoint click;
        std::optional<double> expected;
    };
    const std::vector<Case> cases = {
        { "triangle side", kinds::kTriangle, { { 0, 0 }, { 100, 0 }, { 50, 80 } }, kinds::kSolid, { 40, -6 }, 6.0 },
        { "closing side of a closed spline", kinds::kSpline, { { 0, 0 }, { 100, 0 }, { 100, 100 } }, kinds::kClosed,
            { 50, 47 }, std::sqrt(5.0) }, // the foot rounds to (48, 48)
        { "open spline has no closing side", kinds::kSpline, { { 0, 0 }, { 100, 0 }, { 100, 100 } }, kinds::kOpen,
            { 50, 47 }, 47.0 },
        { "beyond a side's ends counts nothing", kinds::kSpline, { { 0, 0 }, { 100, 0 } }, kinds::kOpen,
            { 120, 3 }, std::nullopt },
        { "circle rim", kinds::kCircle, { { 200, 200 }, { 250, 200 } }, 0, { 200, 140 }, 10.0 - 0.5 },
        { "circle inside", kinds::kCircle, { { 200, 200 }, { 250, 200 } }, 0, { 200, 200 }, 50.0 - 0.5 },
        // Round axes: the rounded distance from the centre less the radius,
        // here -20, and never below 0.
        { "round ellipse", kinds::kEllipse, { { 0, 0 }, { 50, 0 }, { 0, 50 } }, 0, { 30, 0 }, 0.0 },
        { "round ellipse outside", kinds::kEllipse, { { 0, 0 }, { 50, 0 }, { 0, 50 } }, 0, { 62, 0 }, 11.5 },
        // a = 100, b = 60: foci at (+-80, 0); (0, 60) lies on it, (0, 70) by
        // (200 - 2 sqrt(80^2 + 70^2))^2 = 158.8, rounded 159.
        { "ellipse on its rim", kinds::kEllipse, { { 0, 0 }, { 100, 0 }, { 0, 60 } }, 0, { 0, 60 }, 0.0 },
        { "ellipse off its rim", kinds::kEllipse, { { 0, 0 }, { 100, 0 }, { 0, 60 } }, 0, { 0, 70 }, 159.0 - 0.5 },
        { "pie radius", kinds::kPie, { { 0, 0 }, { 100, 0 }, { 0, -100 } }, 0, { 50, 4 }, 4.0 },
        { "arc sample", kinds::kArc, { { 0, 0 }, { 100, 0 }, { 0, -100 } }, 0, { 0, -103 }, std::sqrt(13.0) }, // the last sample before the end is (2, -100)
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ItemList list;
        ItemRecord& r = shape(list, c.kind, c.points, c.variant);
        const std::optional<double> d = itemDistance(r, c.click, 1.0, kScreen);
        ASSERT_EQ(d.has_value(), c.expected.has_value());
        if (c.expected) {
            EXPECT_NEAR(*d, *c.expected, 0.01);
        }
    }
}

TEST(PickDistance, ALineCountsOnlyAlongItsLengthAndAtLeastOne)
{
    ItemList list;
    ItemRecord& line = *createItem(list, kinds::kLine);
    line.body.x1 = 0;
    line.body.y1 = 0;
    line.body.x2 = 100;
    line.body.y2 = 0;
    line.body.lineWeight = 0.0;
    EXPECT_DOUBLE_EQ(*itemDistance(line, { 50, 7 }, 1.0, kScreen), 7.0);
    EXPECT_DOUBLE_EQ(*itemDistance(line, { 50, 0 }, 1.0, kScreen), 1.0);
    EXPECT_FALSE(itemDistance(line, { 105, 0 }, 1.0, kScreen));
}

TEST(SettleAngle, WithinADegreeOfLevelIsLevel)
{
    constexpr double degree = std::numbers::pi / 180;
    struct Case {
        double in;
        double out;
    };
    const Case cases[] = { { 0.5 * degree, 0.0 }, { 1.5 * degree, 1.5 * degree }, { -0.5 * degree, 0.0 },
        { 358.5 * degree, 358.5 * degree }, { 361.5 * degree, 1.5 * degree } };
    for (const Case& c : cases)
        EXPECT_NEAR(settleAngle(c.in), c.out, 1e-9) << c.in / degree;
}

} // namespace
