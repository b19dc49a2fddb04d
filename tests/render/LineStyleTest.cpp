#include "model/ItemBody.h"
#include "model/ItemKinds.h"
#include "model/ItemList.h"
#include "model/ItemRecord.h"
#include "base/ScreenMetrics.h"
#include "platform/Bitmap24.h"
#include "platform/DrawSurface.h"
#include "render/LineStyle.h"

#include <gtest/gtest.h>

#include <string>

#include <vector>

namespace {

constexpr ScreenMetrics kScreen {}; // 96 dpi
constexpr std::uint32_t kWhite = 0xffffff;
constexpr std::int32_t kRed = 0x0000ff;
constexpr std::int32_t kBlue = 0xff0000;

class LineStyle : public ::testing::Test {
protected:
    ItemRecord* line(int pattern, double weight, double outline = 0.0, std::int32_t fill = -2)
    {
        ItemRecord* r = createItem(drawing, kinds::kLine);
        r->body.pattern = pattern;
        r->body.lineWeight = weight;
        r->body.outlineWeight = outline;
        r->body.fillColor = fill;
        r->body.lineColor = kRed;
        r->body.penWidth = weightToPixels(1, weight, kScreen);
        r->body.surface = 0;
        return r;
    }

    void definePattern(std::int32_t id, std::vector<double> mm, int count = -1)
    {
        ItemRecord* r = createItem(drawing, kinds::kLine);
        r->body.recordClass = kinds::kClassPattern;
        r->body.kind = id;
        for (std::size_t i = 0; i < mm.size(); ++i)
            writeAt(&r->body, overlay::kPatternLengths + 8 * int(i), mm[i]);
        writeAt<std::int32_t>(&r->body, overlay::kPatternCount, count < 0 ? int(mm.size()) : count);
    }

    static std::vector<int> lengthsOf(const DashList& d)
    {
        return std::vector<int>(d.lengths.begin(), d.lengths.begin() + d.count);
    }

    // Draws a horizontal line from (x1, y) to (x2, y) on a white 240 x 160 bitmap.
    Bitmap24 render(ItemRecord* item, QPoint s, QPoint e, double zoom = 1.0)
    {
        item->body.x1 = s.x(), item->body.y1 = s.y(), item->body.x2 = e.x(), item->body.y2 = e.y();
        item->body.lineAngle = lineAngleOf(s.x(), s.y(), e.x(), e.y());
        Bitmap24 b(240, 160);
        b.fill(kWhite);
        DrawSurface surface(b);
        drawLine(surface, *item, s, e, buildDashList(*item, drawing, zoom, kScreen), zoom, kScreen);
        return b;
    }

