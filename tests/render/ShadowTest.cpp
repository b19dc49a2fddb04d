#include "EffectsFixture.h"

#include "platform/DrawSurface.h"
#include "render/PaintTarget.h"
#include "render/ShadowCast.h"
#include "render/ShadowMask.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

using namespace effectsfixture;
using namespace renderfixture;

namespace {

// A black box from (100, 60) to (160, 120) with a shadow.
ItemRecord* shadowedBox(EffectsScene& s, int elevation, int fade, int lightness)
{
    ItemRecord* box = addBox(s.items, { 100, 60 }, { 160, 120 }, 0x000000);
    setShadow(*box, elevation, fade, lightness);
    return box;
}

} // namespace

// Elevation 30 is round(30 / 8.5) = 4 points: 4 pixels at 96 dots per inch.
// The screen rounds at zoom 1 before zooming; bitmaps zoom first.
TEST(Shadow, OffsetFollowsElevationZoomAndResolution)
{
    struct Case {
        int elevation;
        bool screen;
        double zoom;
        double dpi;
        int offset;
    };
    const Case cases[] = {
        { 30, true, 1.0, 96, 4 }, { 50, true, 1.0, 96, 6 }, // 5.88 points
        { 255, true, 1.0, 96, 30 }, { 30, true, 2.0, 96, 8 },
        { 30, false, 6.25, 96, 25 }, // a 600 dots-per-inch sheet
        { 30, true, 1.5, 110, 8 }, // round(4.58) = 5 pixels at zoom 1, then 7.5
        { 30, false, 1.5, 110, 7 }, // 6.875 pixels
    };
    ItemList items;
    addHeader(items);
    Bitmap24 bitmap(10, 10);
    DrawSurface surface(bitmap);
    ItemRecord* item = addBox(items, { 1, 1 }, { 5, 5 }, 0);
    for (const Case& k : cases) {
        setShadow(*item, k.elevation, 10, 100);
        const ScreenMetrics screen { k.dpi, k.dpi };
        PaintTarget t = k.screen ? PaintTarget::screen(surface, &items, screen, k.zoom, 0, 0)
                                 : PaintTarget::bitmap(surface, &items, screen, k.zoom, k.zoom, 0, 0);
        const ShadowCast cast = shadowCast(t, *item);
        EXPECT_EQ(cast.offset, k.offset)
            << k.elevation << " at " << k.zoom << (k.screen ? " on screen" : " on bitmap");
        EXPECT_NEAR(cast.spread, 4.0 / 3.0, 1e-9);
    }
}

TEST(Shadow, FallsAwayFromTheLight)
{
    struct Case {
        int light;
        QPoint shaded, clear; // a pixel beside the box in the shadow, one on the lit side
    };
    const Case cases[] = {
        { 0, { 162, 118 }, { 98, 62 } },
        { 1, { 98, 118 }, { 162, 62 } },
        { 2, { 162, 62 }, { 98, 118 } },
        { 3, { 98, 62 }, { 162, 118 } },
    };
    for (const Case& k : cases) {
        EffectsScene s(k.light);
        s.paint(*shadowedBox(s, 30, 0, 100));
        // White under a shadow of level 100 becomes 255 x 100 / 255.
        EXPECT_EQ(s.bitmap.pixel(k.shaded.x(), k.shaded.y()), 0x646464u) << "light " << k.light;
        EXPECT_EQ(s.bitmap.pixel(k.clear.x(), k.clear.y()), kWhite) << "light " << k.light;
        EXPECT_EQ(s.bitmap.pixel(130, 90), 0u) << "the box stays on top";
    }
}

// Fade 0 leaves the mask unblurred on the screen: only the shadow's level and
// white meet at its edge. A fade blurs it into intermediate levels.
TEST(Shadow, FadeSoftensTheEdge)
{
    for (int fade : { 0, 30 }) {
        EffectsScene s;
        s.paint(*shadowedBox(s, 30, fade, 100));
        std::set<int> levels;
        for (int x = 161; x < 190; ++x)
            levels.insert(s.level(x, 100));
        if (fade == 0)
            EXPECT_EQ(levels, (std::set<int> { 100, 255 }));
        else
            EXPECT_GT(levels.size(), 6u) << "fade " << fade;
    }
}

TEST(Shadow, LightnessSetsHowDarkTheCoreIs)
{
    for (int lightness : { 255, 0 }) {
        EffectsScene s;
        s.bitmap.fill(0x3366CC);
        s.paint(*shadowedBox(s, 30, 0, lightness));
        const std::uint32_t expected = lightness == 255 ? 0x3366CCu : 0u;
        EXPECT_EQ(s.bitmap.pixel(162, 118), expected) << "lightness " << lightness;
        EXPECT_EQ(s.bitmap.pixel(130, 123), expected) << "lightness " << lightness;
    }
}

