#include "canvas/RulerEndDrag.h"

#include "model/DrawingHeader.h"
#include "model/ItemKinds.h"
#include "model/ItemRecord.h"

#include <gtest/gtest.h>

namespace {

using Kind = RulerEndDrag::Kind;

// A pixel-unit canvas 250 x 100 at (10, 20), at the zoom.
HeaderBody& canvasHeader(ItemList& list, double zoom = 1.0)
{
    HeaderBody& h = createHeader(list)->header;
    h.canvasLeft = 10;
    h.canvasTop = 20;
    h.canvasWidth = 250;
    h.canvasHeight = 100;
    h.zoom = zoom;
    recomputeScreenExtent(h);
    return h;
}

} // namespace

TEST(RulerEndDrag, PressesNearAnEndStartTheirDrag)
{
    ItemList list;
    const HeaderBody& h = canvasHeader(list);
    // The canvas starts at 10 on the horizontal ruler and ends at 260; on the
    // vertical ruler it starts at 20 and ends at 120.
    struct Case {
        bool horizontal;
        int position;
        Kind kind;
    };
    const Case cases[] = {
        { true, 260, Kind::Width },
        { true, 264, Kind::Width }, // within the grip
        { true, 265, Kind::None }, // five pixels away: outside
        { true, 256, Kind::Width },
        { true, 12, Kind::Left },
        { true, 100, Kind::None },
        { false, 118, Kind::Height },
        { false, 21, Kind::Top },
    };
    for (const Case& c : cases) {
        RulerEndDrag drag;
        const int origin = c.horizontal ? 10 : 20;
        EXPECT_EQ(drag.press(c.horizontal, c.position, origin, h), c.kind != Kind::None) << c.position;
        EXPECT_EQ(drag.kind(), c.kind) << c.position;
    }
}

TEST(RulerEndDrag, ResizingStopsAtFivePixelsAndMovingAtZero)
{
    ItemList list;
    const HeaderBody& h = canvasHeader(list);
    struct Case {
        int press, to;
        std::int32_t value;
    };
    const Case cases[] = {
        { 260, 300, 290 }, // the width grows by the move
        { 260, 100, 90 },
        { 260, -1000, 5 }, // never narrower than 5 pixels
        { 10, 40, 40 }, // the left edge follows the mouse
        { 10, -30, 0 }, // and stops at 0
    };
    for (const Case& c : cases) {
        RulerEndDrag drag;
        ASSERT_TRUE(drag.press(true, c.press, 10, h));
        drag.move(c.to);
        EXPECT_EQ(drag.value(), c.value) << c.press << " to " << c.to;
    }
}

TEST(RulerEndDrag, FinishingWritesTheCanvasInUnitsAndShiftsTheGrid)
{
    ItemList list;
    HeaderBody& h = canvasHeader(list, 2.0); // the canvas starts at 20 and is 500 zoomed pixels wide
    ItemRecord* grid = createItem(list, kinds::kGrid);
    grid->gridListX.push_back({ 0, 0, 40 - kAnchorHalf, 1, 40 + kAnchorHalf + 1, 12 });

    RulerEndDrag widen;
    ASSERT_TRUE(widen.press(true, 520, 20, h));
    ASSERT_TRUE(widen.finish(620, h, grid));
    EXPECT_DOUBLE_EQ(h.canvasWidth, 300); // 600 zoomed pixels at zoom 2
    EXPECT_EQ(h.screenWidth, 600);
    EXPECT_FALSE(widen.active());

    RulerEndDrag move;
    ASSERT_TRUE(move.press(true, 20, 20, h));
    ASSERT_TRUE(move.finish(30, h, grid));
    EXPECT_DOUBLE_EQ(h.canvasLeft, 15); // 30 zoomed pixels
    EXPECT_EQ(h.screenMinX, 30);
    // Ten zoomed pixels are five unzoomed ones: the gridline moves with the edge.
    EXPECT_EQ(grid->gridListX.front().left + kAnchorHalf, 45);
}

TEST(RulerEndDrag, TheHintShowsTheLengthInUnits)
{
    ItemList list;
    HeaderBody& h = canvasHeader(list);
    h.units = units::kInches;
    h.pixelsPerUnitX = 96;
    h.canvasWidth = 2;
    recomputeScreenExtent(h); // 192 pixels wide from 960
    RulerEndDrag drag;
    ASSERT_TRUE(drag.press(true, 960 + 192, 960, h));
    drag.move(960 + 96);
    EXPECT_DOUBLE_EQ(drag.lengthInUnits(h), 1.0);
}