    ItemList drawing;
};

TEST_F(LineStyle, WeightToPixelsNeverGoesBelowTheRoundedZoom)
{
    struct Case {
        double zoom, mm;
        int pixels;
    } cases[] = { { 1, 0.0, 1 }, { 1, 0.5, 2 }, { 1, 1.0, 4 }, { 1, 3.0, 11 }, { 3, 0.1, 3 }, { 2, 3.0, 23 },
        { 0.5, 1.0, 2 } };
    for (const Case& c : cases)
        EXPECT_EQ(weightToPixels(c.zoom, c.mm, kScreen), c.pixels) << c.zoom << " x " << c.mm;
}

TEST_F(LineStyle, DashListsScaleWithWeightAndZoom)
{
    definePattern(-5, { 2.0, 1.0, 0.5 });
    definePattern(-5, { 9.0, 9.0 }); // a later definition of the same id is not used
    definePattern(-7, { 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 }, 40);
    definePattern(-8, { 0.0, 0.0 });
    definePattern(-9, { 0.1, 0.1 });
    definePattern(0, { 1.0, 1.0 });
    const std::vector<int> solid { 2147483647 };
    struct Case {
        const char* name;
        int pattern;
        double weight, zoom;
        std::vector<int> lengths;
    } cases[] = {
        { "Dash 1 mm", 2, 1.0, 1.0, { 24, 8 } },
        { "Dash 1 mm at zoom 0.1 keeps its minimum sizes", 2, 1.0, 0.1, { 6, 2 } },
        { "Dot thin", 1, 0.0, 1.0, { 1, 2 } },
        { "Dot thin at zoom 0.1", 1, 0.0, 0.1, { 1, 1 } },
        { "Center 1 mm", 3, 1.0, 1.0, { 24, 8, 8, 8 } },
        { "Center thin widens its short spaces to 3", 3, 0.0, 1.0, { 6, 3, 2, 3 } },
        { "Phantom 0.5 mm at zoom 2", 4, 0.5, 2.0, { 24, 8, 8, 8, 8, 8 } },
        { "unknown built-in is solid", 9, 1.0, 1.0, solid },
        { "\"Solid\" also looks for a definition with id 0", 0, 1.0, 1.0, { 4, 4 } },
        { "user pattern in pixels", -5, 1.0, 1.0, { 8, 4, 2 } },
        { "user pattern at zoom 1.5", -5, 1.0, 1.5, { 12, 6, 3 } },
        { "user pattern at zoom 0.5", -5, 1.0, 0.5, { 4, 2, 1 } },
        { "count above 12 is cut to 12", -7, 1.0, 1.0, std::vector<int>(12, 4) },
        { "missing definition is solid", -6, 1.0, 1.0, solid },
        { "all-zero definition is solid", -8, 1.0, 1.0, solid },
        { "definition too fine for the zoom is solid", -9, 1.0, 0.5, solid },
    };
    for (const Case& c : cases) {
        ItemRecord* item = line(c.pattern, c.weight);
        EXPECT_EQ(lengthsOf(buildDashList(*item, drawing, c.zoom, kScreen)), c.lengths) << c.name;
    }
}

TEST_F(LineStyle, ConstrainToDirectionKeepsTheDominantCoordinate)
{
    const QPoint a(100, 100);
    struct Case {
        double degrees;
        QPoint mouse, placed;
    } cases[] = {
        { -1, { 150, 130 }, { 150, 130 } },
        { 0, { 150, 130 }, { 150, 100 } },
        { 180, { 150, 130 }, { 150, 100 } },
        { 90, { 150, 130 }, { 100, 130 } },
        { 270, { 150, 130 }, { 100, 130 } },
        { 45, { 150, 130 }, { 150, 50 } }, // follows the mouse's x
        { 30, { 150, 130 }, { 150, 71 } },
        { 60, { 150, 130 }, { 83, 130 } },
        { 300, { 150, 130 }, { 117, 130 } },
    };
    for (const Case& c : cases) {
        QPoint p = c.mouse;
        constrainToDirection(a, p, c.degrees);
        EXPECT_EQ(p, c.placed) << c.degrees;
    }
}

TEST_F(LineStyle, DashRectanglesStayAxisParallelAndExactlyWide)
{
    using Corners = std::array<QPoint, 4>;
    constexpr double pi = 3.14159265358979323846;
    struct Case {
        QPoint c, d;
        double t;
        int width;
        Corners corners;
    } cases[] = {
        { { 10, 20 }, { 30, 20 }, 0, 4, { { { 10, 18 }, { 30, 18 }, { 30, 22 }, { 10, 22 } } } },
        { { 10, 20 }, { 30, 20 }, 0, 5, { { { 10, 18 }, { 30, 18 }, { 30, 23 }, { 10, 23 } } } },
        { { 30, 20 }, { 10, 20 }, pi, 5, { { { 30, 22 }, { 10, 22 }, { 10, 17 }, { 30, 17 } } } },
        { { 10, 30 }, { 10, 10 }, pi / 2, 4, { { { 8, 30 }, { 8, 10 }, { 12, 10 }, { 12, 30 } } } },
        { { 10, 10 }, { 10, 30 }, 3 * pi / 2, 3, { { { 12, 10 }, { 12, 30 }, { 9, 30 }, { 9, 10 } } } },
        { { 0, 0 }, { 10, -10 }, pi / 4, 4, { { { -1, -1 }, { 9, -11 }, { 11, -9 }, { 1, 1 } } } },
    };
    for (const Case& k : cases)
        EXPECT_EQ(dashRectangle(k.c, k.d, k.t, k.width), k.corners) << k.t << " " << k.width;
}

TEST_F(LineStyle, DashesAreLaidFromTheStartAndTheLastIsCutAtTheEnd)
{
    // "Dash" at 1 mm: 4 pixels wide, dashes of 24 and spaces of 8.
    const Bitmap24 b = render(line(2, 1.0), { 10, 50 }, { 90, 50 });
    struct Probe {
        int x;
        bool ink;
    } probes[] = { { 10, true }, { 34, true }, { 38, false }, { 42, true }, { 66, true }, { 70, false },
        { 74, true }, { 90, true }, { 91, false } };
    for (const Probe& p : probes)
        EXPECT_EQ(b.pixel(p.x, 50) == std::uint32_t(kRed), p.ink) << p.x;
    EXPECT_EQ(b.pixel(20, 48), std::uint32_t(kRed));
    EXPECT_EQ(b.pixel(20, 52), std::uint32_t(kRed));
    EXPECT_EQ(b.pixel(20, 47), kWhite);
    EXPECT_EQ(b.pixel(20, 53), kWhite);
}

TEST_F(LineStyle, ASpaceReachingTheEndDrawsNothingMore)
{
    const Bitmap24 b = render(line(2, 1.0), { 10, 50 }, { 100, 50 });
    EXPECT_EQ(b.pixel(98, 50), std::uint32_t(kRed));
    EXPECT_EQ(b.pixel(99, 50), kWhite);
    EXPECT_EQ(b.pixel(100, 50), kWhite);
}

TEST_F(LineStyle, ThinDotsAreSinglePixels)
{
    const Bitmap24 b = render(line(1, 0.0), { 10, 60 }, { 40, 60 });
    for (int x = 10; x < 40; ++x)
        EXPECT_EQ(b.pixel(x, 60) == std::uint32_t(kRed), (x - 10) % 3 == 0) << x;
    EXPECT_EQ(b.pixel(20, 59), kWhite);
}

// Thin dots and dashes are laid from the line's start whichever way it runs.
TEST_F(LineStyle, ThinDotsAndDashesStartAtTheStartInEveryDirection)
{
    struct Direction {
        const char* name;
        QPoint start, step;
    } directions[] = {
        { "rightward", { 10, 60 }, { 1, 0 } },
        { "leftward", { 40, 60 }, { -1, 0 } },
        { "downward", { 60, 10 }, { 0, 1 } },
        { "upward", { 60, 40 }, { 0, -1 } },
    };
    struct Pattern {
        std::int32_t pattern;
        int period, ink; // thin: dots 1 on 2 off, dashes 6 on 2 off
    } patterns[] = { { 1, 3, 1 }, { 2, 8, 6 } };
    for (const Pattern& p : patterns)
        for (const Direction& d : directions) {
            SCOPED_TRACE(std::string(d.name) + " pattern " + std::to_string(p.pattern));
            const QPoint end = d.start + 30 * d.step;
            const Bitmap24 b = render(line(p.pattern, 0.0), d.start, end);
            for (int k = 0; k < 30; ++k) {
                const QPoint at = d.start + k * d.step;
                EXPECT_EQ(b.pixel(at.x(), at.y()) == std::uint32_t(kRed), k % p.period < p.ink) << k;
            }
            EXPECT_EQ(b.pixel(end.x(), end.y()), kWhite);
        }
}

TEST_F(LineStyle, HollowLinesShowOutlineBandsAroundTheirInterior)
{
    // 3 mm with a 0.5 mm outline: 11 pixels wide with 2-pixel bands.
    struct Case {
        const char* name;
        double outline;
        std::int32_t fill;
        std::uint32_t centre;
    } cases[] = {
        { "clear interior shows the background", 0.5, -1, kWhite },
        { "solid fill looks like a solid line", 0.5, -2, std::uint32_t(kRed) },
        { "coloured interior", 0.5, kBlue, std::uint32_t(kBlue) },
        { "an outline of half the width or more makes the line solid", 2.0, -1, std::uint32_t(kRed) },
    };
    for (const Case& c : cases) {
        const Bitmap24 b = render(line(0, 3.0, c.outline, c.fill), { 20, 100 }, { 120, 100 });
        EXPECT_EQ(b.pixel(70, 100), c.centre) << c.name;
        EXPECT_EQ(b.pixel(70, 94), std::uint32_t(kRed)) << c.name;
        EXPECT_EQ(b.pixel(70, 95), std::uint32_t(kRed)) << c.name;
        EXPECT_EQ(b.pixel(70, 104), std::uint32_t(kRed)) << c.name;
        EXPECT_EQ(b.pixel(21, 100), std::uint32_t(kRed)) << c.name;
        EXPECT_EQ(b.pixel(119, 100), std::uint32_t(kRed)) << c.name;
        EXPECT_EQ(b.pixel(70, 93), kWhite) << c.name;
        EXPECT_EQ(b.pixel(70, 106), kWhite) << c.name;
    }
}

TEST_F(LineStyle, ZeroLengthLineDrawsOneFlatDash)
{
    const Bitmap24 b = render(line(2, 1.0), { 50, 50 }, { 50, 50 });
    EXPECT_EQ(b.pixel(50, 50), std::uint32_t(kRed));
    EXPECT_EQ(b.pixel(52, 50), kWhite);
}

TEST_F(LineStyle, HugeLineWithAFinePatternKeepsItsPhaseAndEnds)
{
    // Two billion pixels to the left of the bitmap: dots every 3 pixels from there.
    const Bitmap24 b = render(line(1, 0.0), { -2000000000, 60 }, { 2000000000, 60 });
    for (int x = 0; x < 12; ++x)
        EXPECT_EQ(b.pixel(x, 60) == std::uint32_t(kRed), x % 3 == 1) << x;
    EXPECT_EQ(b.pixel(239, 60) == std::uint32_t(kRed), 239 % 3 == 1);
}

} // namespace

#include "render/LineStyleWeights.h"

namespace {

TEST(LineWeights, SampleBarTurnsSilverOnlyWhenEveryChannelIsAbove250)
{
    EXPECT_EQ(sampleBarColour(0xfbfbfb), 0xc0c0c0u);
    EXPECT_EQ(sampleBarColour(0xffffff), 0xc0c0c0u);
    EXPECT_EQ(sampleBarColour(0xfbfbfa), 0xfbfbfau);
    EXPECT_EQ(sampleBarColour(0x0000ff), 0x0000ffu);
}

} // namespace
