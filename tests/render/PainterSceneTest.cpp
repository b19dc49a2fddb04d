#include "fixtures/RenderFixtures.h"
#include "render/TextRendering.h"

#include "platform/Bitmap24.h"
#include "render/CanvasImage.h"
#include "render/CanvasView.h"
#include "render/SceneEffectsPass.h"
#include "render/ScenePainter.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace renderfixture;

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kStale = 0x123456; // pixels nobody repainted

struct Scene {
    ItemList items;
    ItemRecord* header;
    Bitmap24 bitmap { 300, 200 };
    CanvasView view;

    Scene()
        : header(addHeader(items, 300, 200))
    {
        view.items = &items;
        view.bitmap = &bitmap;
        bitmap.fill(kStale);
    }
};

} // namespace

// Three boxes: A at the left, B overlapping A's right part, C far right.
// A repaint rectangle that meets only A must repaint B as well (it overlaps
// the grown rectangle) but not C; the returned rectangle holds A's and B's boxes.
TEST(PainterScene, GrowingRectangleRepaintsOverlappingItemsAbove)
{
    struct Case {
        const char* name;
        PaintRect rect;
        bool a, b, c;
        PaintRect grown;
    };
    // Boxes are the corners grown by the 4-unit handle margin.
    const Case cases[] = {
        { "meets A only", { 12, 12, 14, 14 }, true, true, false, { 6, 6, 104, 104 } },
        { "meets B only", { 75, 75, 76, 76 }, false, true, false, { 46, 46, 104, 104 } }, // A lies below
        { "meets C only", { 250, 20, 251, 21 }, false, false, true, { 236, 6, 284, 44 } },
        { "touches A's box edge", { 0, 0, 6, 6 }, true, true, false, { 0, 0, 104, 104 } },
        { "meets nothing", { 150, 150, 160, 160 }, false, false, false, { 150, 150, 160, 160 } },
    };
    for (const Case& k : cases) {
        Scene s;
        addBox(s.items, { 10, 10 }, { 60, 60 }, 0x0000FF);
        addBox(s.items, { 50, 50 }, { 100, 100 }, 0x00FF00);
        addBox(s.items, { 240, 10 }, { 280, 40 }, 0xFF0000);
        const PaintRect grown = paintItemsInRect(s.view, k.rect, kPaintAll);
        EXPECT_EQ(s.bitmap.pixel(20, 20) == 0x0000FF, k.a) << k.name;
        EXPECT_EQ(s.bitmap.pixel(80, 80) == 0x00FF00, k.b) << k.name;
        EXPECT_EQ(s.bitmap.pixel(260, 25) == 0xFF0000, k.c) << k.name;
        EXPECT_EQ(grown, k.grown) << k.name;
    }
}

TEST(PainterScene, ItemsThatArePassedOverAreNotPainted)
{
    struct Case {
        const char* name;
        void (*mark)(ItemRecord&);
        int mode;
        bool painted;
    };
    const Case cases[] = {
        { "plain", [](ItemRecord&) {}, kPaintAll, true },
        { "hidden", [](ItemRecord& r) { r.body.hidden = 1; }, kPaintAll, false },
        { "in progress", [](ItemRecord& r) { r.body.inProgress = 1; }, kPaintAll, false },
        { "not a drawing item", [](ItemRecord& r) { r.body.recordClass = 3; }, kPaintAll, false },
        { "no stacking position", [](ItemRecord& r) { r.body.zOrder = 0; }, kPaintAll, false },
        { "selected, mode 0", [](ItemRecord& r) { r.body.selected = 1; }, kPaintAll, true },
        { "selected, mode 4", [](ItemRecord& r) { r.body.selected = 1; }, kPaintUnselected, false },
    };
    for (const Case& k : cases) {
        Scene s;
        ItemRecord* box = addBox(s.items, { 10, 10 }, { 60, 60 }, 0x0000FF);
        k.mark(*box);
        paintItemsInRect(s.view, { 0, 0, 300, 200 }, k.mode);
        EXPECT_EQ(s.bitmap.pixel(30, 30) == 0x0000FF, k.painted) << k.name;
    }
}

TEST(PainterScene, StackingOrderNotListOrder)
{
    Scene s;
    ItemRecord* top = addBox(s.items, { 10, 10 }, { 60, 60 }, 0x0000FF);
    ItemRecord* bottom = addBox(s.items, { 30, 30 }, { 90, 90 }, 0x00FF00);
    top->body.zOrder = 7; // list order says green on top; the stacking positions say blue
    bottom->body.zOrder = 3;
    paintItemsInRect(s.view, { 0, 0, 300, 200 }, kPaintAll);
    EXPECT_EQ(s.bitmap.pixel(45, 45), 0x0000FFu);
}

