#include "fixtures/RenderFixtures.h"
#include "model/DrawingHeader.h"

#include "platform/Bitmap24.h"
#include "render/CanvasBackground.h"
#include "render/CanvasView.h"
#include "render/GridDrawing.h"
#include "render/ScenePainter.h"

#include <gtest/gtest.h>

using namespace renderfixture;

namespace {

constexpr std::uint32_t kSilver = 0xC0C0C0;
constexpr std::uint32_t kGridBlue = 0xFFCCAA;

struct Canvas {
    ItemList items;
    ItemRecord* header;
    Bitmap24 bitmap { 300, 200 };
    CanvasView view;

    explicit Canvas(double zoom = 1.0)
        : header(addHeader(items, 300, 200, zoom))
    {
        view.items = &items;
        view.bitmap = &bitmap;
        bitmap.fill(0x123456);
    }
    HeaderBody& h() { return header->header; }
    // How many pixels of a column (x fixed) or row (y fixed) have the colour.
    int countColumn(int x, int y0, int y1, std::uint32_t c) const
    {
        int n = 0;
        for (int y = y0; y <= y1; ++y)
            n += bitmap.pixel(x, y) == c;
        return n;
    }
    int countRow(int y, int x0, int x1, std::uint32_t c) const
    {
        int n = 0;
        for (int x = x0; x <= x1; ++x)
            n += bitmap.pixel(x, y) == c;
        return n;
    }
};

enum class Look { None, Dotted, Solid };

Look lookOf(int count, int length)
{
    if (count == 0)
        return Look::None;
    return count >= length - 1 ? Look::Solid : (count >= length / 3 ? Look::Dotted : Look::None);
}

} // namespace

TEST(PainterGuides, BackgroundIsErasedWithinTheClampedRectangleOnly)
{
    Canvas c;
    c.view.colours.canvas = 0xFFFFFF;
    const PaintRect erased = paintCanvasBackground(c.view, { 120, 80, 20, 10 }); // given the wrong way round
    EXPECT_EQ(erased, (PaintRect { 20, 10, 120, 80 }));
    EXPECT_EQ(c.bitmap.pixel(20, 10), 0xFFFFFFu);
    EXPECT_EQ(c.bitmap.pixel(119, 79), 0xFFFFFFu);
    EXPECT_EQ(c.bitmap.pixel(120, 50), 0x123456u); // right column excluded
    EXPECT_EQ(c.bitmap.pixel(50, 80), 0x123456u);  // bottom row excluded
    EXPECT_EQ(c.bitmap.pixel(19, 50), 0x123456u);
    // Clamped to the bitmap itself, which may be smaller or longer than a tile.
    EXPECT_EQ(paintCanvasBackground(c.view, { -50, -50, 5000, 5000 }), (PaintRect { 0, 0, 300, 200 }));
}

// One row per guide: where it lies and how it must look (canvas 300 x 200
// pixels, pixel units, zoom 1).
TEST(PainterGuides, PageGuidesOfEachDesignType)
{
    struct Probe {
        bool vertical;
        int at, from, to;
        Look look;
    };
    struct Case {
        const char* name;
        int type;
        bool rowFold, columnFold;
        int rows, columns;
        std::vector<Probe> probes;
    };
    const std::vector<Case> cases = {
        { "none", 0, false, false, 1, 1, { { true, 250, 0, 150, Look::None }, { true, 20, 30, 120, Look::None } } },
        { "paper with margins", 1, false, false, 1, 1,
            { { true, 250, 5, 145, Look::Solid }, { false, 150, 5, 245, Look::Solid },
                { true, 20, 35, 115, Look::Dotted }, { true, 230, 35, 115, Look::Dotted },
                { false, 30, 25, 225, Look::Dotted }, { false, 130, 25, 225, Look::Dotted } } },
        { "negative type reads as its absolute value", -1, false, false, 1, 1,
            { { true, 250, 5, 145, Look::Solid }, { true, 20, 35, 115, Look::Dotted } } },
        { "card with both folds", 2, true, true, 1, 1,
            { { true, 160, 5, 115, Look::Solid }, { false, 120, 5, 155, Look::Solid },
                { true, 80, 5, 115, Look::Dotted }, { false, 60, 5, 155, Look::Dotted },
                { true, 20, 35, 115, Look::None } } },
        { "card without folds", 3, false, false, 1, 1,
            { { true, 80, 5, 55, Look::Solid }, { false, 60, 5, 75, Look::Solid },
                { true, 160, 5, 115, Look::None } } },
        { "brochure of three columns", 10, false, true, 1, 3,
            { { true, 250, 5, 145, Look::Solid }, { true, 100, 5, 145, Look::Dotted },
                { true, 180, 5, 145, Look::Dotted }, { true, 260, 5, 145, Look::None } } },
        // A damaged header once kept the painter drawing folds for minutes.
        { "brochure with a damaged column count", 10, true, true, 2147483647, 2147483647,
            { { true, 100, 5, 145, Look::Dotted }, { true, 180, 5, 145, Look::Dotted },
                { false, 90, 5, 245, Look::Dotted } } },
    };
    for (const Case& k : cases) {
        Canvas c;
        HeaderBody& h = c.h();
        h.designType = k.type;
        h.paperWidth = 250;
        h.paperHeight = 150;
        h.cardWidth = 80;
        h.cardHeight = 60;
        h.leftMargin = 20;
        h.topMargin = 30;
        h.rightMargin = 20;
        h.bottomMargin = 20;
        h.rowFold = k.rowFold;
        h.columnFold = k.columnFold;
        h.rows = k.rows;
        h.columns = k.columns;
        paintCanvasBackground(c.view, { 0, 0, 301, 201 });
        for (const Probe& p : k.probes) {
            const int n = p.vertical ? c.countColumn(p.at, p.from, p.to, kSilver) : c.countRow(p.at, p.from, p.to, kSilver);
            EXPECT_EQ(lookOf(n, p.to - p.from + 1), p.look)
                << k.name << ": " << (p.vertical ? "column " : "row ") << p.at << " has " << n << " silver pixels";
        }
    }
}

