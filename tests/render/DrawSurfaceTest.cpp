#include "platform/Bitmap24.h"
#include "platform/DrawSurface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

namespace {

constexpr std::uint32_t kWhite = 0xffffff;
constexpr std::uint32_t kRed = 0x0000ff;
constexpr std::uint32_t kYellow = 0x00ffff;
constexpr std::uint32_t kBlue = 0xff0000;

Bitmap24 blank(int w = 40, int h = 40)
{
    Bitmap24 b(w, h);
    b.fill(kWhite);
    return b;
}

DrawPen pen(std::uint32_t colour, int width = 1, DrawPen::Style style = DrawPen::Style::Solid)
{
    DrawPen p;
    p.colour = colour;
    p.width = width;
    p.style = style;
    return p;
}

TEST(Bitmap24, RowsHoldBlueGreenRedBytesOfTheStoredColour)
{
    Bitmap24 b(4, 3);
    b.fill(kWhite);
    b.setPixel(2, 1, 0x00332211);
    const std::uint8_t* p = b.scanLine(1) + 2 * Bitmap24::kBytesPerPixel;
    EXPECT_EQ(p[0], 0x33);
    EXPECT_EQ(p[1], 0x22);
    EXPECT_EQ(p[2], 0x11);
    EXPECT_EQ(b.pixel(2, 1), 0x00332211u);
    EXPECT_EQ(b.pixel(-1, 0), 0u);
    b.setPixel(9, 9, 0); // outside: ignored

    const QImage packed = b.toBgr888();
    EXPECT_EQ(packed.constScanLine(1)[6], 0x33);
    EXPECT_EQ(packed.constScanLine(1)[8], 0x11);
}

TEST(DrawSurface, PaintedColoursReadBackExactlyWithoutBlending)
{
    Bitmap24 b = blank(60, 60);
    {
        DrawSurface s(b);
        s.setPen(pen(kRed, 3));
        s.setBrush({ true, kBlue });
        const QPoint star[] = { { 30, 2 }, { 36, 24 }, { 58, 24 }, { 40, 36 }, { 48, 58 }, { 30, 44 }, { 12, 58 },
            { 20, 36 }, { 2, 24 }, { 24, 24 } };
        s.polygon(star, 10);
    }
    std::set<std::uint32_t> colours;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x)
            colours.insert(b.pixel(x, y));
    EXPECT_EQ(colours, (std::set<std::uint32_t> { kWhite, kRed, kBlue }));
    EXPECT_EQ(b.pixel(30, 30), kBlue);
    EXPECT_EQ(b.scanLine(30)[30 * 4 + 3], 0xff);
}

TEST(DrawSurface, ThinLinesLeaveOutTheirLastPixelAndDotsAlternate)
{
    struct Case {
        const char* name;
        DrawPen pen;
        std::uint32_t even, odd;
    } cases[] = {
        { "solid", pen(kRed), kRed, kRed },
        { "dotted, transparent gaps", pen(kRed, 1, DrawPen::Style::Dotted), kRed, kWhite },
        { "dotted, yellow gaps", [] {
             DrawPen p = pen(kRed, 1, DrawPen::Style::Dotted);
             p.hasGap = true;
             p.gapColour = kYellow;
             return p;
         }(),
            kRed, kYellow },
    };
    for (const Case& c : cases) {
        Bitmap24 b = blank();
        {
            DrawSurface s(b);
            s.setPen(c.pen);
            const QPoint line[] = { { 0, 5 }, { 20, 5 } };
            s.polyline(line, 2);
        }
        for (int x = 0; x < 20; ++x)
            EXPECT_EQ(b.pixel(x, 5), x % 2 == 0 ? c.even : c.odd) << c.name << " x=" << x;
        EXPECT_EQ(b.pixel(20, 5), kWhite) << c.name;
        EXPECT_EQ(b.pixel(5, 4), kWhite) << c.name;
    }
}

