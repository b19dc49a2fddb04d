#include "EffectsFixture.h"

#include "render/ShadeProfile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

using namespace effectsfixture;
using namespace renderfixture;

namespace {

struct Brightest {
    int level = -1;
    QPoint at; // the first, scanning row by row
    QPointF middle; // the middle of all pixels at that level
};

// The brightest grey pixels inside a rectangle.
Brightest brightestIn(const EffectsScene& s, const QRect& r)
{
    Brightest b;
    double sx = 0, sy = 0;
    int count = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            if (s.bitmap.pixel(x, y) == kWhite || s.level(x, y) < b.level)
                continue;
            if (s.level(x, y) > b.level) {
                b = { s.level(x, y), { x, y }, {} };
                sx = sy = count = 0;
            }
            sx += x, sy += y, ++count;
        }
    if (count)
        b.middle = QPointF(sx / count, sy / count);
    return b;
}

} // namespace

// Black at floor 127: the lift is round(0.75 x 128) = 96, and the rows run
// from about half of it at both rims to all of it in the middle.
TEST(Shading, ProfileOfAColour)
{
    struct Case {
        std::uint32_t colour;
        int floor;
        std::uint32_t middle, rim;
    };
    const Case cases[] = {
        { 0x000000, 127, 0x606060, 0x303030 },
        { 0x0000FF, 127, 0x0000FF, 0x00007F }, // saturated red: no lift
        { 0xFFFFFF, 127, 0xFFFFFF, 0x7F7F7F }, // white: no lift
        { 0x000000, 255, 0x000000, 0x000000 }, // floor 255: no shading at all
    };
    for (const Case& k : cases) {
        const std::vector<std::uint32_t> p = shadeProfile(201, k.floor, k.colour);
        ASSERT_EQ(p.size(), 201u);
        EXPECT_EQ(p[99], k.middle) << std::hex << k.colour; // sin(pi x 100 / 201) is nearly 1
        EXPECT_EQ(p[200], k.rim) << std::hex << k.colour; // sin(pi) is 0: the floor alone
    }
    EXPECT_TRUE(shadeProfile(0, 127, 0).empty());
}

TEST(Shading, ThinBodiesGetASofterCurve)
{
    // p = 36 / n: 3 for n = 12 (limited), 1.5 for n = 24 and more.
    const std::vector<std::uint32_t> thin = shadeProfile(12, 0, 0xFFFFFF);
    const double g = std::pow(std::sin(3.14159265358979 * 3 / 12), 3.0);
    EXPECT_EQ(int(thin[2] & 0xFF), int(std::nearbyint(255 * g)));
}

// A black circle of radius 50 at (150, 100), surface 127: the brightest
// point, grey 96, lies d / 6 = 16 pixels from the centre towards the light;
// the rim on the far side falls to about 48.
TEST(Shading, SphereIsBrightestTowardsTheLight)
{
    struct Case {
        int light;
        QPoint highlight, farRim, nearRim;
    };
    const Case cases[] = {
        { 0, { 134, 84 }, { 184, 134 }, { 117, 67 } },
        { 1, { 166, 84 }, { 116, 134 }, { 183, 67 } },
        { 2, { 134, 116 }, { 184, 66 }, { 117, 133 } },
        { 3, { 166, 116 }, { 116, 66 }, { 183, 133 } },
    };
    for (const Case& k : cases) {
        EffectsScene s(k.light);
        ItemRecord* circle = addShape(s.items, kinds::kCircle, { { 150, 100 }, { 200, 100 } }, 0x000000, -2);
        circle->body.surface = 127;
        s.paint(*circle);
        const Brightest b = brightestIn(s, QRect(95, 45, 110, 110));
        EXPECT_EQ(b.level, 96) << "light " << k.light;
        EXPECT_NEAR(b.middle.x(), k.highlight.x(), 1.0) << "light " << k.light;
        EXPECT_NEAR(b.middle.y(), k.highlight.y(), 1.0) << "light " << k.light;
        EXPECT_NEAR(s.level(k.farRim.x(), k.farRim.y()), 48, 4) << "light " << k.light;
        EXPECT_GT(s.level(k.nearRim.x(), k.nearRim.y()), 70) << "light " << k.light;
    }
}

