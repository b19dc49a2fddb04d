#include "canvas/RulerPainter.h"
#include "canvas/RulerTicks.h"

#include <gtest/gtest.h>

namespace {

constexpr double kDpi = 96.0;

RulerStyle plainStyle()
{
    RulerStyle s;
    s.labelFont.setPixelSize(9);
    return s;
}

QImage pixelRuler(double zoom, int bandStart = 0, int length = 800)
{
    RulerView v;
    v.horizontal = true;
    v.length = length;
    v.bandStart = bandStart;
    v.bandLength = 100000;
    v.ticks = rulerTicks(1, zoom, true, kDpi / 25.4, kDpi);
    return paintRuler(v, plainStyle());
}

// The length of the tick at column x: how many rows above the bottom row
// (row 10; row 11 stays free) are tick-coloured without a gap.
int tickLength(const QImage& ruler, int x)
{
    const QRgb tick = plainStyle().tickColour.rgb();
    int n = 0;
    for (int y = ruler.height() - 2; y >= 0 && ruler.pixel(x, y) == tick; --y)
        ++n;
    return n;
}

// The same along the vertical ruler, whose ticks grow from its right edge.
int tickLengthVertical(const QImage& ruler, int y)
{
    const QRgb tick = plainStyle().tickColour.rgb();
    int n = 0;
    for (int x = ruler.width() - 2; x >= 0 && ruler.pixel(x, y) == tick; --x)
        ++n;
    return n;
}

} // namespace

TEST(Ruler, PixelTicksAtEachZoom)
{
    struct Case {
        double zoom;
        int x;
        int length; // 0: no tick there
    };
    const Case cases[] = {
        // 100 %: labels every 100 pixels, small ticks every 10.
        { 1.0, 100, 11 },
        { 1.0, 200, 11 },
        { 1.0, 10, 1 },
        { 1.0, 50, 1 },
        { 1.0, 5, 0 },
        { 1.0, 15, 0 },
        // 200 %: labels every 200, small ticks every 20 and every 10.
        { 2.0, 200, 11 },
        { 2.0, 20, 1 },
        { 2.0, 10, 1 },
        { 2.0, 30, 1 },
        { 2.0, 5, 0 },
        { 2.0, 100, 1 },
        // 25 %: labels every 25, small ticks every 5.
        { 0.25, 25, 11 },
        { 0.25, 50, 11 },
        { 0.25, 5, 1 },
        { 0.25, 20, 1 },
        { 0.25, 3, 0 },
        // 10 %: labels every 10, no small ticks.
        { 0.1, 10, 11 },
        { 0.1, 20, 11 },
        { 0.1, 5, 0 },
        { 0.1, 2, 0 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(tickLength(pixelRuler(c.zoom), c.x), c.length) << "zoom " << c.zoom << " x " << c.x;
}

TEST(Ruler, LabelsSitBesideMajorTicks)
{
    const QImage r = pixelRuler(1.0);
    const QRgb band = plainStyle().canvasColour.rgb();
    auto inked = [&](int x0, int x1) {
        for (int x = x0; x <= x1; ++x)
            for (int y = 0; y < 9; ++y)
                if (r.pixel(x, y) != band && tickLength(r, x) < 11)
                    return true;
        return false;
    };
    EXPECT_TRUE(inked(102, 118)); // "100"
    EXPECT_FALSE(inked(60, 95)); // nothing between labels but small ticks
}

TEST(Ruler, TicksOnlyOnTheCanvasBandAndNotAtItsEdge)
{
    RulerView v;
    v.length = 600;
    v.bandStart = 50;
    v.bandLength = 400;
    v.ticks = rulerTicks(1, 1.0, true, kDpi / 25.4, kDpi);
    const QImage r = paintRuler(v, plainStyle());
    const RulerStyle s = plainStyle();
    EXPECT_EQ(r.pixel(20, 10), s.outsideColour.rgb()); // silver left of the canvas
    EXPECT_EQ(r.pixel(50, 10), s.canvasColour.rgb()); // no tick at the edge
    EXPECT_EQ(tickLength(r, 150), 11); // 100 pixels from the edge
    EXPECT_EQ(tickLength(r, 60), 1);
    EXPECT_EQ(r.pixel(450, 10), s.outsideColour.rgb()); // the far edge is outside the band
    EXPECT_EQ(tickLength(r, 460), 0);
}

TEST(Ruler, CountingContinuesAlongAScrolledCanvas)
{
    // The canvas's edge lies 1650 pixels left of the view: the tick at
    // canvas pixel 1700 is at ruler pixel 50.
    const QImage r = pixelRuler(1.0, -1650);
    EXPECT_EQ(tickLength(r, 50), 11);
    EXPECT_EQ(tickLength(r, 60), 1);
    EXPECT_EQ(tickLength(r, 55), 0);
}

TEST(Ruler, InchAndMillimetreTicks)
{
    struct Case {
        int units;
        double zoom;
        bool horizontal;
        int at;
        int length;
    };
    const Case cases[] = {
        // Inches at 100 % and 96 dpi: 96 per inch, halves 8, quarters 4, eighths 1, no sixteenths.
        { 3, 1.0, true, 96, 11 },
        { 3, 1.0, true, 48, 8 },
        { 3, 1.0, true, 24, 4 },
        { 3, 1.0, true, 12, 1 },
        { 3, 1.0, true, 6, 0 },
        // Inches at 200 %: sixteenths appear.
        { 3, 2.0, true, 12, 1 },
        // Millimetres at 200 %, 75.6 -> 76 per centimetre: eighths on the horizontal ruler only.
        { 2, 2.0, true, 76, 11 },
        { 2, 2.0, true, 38, 4 },
        { 2, 2.0, true, 19, 1 },
        { 2, 2.0, true, 10, 1 },
        { 2, 2.0, false, 38, 4 },
        { 2, 2.0, false, 10, 0 },
    };
    for (const Case& c : cases) {
        RulerView v;
        v.horizontal = c.horizontal;
        v.length = 400;
        v.bandLength = 400;
        v.ticks = rulerTicks(c.units, c.zoom, c.horizontal, kDpi / 25.4, kDpi);
        const QImage r = paintRuler(v, plainStyle());
        const int length = c.horizontal ? tickLength(r, c.at) : tickLengthVertical(r, c.at);
        EXPECT_EQ(length, c.length) << c.units << " " << c.zoom << " " << c.horizontal << " " << c.at;
    }
}