TEST(PainterScene, RepaintOfTheLowerItemKeepsTheUpperOnTop)
{
    Scene s;
    ItemRecord* lower = addBox(s.items, { 10, 10 }, { 60, 60 }, 0x0000FF);
    addBox(s.items, { 40, 40 }, { 100, 100 }, 0x00FF00);
    repaintCanvasBitmap(s.view);
    lower->body.lineColor = 0xFF0000;
    const PaintRect changed = repaintArea(s.view, { 10, 10, 61, 61 });
    EXPECT_EQ(s.bitmap.pixel(20, 20), 0xFF0000u);   // the lower item changed
    EXPECT_EQ(s.bitmap.pixel(50, 50), 0x00FF00u);   // the upper one stays on top
    EXPECT_EQ(s.bitmap.pixel(90, 90), 0x00FF00u);   // and is whole, though outside the rectangle
    EXPECT_LE(changed.left, 6);
    EXPECT_GE(changed.right, 104);
}

TEST(PainterScene, RepaintWidensToTheItemsItTouches)
{
    Scene s;
    addBox(s.items, { 10, 10 }, { 60, 60 }, 0x0000FF);
    const PaintRect changed = repaintArea(s.view, { 30, 30, 31, 31 });
    EXPECT_EQ(s.bitmap.pixel(12, 12), 0x0000FFu);
    EXPECT_EQ(s.bitmap.pixel(7, 7), kWhite);      // erased: inside the item's box
    EXPECT_EQ(s.bitmap.pixel(200, 150), kStale); // untouched
    EXPECT_EQ(changed.left, 6);
    EXPECT_EQ(changed.top, 6);
}

// A repaint after a change leaves exactly the pixels a whole repaint of the
// changed drawing leaves, in a crowded drawing of flat and shaded shapes,
// thick lines and text, whichever item changes.
TEST(PainterScene, RepaintOfAChangeMatchesAWholeRepaint)
{
    const auto crowd = [](Scene& s) {
        std::uint32_t seed = 12345;
        const auto next = [&seed](int n) {
            seed = seed * 1103515245u + 12345u;
            return int((seed >> 8) % std::uint32_t(n));
        };
        for (int i = 0; i < 60; ++i) {
            const QPoint c(next(300), next(200));
            const int r = 8 + next(30);
            const std::int32_t colour = next(0xFFFFFF), fill = next(3) ? next(0xFFFFFF) : -2;
            ItemRecord* item = nullptr;
            switch (i % 5) {
            case 0: item = addBox(s.items, c, c + QPoint(r, r / 2), colour); break;
            case 1: item = addShape(s.items, kinds::kCircle, { c, c + QPoint(r, 0) }, colour, fill); break;
            case 2: item = addShape(s.items, kinds::kStar, { c, c + QPoint(r, 0), c + QPoint(r / 2, 0) }, colour, fill); break;
            case 3: item = addLine(s.items, c, c + QPoint(r * 2, r / 3), colour, 0, 1.5); break;
            default: item = addText(s.items, u"Wg", c, c + QPoint(20, 0), 30, colour); break;
            }
            item->body.surface = std::uint8_t(next(3));
        }
    };
    const auto nth = [](Scene& s, int n) -> ItemRecord& {
        for (ItemRecord& r : s.items)
            if (r.body.recordClass == kinds::kClassItem && kinds::isDrawable(r.body.kind) && n-- == 0)
                return r;
        throw std::out_of_range("no such item");
    };
    for (int changed = 0; changed < 60; ++changed) {
        Scene part, whole;
        crowd(part);
        crowd(whole);
        repaintCanvasBitmap(part.view);
        for (Scene* s : { &part, &whole }) {
            nth(*s, changed).body.lineColor ^= 0xFFFFFF;
            nth(*s, changed).body.textColor ^= 0xFFFFFF;
        }
        const ItemBody& b = nth(part, changed).body;
        repaintArea(part.view, { b.minX - 4, b.minY - 4, b.maxX + 5, b.maxY + 5 });
        repaintCanvasBitmap(whole.view);
        ASSERT_EQ(part.bitmap.image(), whole.bitmap.image()) << "item " << changed;
    }
}

TEST(PainterScene, AnyShadowInTheDrawingRepaintsTheWholeBitmap)
{
    Scene s;
    addBox(s.items, { 10, 10 }, { 60, 60 }, 0x0000FF);
    addBox(s.items, { 240, 150 }, { 280, 190 }, 0x00FF00)->body.shadowElevation = 30;
    const PaintRect changed = repaintArea(s.view, { 30, 30, 31, 31 });
    EXPECT_EQ(changed, (PaintRect { 0, 0, 300, 200 }));
    EXPECT_EQ(s.bitmap.pixel(150, 100), kWhite);
    EXPECT_EQ(s.bitmap.pixel(260, 170), 0x00FF00u);
}