// The shapes shaded through a disc: the brightest pixels lie on the side of
// the shape towards the light, and the shading spans many levels.
TEST(Shading, EveryRoundShapeIsBrightestTowardsTheLight)
{
    struct Case {
        const char* name;
        std::int32_t kind;
        std::initializer_list<QPoint> anchors;
        std::int32_t fill;
        double weightMm;
    };
    const auto corners = { QPoint(100, 40), QPoint(200, 40), QPoint(200, 160), QPoint(100, 160) };
    const Case cases[] = {
        { "ellipse", kinds::kEllipse, { { 150, 100 }, { 210, 100 }, { 150, 60 } }, -2, 0 },
        { "polygon", kinds::kPolygon, { { 150, 100 }, { 150, 40 } }, -2, 0 },
        { "star", kinds::kStar, { { 150, 100 }, { 150, 40 }, { 150, 75 } }, -2, 0 },
        // Nearly whole turns, so that their middles lie at their centres.
        { "pie", kinds::kPie, { { 150, 100 }, { 210, 100 }, { 210, 104 } }, -2, 0 },
        { "arc", kinds::kArc, { { 150, 100 }, { 210, 100 }, { 210, 104 } }, -1, 2.0 },
        { "triangle", kinds::kTriangle, { { 100, 160 }, { 150, 40 }, { 200, 160 } }, -2, 0 },
        { "spline", kinds::kSpline, corners, -2, 0 },
        { "curve", kinds::kCurve, corners, -2, 0 },
    };
    for (int light : { 0, 3 })
        for (const Case& k : cases) {
            EffectsScene s(light);
            ItemRecord* shape = addShape(s.items, k.kind, k.anchors, 0x000000, k.fill);
            shape->body.sides = 5;
            shape->body.lineWeight = k.weightMm;
            shape->body.surface = 127;
            s.paint(*shape);
            double sx = 0, sy = 0;
            int count = 0;
            std::set<int> levels;
            for (int y = 0; y < 200; ++y)
                for (int x = 0; x < 300; ++x)
                    if (s.bitmap.pixel(x, y) != kWhite) {
                        sx += x, sy += y, ++count;
                        levels.insert(s.level(x, y));
                    }
            ASSERT_GT(count, 0) << k.name;
            const Brightest b = brightestIn(s, QRect(0, 0, 300, 200));
            const QPointF towardsLight = (QPointF(sx / count, sy / count) - b.middle) * (light == 0 ? 1 : -1);
            EXPECT_GT(towardsLight.x(), 3) << k.name << ", light " << light;
            EXPECT_GT(towardsLight.y(), 3) << k.name << ", light " << light;
            EXPECT_GT(levels.size(), 20u) << k.name << ", light " << light;
            EXPECT_LE(b.level, 96) << k.name << ", light " << light;
        }
}

// An ellipse darkens faster across its short axis than along its long one,
// whether the short axis is the main axis or the one across it.
TEST(Shading, EllipseFallsOffFasterAcrossItsShortAxis)
{
    struct Case {
        const char* name;
        std::initializer_list<QPoint> anchors;
        QPoint highlight; // 1/6 of the box from its middle towards the light
        bool shortAxisVertical;
    };
    const Case cases[] = {
        { "wide: main axis longer", { { 150, 100 }, { 230, 100 }, { 150, 70 } }, { 124, 90 }, true },
        { "tall: main axis shorter", { { 150, 100 }, { 180, 100 }, { 150, 20 } }, { 140, 74 }, false },
    };
    for (const Case& k : cases) {
        EffectsScene s;
        ItemRecord* ellipse = addShape(s.items, kinds::kEllipse, k.anchors, 0x000000, -2);
        ellipse->body.surface = 127;
        s.paint(*ellipse);
        EXPECT_EQ(brightestIn(s, QRect(k.highlight - QPoint(2, 2), QSize(5, 5))).level, 96) << k.name;
        const int along = s.level(k.highlight.x() + 20, k.highlight.y());
        const int down = s.level(k.highlight.x(), k.highlight.y() + 20);
        const int across = k.shortAxisVertical ? down : along,
                  lengthwise = k.shortAxisVertical ? along : down;
        EXPECT_LT(across, lengthwise - 2) << k.name;
    }
}

TEST(Shading, FlatSurfaceOrSwitchesOffDrawFlat)
{
    struct Case {
        const char* name;
        int surface;
        bool show3D, openingPass, quick;
        bool shaded;
    };
    const Case cases[] = {
        { "round", 127, true, false, false, true },
        { "flat surface", 0, true, false, false, false },
        { "3-D switched off", 127, false, false, false, false },
        { "opening pass", 127, true, true, false, false },
        { "quick", 127, true, false, true, false },
    };
    for (const Case& k : cases) {
        EffectsScene s;
        s.view.show3D = k.show3D;
        s.view.openingPass = k.openingPass;
        ItemRecord* circle = addShape(s.items, kinds::kCircle, { { 150, 100 }, { 200, 100 } }, 0x000000, -2);
        circle->body.surface = std::uint8_t(k.surface);
        s.paint(*circle, k.quick);
        EXPECT_EQ(s.bitmap.pixel(150, 100) != 0, k.shaded) << k.name;
    }
}