// "Clear" shapes cast only their outline's shadow; "Solid" and colour fills
// a filled one.
TEST(Shadow, ClearShapesCastTheirOutlineOnly)
{
    for (std::int32_t fill : { -1, -2, 0x00FF00 }) {
        EffectsScene s;
        ItemRecord* box = shadowedBox(s, 50, 0, 100);
        box->body.fillColor = fill;
        s.paint(*box);
        // Offset 6: under the displaced interior, beside the box's own edge.
        EXPECT_EQ(s.level(150, 123) == 100, fill != -1) << "fill " << fill;
        EXPECT_EQ(s.level(166, 90), 100) << "the displaced right edge, fill " << fill;
    }
}

// Every shape kind casts its own outline: with fade 0 the shadow's far edges
// lie exactly the offset (6 at elevation 50) beyond the shape's, and nothing
// falls on the side of the light.
TEST(Shadow, EveryShapeKindCastsItsOutline)
{
    struct Case {
        const char* name;
        std::int32_t kind;
        std::initializer_list<QPoint> anchors;
        std::int32_t variant;
    };
    const auto corners = { QPoint(100, 60), QPoint(180, 60), QPoint(180, 140), QPoint(100, 140) };
    const Case cases[] = {
        { "triangle", kinds::kTriangle, { { 100, 140 }, { 140, 60 }, { 180, 140 } }, kinds::kSolid },
        { "square", kinds::kSquare, corners, kinds::kSolid },
        { "rectangle", kinds::kRectangle, corners, kinds::kSolid },
        { "circle", kinds::kCircle, { { 140, 100 }, { 180, 100 } }, kinds::kSolid },
        { "ellipse", kinds::kEllipse, { { 140, 100 }, { 180, 100 }, { 140, 75 } }, kinds::kSolid },
        { "polygon", kinds::kPolygon, { { 140, 100 }, { 140, 60 } }, kinds::kSolid },
        { "star", kinds::kStar, { { 140, 100 }, { 140, 60 }, { 140, 80 } }, kinds::kSolid },
        { "pie", kinds::kPie, { { 140, 100 }, { 180, 100 }, { 140, 60 } }, kinds::kSolid },
        { "arc", kinds::kArc, { { 140, 100 }, { 180, 100 }, { 140, 60 } }, kinds::kSolid },
        { "spline", kinds::kSpline, corners, kinds::kSolid },
        { "open spline", kinds::kSpline, corners, 0 },
        { "curve", kinds::kCurve, corners, kinds::kSolid },
    };
    for (const Case& k : cases) {
        EffectsScene s;
        ItemRecord* shape = addShape(s.items, k.kind, k.anchors, 0x000000, -2, k.variant);
        shape->body.sides = 5;
        setShadow(*shape, 50, 0, 100);
        s.paint(*shape);
        QRect ink, shadow;
        int otherLevels = 0;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 300; ++x) {
                const std::uint32_t p = s.bitmap.pixel(x, y);
                if (p == 0)
                    ink |= QRect(x, y, 1, 1);
                else if (p != kWhite)
                    shadow |= QRect(x, y, 1, 1);
                otherLevels += p != 0 && p != kWhite && p != 0x646464;
            }
        ASSERT_FALSE(ink.isEmpty()) << k.name;
        ASSERT_FALSE(shadow.isEmpty()) << k.name;
        EXPECT_EQ(shadow.right(), ink.right() + 6) << k.name;
        EXPECT_EQ(shadow.bottom(), ink.bottom() + 6) << k.name;
        EXPECT_GE(shadow.left(), ink.left()) << k.name;
        EXPECT_GE(shadow.top(), ink.top()) << k.name;
        EXPECT_EQ(otherLevels, 0) << k.name << ": a hard shadow has one level";
    }
}

TEST(Shadow, LinesCastTheirDashes)
{
    EffectsScene s;
    ItemRecord* line = addLine(s.items, { 20, 100 }, { 280, 100 }, 0x000000, 2, 1.0); // "Dash", 4-pixel width
    line->body.penWidth = 4;
    setShadow(*line, 30, 0, 100);
    s.paint(*line);
    // The dashes (24 on, 8 off) fall 4 pixels down and right.
    std::set<int> below;
    for (int x = 24; x < 60; ++x)
        below.insert(s.level(x, 105));
    EXPECT_EQ(below, (std::set<int> { 100, 255 }));
    EXPECT_EQ(s.level(30, 105), 100);
    EXPECT_EQ(s.level(54, 105), 255) << "under a gap";
}