TEST(PainterScene, HiddenShadowDoesNotWidenTheRepaint)
{
    Scene s;
    addBox(s.items, { 10, 10 }, { 60, 60 }, 0x0000FF);
    ItemRecord* old = addBox(s.items, { 240, 150 }, { 280, 190 }, 0x00FF00);
    old->body.shadowElevation = 30;
    old->body.hidden = 1;
    repaintArea(s.view, { 30, 30, 31, 31 });
    EXPECT_EQ(s.bitmap.pixel(150, 100), kStale);
}

// The last line is drawn on the stored baseline and each earlier line one
// line step further "up" for the text's angle.
TEST(PainterScene, TextLinesGrowUpwardFromTheStoredBaseline)
{
    struct Case {
        int angle;
        QPoint s, e;
        QPoint up; // unit direction of a line step on the screen
    };
    const Case cases[] = {
        { 0, { 100, 150 }, { 200, 150 }, { 0, -1 } },
        { 900, { 150, 180 }, { 150, 80 }, { -1, 0 } },
        { 1800, { 200, 50 }, { 100, 50 }, { 0, 1 } },
        { 2700, { 150, 20 }, { 150, 120 }, { 1, 0 } },
    };
    for (const Case& k : cases) {
        // Three lines, only the first with ink: it must lie two steps up.
        Scene s;
        ItemRecord* t = addText(s.items, u"IIII\u2028\u2028", k.s, k.e, k.angle);
        const int h = lineHeight(*t, kScreen);
        s.bitmap.fill(kWhite);
        paintItem(s.view, *t, false);
        int sx = 0, sy = 0, n = 0;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 300; ++x)
                if (s.bitmap.pixel(x, y) != kWhite) {
                    sx += x;
                    sy += y;
                    ++n;
                }
        ASSERT_GT(n, 0) << k.angle;
        // Ink centre relative to the baseline start, measured along "up".
        const double along = (double(sx) / n - k.s.x()) * k.up.x() + (double(sy) / n - k.s.y()) * k.up.y();
        EXPECT_GT(along, 2 * h) << k.angle;    // above the line two steps up's baseline
        EXPECT_LT(along, 2 * h + h) << k.angle; // below the line above that
    }
}

TEST(PainterScene, EmptyTextDrawsNothing)
{
    Scene s;
    ItemRecord* t = addText(s.items, u"", { 100, 150 }, { 200, 150 });
    paintItem(s.view, *t, false);
    addText(s.items, u"\u2028\u2028", { 100, 150 }, { 200, 150 });
    paintItemsInRect(s.view, { 0, 0, 300, 200 }, kPaintAll);
    for (int y = 0; y < 200; y += 3)
        for (int x = 0; x < 300; x += 3)
            ASSERT_EQ(s.bitmap.pixel(x, y), kStale);
}

TEST(PainterScene, BitmapTargetsUseScaleAndPixelOrigin)
{
    ItemList items;
    addHeader(items);
    ItemRecord* box = addBox(items, { 10, 10 }, { 20, 20 }, 0x0000FF);
    Bitmap24 bitmap(100, 100);
    bitmap.fill(kWhite);
    renderItemToBitmap(bitmap, *box, items, kScreen, 5, -10, 2.0, 3.0);
    EXPECT_EQ(bitmap.pixel(26, 21), 0x0000FFu); // x 10 -> 25, y 10 -> 20
    EXPECT_EQ(bitmap.pixel(44, 49), 0x0000FFu); // x 20 -> 45, y 20 -> 50
    EXPECT_EQ(bitmap.pixel(23, 35), kWhite);
    EXPECT_EQ(bitmap.pixel(35, 18), kWhite);
}

TEST(PainterScene, RestoreSnapshotsPutsPixelsBackAndFreesThem)
{
    Scene s;
    ItemRecord* a = addBox(s.items, { 10, 10 }, { 60, 60 }, 0x0000FF);
    ItemRecord* hiddenOne = addBox(s.items, { 10, 10 }, { 60, 60 }, 0x0000FF);
    hiddenOne->body.hidden = 1;
    QImage saved(4, 4, QImage::Format_RGB888);
    saved.fill(QColor(0, 255, 0));
    a->markSnapshots.push_back({ 1, 20, 30, saved });
    QImage newer(2, 2, QImage::Format_RGB888);
    newer.fill(QColor(0, 0, 255));
    a->markSnapshots.push_back({ 2, 21, 31, newer }); // overlaps the first: put back first
    hiddenOne->markSnapshots.push_back({ 1, 100, 100, saved });
    restoreSnapshots(s.items, s.bitmap);
    EXPECT_EQ(s.bitmap.pixel(20, 30), 0x00FF00u);
    EXPECT_EQ(s.bitmap.pixel(22, 32), 0x00FF00u); // the older snapshot ends up on top
    EXPECT_EQ(s.bitmap.pixel(24, 30), kStale);
    EXPECT_TRUE(a->markSnapshots.empty());
    EXPECT_EQ(s.bitmap.pixel(100, 100), kStale);
    EXPECT_EQ(hiddenOne->markSnapshots.size(), 1u);
}

