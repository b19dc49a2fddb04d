#include "canvas/ViewLayout.h"
#include "canvas/CanvasTiling.h"
#include "canvas/MeasureText.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(CanvasTiling, KeepsTheBitmapWhileTheVisiblePartLiesInside)
{
    // A 4000-pixel canvas at zoom 3 is 12000 pixels; the view is 800 wide.
    struct Case {
        int scroll;
        int currentTile;
        int expectedTile;
    };
    const Case cases[] = {
        { 0, 0, 0 }, { 800, 0, 0 }, // the view ends exactly at the bitmap's end
        { 801, 0, 801 }, // one pixel past it: the next part starts at the view
        { 1500, 801, 801 }, // inside the part already held: nothing to paint
        { 500, 801, 0 }, // back before it: the new part ends at the view's end, here the canvas's start
        { 5000, 6000, 4200 }, // back: 5800 - 1600
        { 11200, 0, 10400 }, // the last part ends at the canvas's end
        { 20, 10400, 0 }, // a jump back to the start
    };
    for (const Case& c : cases) {
        TileInput in { canvasBitmapSize(12000), -c.scroll, 800, 12000, c.currentTile };
        EXPECT_EQ(tileOffset(in), c.expectedTile) << "scroll " << c.scroll << " from " << c.currentTile;
    }
    EXPECT_EQ(canvasBitmapSize(12000), 1600);
    // The canvas's edge inside the view (a left margin of 100 pixels).
    EXPECT_EQ(tileOffset({ 1600, 100, 800, 12000, 0 }), 0);
    // At zoom 0.25 the same canvas is 1000 pixels and fits in one bitmap.
    EXPECT_EQ(canvasBitmapSize(1000), 1000);
    EXPECT_EQ(tileOffset({ 1000, -300, 800, 1000, 0 }), 0);
}

TEST(CanvasTiling, TheBitmapCoversAViewLongerThanATileWhereverItIsScrolled)
{
    // A 12000-pixel canvas scrolled across views shorter and longer than 1600.
    for (int view : { 800, 1600, 2000, 2500 }) {
        const int bitmap = canvasBitmapSize(12000, view);
        EXPECT_EQ(bitmap, std::max(view, 1600));
        // Coming from either end of the canvas.
        for (const std::int32_t held : { 0, 12000 - bitmap })
            for (int scroll = 0; scroll + view <= 12000; scroll += 250) {
                const std::int32_t t = tileOffset({ bitmap, -scroll, view, 12000, held });
                EXPECT_LE(t, scroll) << "view " << view << ", scroll " << scroll << " from " << held;
                EXPECT_GE(t + bitmap, scroll + view) << "view " << view << ", scroll " << scroll << " from " << held;
            }
    }
    // A canvas that fits is held whole.
    EXPECT_EQ(canvasBitmapSize(1000, 2500), 1000);
}

TEST(ViewLayout, ShowsScrollBarsOnlyWhenTheCanvasDoesNotFit)
{
    const ViewLayout fits = computeViewLayout(600, 400, 450, 250);
    EXPECT_FALSE(fits.showScrollX);
    EXPECT_FALSE(fits.showScrollY);
    EXPECT_EQ(fits.view, QRect(12, 12, 588, 388));

    // Too wide only: the horizontal bar takes 16 pixels of the height.
    const ViewLayout wide = computeViewLayout(600, 400, 2000, 250);
    EXPECT_TRUE(wide.showScrollX);
    EXPECT_FALSE(wide.showScrollY);
    EXPECT_EQ(wide.view.height(), 400 - 12 - 16);
    EXPECT_EQ(wide.scrollMaxX, 2000 - 588 + 12);
    EXPECT_EQ(wide.scrollX, QRect(0, 12 + 372, 600, 16));

    // Both: the bars are shortened, the corner is filled, Max grows by 16.
    const ViewLayout both = computeViewLayout(600, 400, 2000, 2000);
    EXPECT_TRUE(both.showFiller);
    EXPECT_EQ(both.view, QRect(12, 12, 572, 372));
    EXPECT_EQ(both.scrollX.width(), 584);
    EXPECT_EQ(both.scrollY.height(), 384);
    EXPECT_EQ(both.scrollMaxX, 2000 - 572 + 12 + 16);
    EXPECT_EQ(both.filler, QRect(584, 384, 16, 16));
}

TEST(MeasureText, WritesLengthsInTheDrawingsUnits)
{
    struct Case {
        double value;
        int units;
        const char* expected;
    };
    const Case cases[] = {
        { 250, 1, "250 Pixels" },
        { 1, 1, "1 Pixel" },
        { 0.00001, 1, "None" },
        { 12.6, 2, "13 mm" },
        { 1, 3, "1 Inch" },
        { 2.5, 3, "2.5 Inches" },
        { 8.456, 3, "8.46 Inches" },
        { 0.5, 3, ".5 Inches" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(measureText(c.value, c.units), QString::fromLatin1(c.expected)) << c.value;
}