// A clip with lightness 0 casts nothing, unlike a shape, for which 0 is black.
TEST(Shadow, ClipsCastOnlyWithLightness)
{
    for (int lightness : { 0, 100 }) {
        EffectsScene s;
        ItemRecord* clip = createItem(s.items, kinds::kClip);
        clip->body.x1 = 100;
        clip->body.y1 = 60;
        clip->body.x2 = 160;
        clip->body.y2 = 120;
        setShadow(*clip, 30, 0, std::uint8_t(lightness));
        placeOnTop(s.items, clip);
        s.paint(*clip);
        EXPECT_EQ(s.level(162, 118), lightness == 0 ? 255 : 100) << "lightness " << lightness;
    }
}

TEST(Shadow, TextLinesCastTheirGlyphs)
{
    EffectsScene s;
    ItemRecord* text = addText(s.items, u"HH", { 40, 150 }, { 200, 150 }, 0, 0x0000FF);
    text->body.fontSize = 48;
    textBox(*text, kScreen);
    setShadow(*text, 50, 0, 0);
    s.paint(*text);
    // Red glyphs over black shadows 6 pixels down and right: most black
    // pixels have a glyph pixel up and left of them.
    int black = 0, underGlyph = 0;
    for (int y = 60; y < 170; ++y)
        for (int x = 30; x < 200; ++x)
            if (s.bitmap.pixel(x, y) == 0) {
                ++black;
                underGlyph += s.bitmap.pixel(x - 6, y - 6) == 0x0000FF;
            }
    EXPECT_GT(black, 50);
    EXPECT_GT(underGlyph, black / 2);
}

// Every channel value c under every level v becomes c + round((v - 255) x c / 255).
TEST(Shadow, MaskLevelsMultiplyTheCanvas)
{
    Bitmap24 canvas(256, 256), mask(256, 256);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            canvas.setPixel(
                x, y, std::uint32_t(x) | std::uint32_t(255 - x) << 8 | std::uint32_t(x / 2) << 16);
            mask.setPixel(x, y, std::uint32_t(y) * 0x010101u);
        }
    blendShadow(canvas, mask, { 0, 0 });
    const auto expected = [](int c, int v) { return c + int(std::lround((v - 255) * c / 255.0)); };
    int wrong = 0;
    for (int v = 0; v < 256; ++v)
        for (int x = 0; x < 256; ++x) {
            const std::uint32_t p = canvas.pixel(x, v);
            wrong += int(p & 0xFF) != expected(x, v) || int(p >> 8 & 0xFF) != expected(255 - x, v)
                || int(p >> 16) != expected(x / 2, v) || canvas.scanLine(v)[4 * x + 3] != 0xFF;
        }
    EXPECT_EQ(wrong, 0);
}

TEST(Shadow, SwitchesLeaveItOut)
{
    struct Case {
        const char* name;
        bool showShadows, openingPass, quick;
        bool cast;
    };
    const Case cases[] = {
        { "shown", true, false, false, true },
        { "shadows switched off", false, false, false, false },
        { "opening pass", true, true, false, false },
        { "quick", true, false, true, false },
    };
    for (const Case& k : cases) {
        EffectsScene s;
        s.view.showShadows = k.showShadows;
        s.view.openingPass = k.openingPass;
        s.paint(*shadowedBox(s, 30, 0, 100), k.quick);
        EXPECT_EQ(s.level(162, 118), k.cast ? 100 : 255) << k.name;
    }
}

// Print and export always draw shadows. At 2 target pixels per canvas unit
// the offset doubles to 8, and even fade 0 is softened as much as one screen
// pixel would be.
TEST(Shadow, BitmapTargetsAlwaysCastThem)
{
    EffectsScene s;
    Bitmap24 sheet(600, 400);
    sheet.fill(kWhite);
    renderItemToBitmap(sheet, *shadowedBox(s, 30, 0, 100), s.items, kScreen, 0, 0, 2.0, 2.0);
    EXPECT_EQ(sheet.pixel(260, 180), 0u) << "the box";
    EXPECT_LT(sheet.pixel(325, 200) & 0xFF, 200u) << "its shadow beside it";
    EXPECT_EQ(sheet.pixel(340, 200), kWhite);
    EXPECT_EQ(sheet.pixel(195, 115), kWhite) << "towards the light";
    std::set<std::uint32_t> edge;
    for (int x = 318; x < 340; ++x)
        edge.insert(sheet.pixel(x, 200));
    EXPECT_GT(edge.size(), 4u) << "a softened edge";
}