TEST(PainterGuides, MarginEdgesOnTheBitmapBorderAreLeftOut)
{
    Canvas c;
    HeaderBody& h = c.h();
    h.designType = 1;
    h.paperWidth = 250;
    h.paperHeight = 150;
    h.rightMargin = 20;
    h.bottomMargin = 20;
    paintCanvasBackground(c.view, { 0, 0, 301, 201 });
    EXPECT_EQ(c.countColumn(0, 5, 120, kSilver), 0);
    EXPECT_EQ(c.countRow(0, 5, 220, kSilver), 0);
    EXPECT_GT(c.countColumn(230, 5, 120, kSilver), 30);
}

TEST(PainterGuides, GuidesStayInsideTheErasedRectangle)
{
    Canvas c;
    c.h().designType = 3;
    c.h().cardWidth = 80;
    c.h().cardHeight = 60;
    paintCanvasBackground(c.view, { 0, 0, 40, 201 });
    // The outline ends at (0, 60), its last point, which a line leaves out.
    EXPECT_EQ(c.countRow(60, 1, 39, kSilver), 39);
    EXPECT_NE(c.bitmap.pixel(0, 60), kSilver);
    EXPECT_EQ(c.countColumn(80, 0, 59, kSilver), 0); // the outline's right edge lies outside
    EXPECT_EQ(c.bitmap.pixel(80, 30), 0x123456u);
}

TEST(PainterGuides, GuidesFollowZoomAndTile)
{
    Canvas c(2.0);
    c.h().designType = 3;
    c.h().cardWidth = 80;
    c.h().cardHeight = 60;
    c.view.tileX = 100;
    paintCanvasBackground(c.view, { 0, 0, 301, 201 });
    EXPECT_EQ(c.countColumn(60, 0, 119, kSilver), 120); // 2 x 80 - 100
    EXPECT_EQ(c.countRow(120, 0, 59, kSilver), 60);
}

TEST(PainterGrid, GridlinesAtTheirZoomedPositions)
{
    struct Case {
        double zoom;
        int canvasLeft;
        bool showX, showY;
        std::vector<int> columns, rows, clearColumns;
    };
    const Case cases[] = {
        { 1.0, 0, true, true, { 50, 120 }, { 40 }, { 49, 51 } },
        { 2.0, 0, true, false, { 100, 240 }, {}, { 50, 120 } },
        { 1.0, 10, true, false, { 40, 110 }, {}, { 50 } }, // the canvas starts 10 pixels in
        { 1.0, 0, false, true, {}, { 40 }, { 50, 120 } },
    };
    for (const Case& k : cases) {
        Canvas c(k.zoom);
        c.h().canvasLeft = k.canvasLeft;
        recomputeScreenExtent(c.h());
        c.h().showGridX = k.showX;
        c.h().showGridY = k.showY;
        ItemRecord* g = addGrid(c.items, { 50, 120, 77 }, { 40 });
        g->gridListX[2].deleted = 1;
        drawGridlines(c.view);
        for (int x : k.columns)
            EXPECT_EQ(c.countColumn(x, 0, 199, kGridBlue), 200) << "zoom " << k.zoom << " column " << x;
        for (int y : k.rows)
            EXPECT_EQ(c.countRow(y, 0, 299, kGridBlue), 300) << "zoom " << k.zoom << " row " << y;
        for (int x : k.clearColumns)
            EXPECT_LT(c.countColumn(x, 0, 199, kGridBlue), 2) << "zoom " << k.zoom << " column " << x;
        EXPECT_EQ(c.countColumn(77, 50, 60, kGridBlue), 0) << "a deleted gridline is drawn";
    }
}

TEST(PainterGrid, GridlinesLieUnderTheItems)
{
    Canvas c;
    c.h().showGridX = 1;
    addGrid(c.items, { 50 }, {});
    addBox(c.items, { 40, 40 }, { 60, 60 }, 0x0000FF);
    repaintCanvasBitmap(c.view);
    EXPECT_EQ(c.bitmap.pixel(50, 50), 0x0000FFu);
    EXPECT_EQ(c.bitmap.pixel(50, 100), kGridBlue);
}

// A damaged header with a vanishing card width and a huge column count once
// drew folds for minutes; the same fold is drawn a bounded number of times.
TEST(PainterGuides, VanishingCardWidthDrawsFoldsInBoundedTime)
{
    Canvas c;
    HeaderBody& h = c.h();
    h.designType = 10;
    h.paperWidth = 250;
    h.paperHeight = 150;
    h.cardWidth = 1e-9;
    h.cardHeight = 1e-9;
    h.columnFold = h.rowFold = 1;
    h.columns = h.rows = 2147483647;
    paintCanvasBackground(c.view, { 0, 0, 301, 201 });
    EXPECT_GT(c.countColumn(0, 5, 145, kSilver), 0);
}