// The classic line primitive draws from the first point up to but not
// including the last, whichever way the line runs; the engine underneath
// always leaves out the right or bottom end instead.
TEST(DrawSurface, ThinLinesStartAtTheirFirstPointInEveryDirection)
{
    struct Case {
        const char* name;
        QPoint from, to;
    } cases[] = {
        { "right", { 5, 20 }, { 25, 20 } },
        { "left", { 25, 20 }, { 5, 20 } },
        { "down", { 20, 5 }, { 20, 25 } },
        { "up", { 20, 25 }, { 20, 5 } },
        { "down right", { 5, 5 }, { 25, 25 } },
        { "up left", { 25, 25 }, { 5, 5 } },
        { "down left", { 25, 5 }, { 5, 25 } },
        { "up right", { 5, 25 }, { 25, 5 } },
        { "shallow, leftward", { 30, 10 }, { 6, 16 } },
        { "steep, upward", { 12, 34 }, { 17, 4 } },
    };
    const DrawPen dotted = pen(kRed, 1, DrawPen::Style::Dotted);
    for (const Case& c : cases) {
        for (const DrawPen& p : { pen(kRed), dotted }) {
            SCOPED_TRACE(std::string(c.name) + (p.style == DrawPen::Style::Dotted ? ", dotted" : ", solid"));
            Bitmap24 b = blank();
            {
                DrawSurface s(b);
                s.setPen(p);
                const QPoint line[] = { c.from, c.to };
                s.polyline(line, 2);
            }
            EXPECT_EQ(b.pixel(c.from.x(), c.from.y()), kRed) << "the first point is drawn";
            EXPECT_EQ(b.pixel(c.to.x(), c.to.y()), kWhite) << "the last point is not";
            const int steps = std::max(std::abs(c.to.x() - c.from.x()), std::abs(c.to.y() - c.from.y()));
            int inked = 0;
            for (int y = 0; y < b.height(); ++y)
                for (int x = 0; x < b.width(); ++x)
                    inked += b.pixel(x, y) == kRed;
            EXPECT_EQ(inked, p.style == DrawPen::Style::Dotted ? (steps + 1) / 2 : steps)
                << "one pixel a step";
            // The pixel next to the first along the line's longer axis.
            const int dx = c.to.x() - c.from.x(), dy = c.to.y() - c.from.y();
            const QPoint second = std::abs(dx) >= std::abs(dy)
                ? QPoint(
                    c.from.x() + (dx > 0 ? 1 : -1), c.from.y() + int(std::lround(double(dy) / std::abs(dx))))
                : QPoint(
                    c.from.x() + int(std::lround(double(dx) / std::abs(dy))), c.from.y() + (dy > 0 ? 1 : -1));
            if (p.style == DrawPen::Style::Dotted) {
                EXPECT_EQ(b.pixel(second.x(), second.y()), kWhite) << "dots count from the first point";
            }
        }
    }
}

TEST(DrawSurface, ThinPolygonOutlinesPassThroughEveryCorner)
{
    const QPoint diamond[] = { { 20, 4 }, { 36, 20 }, { 20, 36 }, { 4, 20 } };
    for (bool filled : { false, true }) {
        Bitmap24 b = blank();
        {
            DrawSurface s(b);
            s.setPen(pen(kRed));
            s.setBrush({ filled, kBlue });
            s.polygon(diamond, 4);
        }
        for (QPoint p : diamond)
            EXPECT_EQ(b.pixel(p.x(), p.y()), kRed) << p.x() << "," << p.y() << (filled ? " filled" : "");
        EXPECT_EQ(b.pixel(20, 20), filled ? kBlue : kWhite);
    }
}

TEST(DrawSurface, RectanglesAndEllipsesExcludeTheirRightAndBottomEdges)
{
    Bitmap24 b = blank();
    {
        DrawSurface s(b);
        s.fillRect(QRect(2, 2, 3, 3), kBlue);
        s.setPen(pen(kRed));
        s.setBrush({ true, kYellow });
        s.ellipse(10, 10, 31, 31);
    }
    EXPECT_EQ(b.pixel(4, 4), kBlue);
    EXPECT_EQ(b.pixel(5, 4), kWhite);
    EXPECT_EQ(b.pixel(10, 20), kRed);
    EXPECT_EQ(b.pixel(30, 20), kRed);
    EXPECT_EQ(b.pixel(31, 20), kWhite);
    EXPECT_EQ(b.pixel(20, 30), kRed);
    EXPECT_EQ(b.pixel(20, 31), kWhite);
    EXPECT_EQ(b.pixel(20, 20), kYellow);
}

TEST(DrawSurface, FillModeDecidesTheCentreOfAPentagram)
{
    const QPoint pentagram[] = { { 20, 2 }, { 31, 36 }, { 2, 15 }, { 38, 15 }, { 9, 36 } };
    for (FillMode mode : { FillMode::Alternate, FillMode::Winding }) {
        Bitmap24 b = blank();
        {
            DrawSurface s(b);
            s.setPen(pen(kRed));
            s.setBrush({ true, kBlue });
            s.setFillMode(mode);
            s.polygon(pentagram, 5);
        }
        EXPECT_EQ(b.pixel(20, 20), mode == FillMode::Winding ? kBlue : kWhite);
        EXPECT_EQ(b.pixel(20, 8), kBlue);
    }
}