// Squares and rectangles shade across the side from their second to their
// third corner, standing on the first side; with light from the top left the
// bright band leans to the upper or the left side, whichever way the corners run.
TEST(Shading, BoxBandLeansTowardsTheLight)
{
    struct Case {
        const char* name;
        std::int32_t kind;
        std::initializer_list<QPoint> corners;
        bool acrossY; // the band's rows run from top to bottom
    };
    const Case cases[] = {
        { "first side along the bottom", kinds::kSquare,
            { { 100, 150 }, { 200, 150 }, { 200, 50 }, { 100, 50 } }, true },
        { "first side down the left", kinds::kSquare,
            { { 100, 50 }, { 100, 150 }, { 200, 150 }, { 200, 50 } }, false },
        { "first side along the top", kinds::kSquare,
            { { 200, 50 }, { 100, 50 }, { 100, 150 }, { 200, 150 } }, true },
        { "first side up the right", kinds::kSquare, { { 200, 150 }, { 200, 50 }, { 100, 50 }, { 100, 150 } },
            false },
        { "rectangle turning the other way", kinds::kRectangle,
            { { 100, 50 }, { 200, 50 }, { 200, 150 }, { 100, 150 } }, true },
    };
    for (int light : { 0, 3 })
        for (const Case& k : cases) {
            EffectsScene s(light);
            ItemRecord* box = addShape(s.items, k.kind, k.corners, 0x000000, -2);
            box->body.surface = 127;
            s.paint(*box);
            // Along the middle line across the band.
            const QRect across = k.acrossY ? QRect(150, 52, 1, 97) : QRect(102, 100, 97, 1);
            const Brightest b = brightestIn(s, across);
            const int at = k.acrossY ? b.at.y() : b.at.x();
            const int towardsLight = k.acrossY ? 100 - at : 150 - at;
            EXPECT_EQ(towardsLight > 10, light == 0)
                << k.name << ", light " << light << ", brightest at " << at;
            EXPECT_EQ(towardsLight < -10, light == 3)
                << k.name << ", light " << light << ", brightest at " << at;
            // Darkest at the two long edges.
            const int edge = k.acrossY ? s.level(150, 51) : s.level(101, 100);
            EXPECT_LT(edge, b.level - 20) << k.name;
        }
}

// A 3 mm line is 11 pixels wide: its dashes shade across their width, the
// bright band above the middle with light from the top left.
TEST(Shading, WideLinesShadeAcrossTheirWidth)
{
    for (int light : { 0, 3 }) {
        EffectsScene s(light);
        ItemRecord* line = addLine(s.items, { 20, 100 }, { 280, 100 }, 0x000000, 0, 3.0);
        line->body.penWidth = 11;
        line->body.surface = 127;
        s.paint(*line);
        const Brightest b = brightestIn(s, QRect(150, 90, 1, 21));
        EXPECT_GE(b.level, 90) << "light " << light;
        EXPECT_EQ(b.at.y() < 100, light == 0) << "light " << light << ", brightest at " << b.at.y();
    }
}

TEST(Shading, NarrowLinesStayFlat)
{
    EffectsScene s;
    ItemRecord* line = addLine(s.items, { 20, 100 }, { 280, 100 }, 0x000000, 0, 0.5);
    line->body.penWidth = 3;
    line->body.surface = 127;
    s.paint(*line);
    for (int y = 98; y <= 102; ++y)
        EXPECT_NE(s.level(150, y), 96) << y;
    EXPECT_EQ(s.bitmap.pixel(150, 100), 0u);
}

// Light from the top left brightens the upper part of horizontal glyphs and
// the left part of glyphs standing on a baseline that points up.
TEST(Shading, TextBrightensTheSideTowardsTheLight)
{
    struct Case {
        int angle;
        int light;
        bool firstHalfBrighter; // upper half, or left half for upright baselines
    };
    const Case cases[] = { { 0, 0, true }, { 0, 3, false }, { 900, 0, true }, { 900, 3, false } };
    for (const Case& k : cases) {
        EffectsScene s(k.light);
        const bool upright = k.angle == 900;
        ItemRecord* text = upright ? addText(s.items, u"HHH", { 200, 190 }, { 200, 10 }, k.angle)
                                   : addText(s.items, u"HHH", { 40, 150 }, { 260, 150 }, k.angle);
        text->body.fontSize = 48;
        text->body.surface = 127;
        textBox(*text, kScreen);
        s.paint(*text);
        // Mean level of glyph pixels in each half of the glyphs' extent.
        QRect ink;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 300; ++x)
                if (s.bitmap.pixel(x, y) != kWhite)
                    ink = ink.united(QRect(x, y, 1, 1));
        ASSERT_FALSE(ink.isEmpty());
        long sum[2] = { 0, 0 }, count[2] = { 0, 0 };
        for (int y = ink.top(); y <= ink.bottom(); ++y)
            for (int x = ink.left(); x <= ink.right(); ++x)
                if (s.bitmap.pixel(x, y) != kWhite) {
                    const int half = upright ? (x > ink.center().x()) : (y > ink.center().y());
                    sum[half] += s.level(x, y);
                    ++count[half];
                }
        ASSERT_GT(count[0] * count[1], 0);
        const double first = double(sum[0]) / count[0], second = double(sum[1]) / count[1];
        EXPECT_EQ(first > second, k.firstHalfBrighter)
            << "angle " << k.angle << ", light " << k.light << ": " << first << " against " << second;
    }
}