TEST(PainterScene, FullRepaintFreesTheSnapshots)
{
    Scene s;
    ItemRecord* a = addBox(s.items, { 10, 10 }, { 60, 60 }, 0x0000FF);
    a->markSnapshots.push_back({ 1, 20, 30, QImage(2, 2, QImage::Format_RGB888) });
    repaintCanvasBitmap(s.view);
    EXPECT_TRUE(a->markSnapshots.empty());
}

TEST(PainterScene, EffectsPassPaintsInStackingOrderOnePositionPerStep)
{
    Scene s;
    s.view.openingPass = true;
    ItemRecord* upper = addBox(s.items, { 10, 10 }, { 60, 60 }, 0x0000FF);
    ItemRecord* lower = addBox(s.items, { 30, 30 }, { 90, 90 }, 0x00FF00);
    upper->body.zOrder = 9;
    lower->body.zOrder = 2;
    int steps = 0;
    effectsPass(s.view, [&] { ++steps; });
    EXPECT_EQ(steps, 2);
    EXPECT_FALSE(s.view.openingPass);
    EXPECT_EQ(s.bitmap.pixel(45, 45), 0x0000FFu);
}

TEST(PainterScene, EffectsPassGoesOnWithTheDrawingAsItIsNow)
{
    Scene s;
    addBox(s.items, { 10, 10 }, { 20, 20 }, 0x0000FF);
    ItemRecord* later = addBox(s.items, { 100, 100 }, { 120, 120 }, 0x00FF00);
    ItemRecord* freed = addBox(s.items, { 150, 100 }, { 170, 120 }, 0x00FFFF);
    SceneEffectsPass pass(s.view);
    ASSERT_TRUE(pass.paintNext());
    later->body.hidden = 1; // superseded by an edit between steps
    freeItem(s.items, freed); // released by an edit between steps
    addBox(s.items, { 200, 100 }, { 220, 120 }, 0xFF0000);
    while (pass.paintNext()) { }
    EXPECT_EQ(s.bitmap.pixel(110, 110), kStale);
    EXPECT_EQ(s.bitmap.pixel(160, 110), kStale);
    EXPECT_EQ(s.bitmap.pixel(210, 110), 0xFF0000u);
}

// Wider than one canvas bitmap: painted in tiles of 1600 pixels, the last
// one moved back to end at the canvas edge, with no seam.
TEST(PainterScene, CanvasImageIsPaintedTileByTile)
{
    ItemList items;
    ItemRecord* h = addHeader(items, 2000, 100);
    h->header.showGridX = 1;
    addGrid(items, { 1700 }, {});
    addBox(items, { 1580, 20 }, { 1620, 60 }, 0x0000FF);
    addBox(items, { 1900, 20 }, { 1990, 60 }, 0x00FF00);
    const QImage image = paintCanvasImage(items, kScreen);
    ASSERT_EQ(image.size(), QSize(2000, 100));
    for (int x = 1581; x < 1620; ++x)
        ASSERT_EQ(image.pixelColor(x, 40), QColor(255, 0, 0)) << x;
    EXPECT_EQ(image.pixelColor(1950, 40), QColor(0, 255, 0));
    EXPECT_EQ(image.pixelColor(1700, 80), QColor(170, 204, 255));
    EXPECT_EQ(image.pixelColor(1750, 80), QColor(255, 255, 255));
}

TEST(PainterScene, CanvasImageRefusesEmptyAndHugeCanvases)
{
    ItemList empty;
    addHeader(empty, 0, 100);
    EXPECT_TRUE(paintCanvasImage(empty, kScreen).isNull());
    ItemList huge;
    addHeader(huge, 100000, 100000);
    EXPECT_TRUE(paintCanvasImage(huge, kScreen).isNull());
    ItemList none;
    EXPECT_TRUE(paintCanvasImage(none, kScreen).isNull());
}

TEST(PainterScene, LightDirectionBeyondTheFourReadsAsTopLeft)
{
    ItemList items;
    ItemRecord* h = addHeader(items);
    const std::pair<int, int> cases[] = { { 0, 0 }, { 3, 3 }, { 4, 0 }, { 7, 0 }, { 255, 0 } };
    for (auto [stored, read] : cases) {
        h->header.lightDirection = std::uint8_t(stored);
        EXPECT_EQ(lightDirectionOf(&items), read) << stored;
    }
    ItemList headless;
    EXPECT_EQ(lightDirectionOf(&headless), 0);
}