TEST(DrawSurface, TracedPathIsClosedFilledAndOutlined)
{
    Bitmap24 b = blank();
    {
        DrawSurface s(b);
        s.setPen(pen(kRed));
        s.setBrush({ true, kYellow });
        // A circle of radius 15 as four Bézier quarters, left open: filling closes it.
        const QPoint circle[] = { { 5, 20 }, { 5, 12 }, { 12, 5 }, { 20, 5 }, { 28, 5 }, { 35, 12 }, { 35, 20 },
            { 35, 28 }, { 28, 35 }, { 20, 35 }, { 12, 35 }, { 5, 28 }, { 5, 21 } };
        s.beginPath();
        s.polyBezier(circle, 13);
        s.endPath();
        EXPECT_EQ(b.pixel(20, 20), kWhite); // nothing drawn while the path is traced
        s.strokeAndFillPath();
    }
    EXPECT_EQ(b.pixel(20, 20), kYellow);
    EXPECT_EQ(b.pixel(5, 20), kRed);
    EXPECT_EQ(b.pixel(2, 20), kWhite);
}

TEST(DrawSurface, ClipRectangleLimitsDrawing)
{
    Bitmap24 b = blank();
    {
        DrawSurface s(b);
        s.setClipRect(QRect(10, 10, 10, 10));
        s.setPen(pen(kBlue));
        s.setBrush({ true, kBlue });
        const QPoint all[] = { { 0, 0 }, { 39, 0 }, { 39, 39 }, { 0, 39 } };
        s.polygon(all, 4);
        s.clearClip();
        s.fillRect(QRect(0, 0, 2, 2), kRed);
    }
    EXPECT_EQ(b.pixel(10, 10), kBlue);
    EXPECT_EQ(b.pixel(19, 19), kBlue);
    EXPECT_EQ(b.pixel(20, 19), kWhite);
    EXPECT_EQ(b.pixel(9, 15), kWhite);
    EXPECT_EQ(b.pixel(1, 1), kRed);
}

TEST(BlockCopies, BitBltClipsToBothBitmapsAndCombines)
{
    Bitmap24 source(4, 4);
    source.fill(0x0f0f0f);
    source.setPixel(0, 0, 0x00ff00);
    Bitmap24 dest = blank(6, 6);
    bitBlt(dest, -1, 4, 4, 4, source, 0, 0); // partly off the left and bottom edges
    EXPECT_EQ(dest.pixel(0, 4), 0x0f0f0fu);
    EXPECT_EQ(dest.pixel(2, 5), 0x0f0f0fu);
    EXPECT_EQ(dest.pixel(3, 4), kWhite);
    EXPECT_EQ(dest.pixel(0, 3), kWhite);

    Bitmap24 d2 = blank(4, 4);
    bitBlt(d2, 0, 0, 4, 4, source, 0, 0, RasterOp::Xor);
    EXPECT_EQ(d2.pixel(1, 1), 0xf0f0f0u);
    EXPECT_EQ(d2.scanLine(1)[4 + 3], 0xff);
    bitBlt(d2, 0, 0, 4, 4, source, 0, 0, RasterOp::Or);
    EXPECT_EQ(d2.pixel(1, 1), kWhite);
    bitBlt(d2, 0, 0, 4, 4, source, 0, 0, RasterOp::And);
    EXPECT_EQ(d2.pixel(1, 1), 0x0f0f0fu);
}

TEST(BlockCopies, StretchBltTakesNearestPixelsAndMirrors)
{
    Bitmap24 source(2, 1);
    source.setPixel(0, 0, kRed);
    source.setPixel(1, 0, kBlue);
    Bitmap24 dest = blank(8, 2);
    stretchBlt(dest, 0, 0, 4, 2, source, 0, 0, 2, 1);
    EXPECT_EQ(dest.pixel(1, 1), kRed);
    EXPECT_EQ(dest.pixel(2, 0), kBlue);
    EXPECT_EQ(dest.pixel(4, 0), kWhite);
    // A negative width draws right to left from x = 8 (exclusive).
    stretchBlt(dest, 8, 0, -4, 1, source, 0, 0, 2, 1);
    EXPECT_EQ(dest.pixel(7, 0), kRed);
    EXPECT_EQ(dest.pixel(4, 0), kBlue);
}

} // namespace
