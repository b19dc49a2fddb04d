#include "model/DrawingHeader.h"
#include "model/ItemKinds.h"
#include "model/ItemList.h"
#include "model/ItemRecord.h"
#include "base/ScreenMetrics.h"

#include <gtest/gtest.h>

#include <numbers>

namespace {

struct NewDrawing {
    ItemList list;
    ItemRecord* header;
    ItemRecord* grid;
    NewDrawing()
    {
        header = createHeader(list);
        grid = createItem(list, kinds::kGrid);
        setModified(list, false);
    }
    ItemRecord* add(std::int32_t kind)
    {
        ItemRecord* r = createItem(list, kind);
        r->body.zOrder = maxZOrder(list) + 1;
        return r;
    }
};

TEST(Counters, StartAtOneAndFollowTheLargestClassZeroValue)
{
    ItemList onlyHeader;
    createHeader(onlyHeader);
    EXPECT_EQ(nextStepNumber(onlyHeader), 1);
    EXPECT_EQ(nextEditBatch(onlyHeader), 1);
    EXPECT_EQ(nextGroupId(onlyHeader), 1);
    EXPECT_EQ(maxZOrder(onlyHeader), 0);

    NewDrawing d;
    EXPECT_EQ(d.grid->body.stepNumber, 1);
    EXPECT_EQ(nextStepNumber(d.list), 2);
    EXPECT_EQ(nextEditBatch(d.list), 1);

    ItemRecord* hiddenSquare = d.add(kinds::kSquare);
    hiddenSquare->body.hidden = 255;
    hiddenSquare->body.stepNumber = 40;
    hiddenSquare->body.editBatch = 7;
    hiddenSquare->body.groupId = 3;
    hiddenSquare->body.zOrder = 9;
    EXPECT_EQ(nextStepNumber(d.list), 41) << "hidden records count";
    EXPECT_EQ(nextEditBatch(d.list), 8);
    EXPECT_EQ(nextGroupId(d.list), 4);
    EXPECT_EQ(maxZOrder(d.list), 9);
}

TEST(CreateItem, DefaultsAndModifiedFlag)
{
    ItemList list;
    createHeader(list);
    EXPECT_FALSE(isModified(list)) << "creating the header does not modify the drawing";
    ItemRecord* r = createItem(list, kinds::kRectangle);
    EXPECT_TRUE(isModified(list));
    const ItemBody& b = r->body;
    EXPECT_EQ(b.magic, kRecordMagic);
    EXPECT_EQ(b.reserved12, -1);
    EXPECT_EQ(b.reserved116, 0x00FFFFFFu);
    EXPECT_EQ(b.fillColor, -2);
    EXPECT_EQ(b.fontWeight, 400);
    EXPECT_EQ(fontNameOf(r), "Arial");
    EXPECT_DOUBLE_EQ(b.direction, -1.0);
    EXPECT_DOUBLE_EQ(b.curveTension, 0.27614237);
    EXPECT_EQ(b.historyState, 1);
    EXPECT_EQ(b.mirrorX, 1);
    EXPECT_EQ(b.justification, 1);
}

TEST(Selection, SoleSelectedNeedsExactlyOne)
{
    NewDrawing d;
    ItemRecord* a = d.add(kinds::kLine);
    ItemRecord* b = d.add(kinds::kLine);
    EXPECT_EQ(soleSelected(d.list), nullptr);
    a->body.selected = 255;
    EXPECT_EQ(soleSelected(d.list), a);
    b->body.selected = 255;
    EXPECT_EQ(soleSelected(d.list), nullptr);
    b->body.inProgress = 255;
    EXPECT_EQ(soleSelected(d.list), a) << "an item still being entered is never selected";
    selectOnly(d.list, b);
    EXPECT_EQ(a->body.selected, 0);
}

TEST(Selection, GroupsCountOnceWhenAskedTo)
{
    NewDrawing d;
    for (int i = 0; i < 3; ++i) {
        ItemRecord* r = d.add(kinds::kCircle);
        r->body.groupId = 5;
        r->body.selected = 255;
    }
    ItemRecord* loose = d.add(kinds::kSquare);
    loose->body.selected = 255;
    EXPECT_EQ(countSelectionUnits(d.list, true), 2);
    EXPECT_EQ(countSelectionUnits(d.list, false), 4);
    for (ItemRecord& r : d.list)
        EXPECT_EQ(r.body.scratchMark, 0);
}

TEST(Selection, TagsReselectDrawnItemsButNotGroupFrames)
{
    NewDrawing d;
    ItemRecord* line = d.add(kinds::kLine);
    ItemRecord* frame = d.add(kinds::kGroupFrame);
    ItemRecord* other = d.add(kinds::kStar);
    line->body.selected = frame->body.selected = 255;
    const std::int32_t tag = tagSelection(d.list);
    selectOnly(d.list, other);
    EXPECT_TRUE(selectTagged(d.list, tag));
    EXPECT_EQ(line->body.selected, 255);
    EXPECT_EQ(frame->body.selected, 0);
    EXPECT_EQ(other->body.selected, 0);
    line->body.hidden = 255;
    EXPECT_FALSE(selectTagged(d.list, tag));
}

TEST(Selection, SelectLastItemSkipsOtherClassesAndStopsAtHidden)
{
    NewDrawing d;
    ItemRecord* shape = d.add(kinds::kPolygon);
    ItemRecord* pattern = createItem(d.list, -1);
    pattern->body.recordClass = kinds::kClassPattern;
    selectLastItem(d.list);
    EXPECT_EQ(shape->body.selected, 255);
    shape->body.selected = 0;
    shape->body.hidden = 255;
    selectLastItem(d.list);
    EXPECT_EQ(firstSelected(d.list), nullptr);
}

TEST(Text, LineCount)
{
    struct Case {
        std::u16string text;
        int lines;
    };
    const Case cases[] = {
        { u"", 0 },
        { u"one line", 1 },
        { u"a\u2028b\u2028c", 3 },
        { std::u16string(u"ab\0\u2028cd", 6), 1 }, // counting stops at the first NUL
    };
    for (const Case& c : cases) {
        ItemRecord r;
        setText(&r, c.text);
        EXPECT_EQ(textLineCount(&r), c.lines);
    }
    ItemRecord none;
    EXPECT_EQ(textLineCount(&none), 0);
}

TEST(Untouched, HeaderUnmodifiedAndAtMostThreeRecords)
{
    NewDrawing d;
    EXPECT_TRUE(isUntouched(d.list));
    createItem(d.list, kinds::kLine);
    EXPECT_FALSE(isUntouched(d.list)) << "modified";
    setModified(d.list, false);
    EXPECT_TRUE(isUntouched(d.list));
    createItem(d.list, kinds::kLine);
    setModified(d.list, false);
    EXPECT_FALSE(isUntouched(d.list)) << "four records";
    ItemList noHeader;
    EXPECT_FALSE(isUntouched(noHeader));
}

TEST(CopyItem, CopiesWhatTheRecordIsAndResetsItsHistoryPlace)
{
    NewDrawing d;
    ItemRecord* clip = d.add(kinds::kClip);
    clip->body.x1 = 11;
    clip->body.y2 = -4;
    clip->body.historyState = 2;
    clip->body.replacesStep = 17;
    clip->body.editBatch = 3;
    clip->body.stackMove = 1;
    clip->body.reserved116 = 42;
    clip->body.startClipRotation = 1.5;
    clip->body.clipRotation = 0.5;
    clip->body.saturation = -20;
    clip->body.surface = 127;
    clip->body.selected = 255;
    clip->body.reserved418[0] = 9;
    clip->tagList = { 4, 5 };
    setText(clip, u"name");
    PointEntry p;
    p.set(0, 1, 2);
    p.data.flags[1] = 7;
    clip->pointList = { p };
    clip->imageStream = { 1, 2, 3 };
    ItemRecord* child = createItem(clip->children, kinds::kClipBitmap);
    child->imageStream = { 9, 9 };
    child->body.x2 = 30;
    child->body.lineColor = 77;

    ItemList target;
    ItemRecord* copy = copyItem(target, *clip, ScreenMetrics {});
    const ItemBody& b = copy->body;
    EXPECT_EQ(b.x1, 11);
    EXPECT_EQ(b.y2, -4);
    EXPECT_DOUBLE_EQ(b.posX1, 11 * 96 / 25.4);
    EXPECT_EQ(b.historyState, 1);
    EXPECT_EQ(b.replacesStep, 0);
    EXPECT_EQ(b.editBatch, 0);
    EXPECT_EQ(b.stackMove, 0);
    EXPECT_EQ(b.reserved116, 0x00FFFFFFu);
    EXPECT_DOUBLE_EQ(b.startClipRotation, 0.0);
    EXPECT_DOUBLE_EQ(b.clipRotation, 0.5);
    EXPECT_EQ(b.saturation, -20);
    EXPECT_EQ(b.surface, 127);
    EXPECT_EQ(b.selected, 255);
    EXPECT_EQ(b.reserved418[0], 0);
    EXPECT_EQ(copy->tagList, (std::vector<std::int32_t> { 4, 5 }));
    EXPECT_EQ(getText(copy), u"name");
    ASSERT_EQ(copy->pointList.size(), 1u);
    EXPECT_EQ(copy->pointList[0].data.flags[1], 7);
    EXPECT_EQ(copy->imageStream.size(), 3u);

    EXPECT_TRUE(clip->children.empty()) << "the source's cached bitmaps are dropped";
    ASSERT_NE(copy->children.first, nullptr);
    EXPECT_EQ(copy->children.first->imageStream.size(), 2u);
    EXPECT_EQ(copy->children.first->body.x2, 30);
    EXPECT_EQ(copy->children.first->body.lineColor, 0) << "a cache copy carries only its bitmap and corners";
}

TEST(Coordinates, RoundClipExtentFromCentreAndRim)
{
    ItemRecord r;
    r.body.kind = kinds::kClip;
    r.body.clipShape = 2;
    r.body.x1 = 10;
    r.body.y1 = 10;
    r.body.x2 = 13;
    r.body.y2 = 14;
    syncRealCoordinates(&r, ScreenMetrics {});
    syncPixelCoordinates(&r, ScreenMetrics {});
    EXPECT_EQ(r.body.minX, 5);
    EXPECT_EQ(r.body.maxX, 15);
    EXPECT_EQ(r.body.spanX, 10);
    EXPECT_EQ(r.body.length, 14);
}

TEST(Coordinates, LineAngle)
{
    constexpr double pi = std::numbers::pi;
    struct Case {
        int x1, y1, x2, y2;
        double angle;
    };
    const Case cases[] = {
        { 0, 0, 0, 5, 3 * pi / 2 },
        { 0, 0, 0, -5, pi / 2 },
        { 3, 0, 0, 0, pi },
        { 0, 0, 3, 0, 0 },
        { 0, 0, 0, 0, 0 },
        { 0, 0, 5, -5, pi / 4 },
        { 0, 0, 5, 5, 7 * pi / 4 },
    };
    for (const Case& c : cases)
        EXPECT_NEAR(lineAngleOf(c.x1, c.y1, c.x2, c.y2), c.angle, 1e-12) << c.x2 << "," << c.y2;
}

TEST(Coordinates, PixelsComeBackFromRealsOnTheSameScreen)
{
    ItemRecord r;
    r.body.kind = kinds::kLine;
    r.body.x1 = -7;
    r.body.y1 = 123;
    r.body.x2 = 4001;
    r.body.y2 = 0;
    syncRealCoordinates(&r, ScreenMetrics {});
    r.body.x1 = r.body.y1 = r.body.x2 = r.body.y2 = 0;
    syncPixelCoordinates(&r, ScreenMetrics {});
    EXPECT_EQ(r.body.x1, -7);
    EXPECT_EQ(r.body.y1, 123);
    EXPECT_EQ(r.body.x2, 4001);
    EXPECT_EQ(r.body.spanX, 4008);
    EXPECT_EQ(r.body.minY, 0);
    EXPECT_EQ(r.body.maxY, 123);
}

TEST(FreeItem, KeepsTheEndsOfTheListRight)
{
    ItemList list;
    ItemRecord* a = createItem(list, kinds::kLine);
    ItemRecord* b = createItem(list, kinds::kLine);
    ItemRecord* c = createItem(list, kinds::kLine);
    freeItem(list, c);
    EXPECT_EQ(list.last, b);
    freeItem(list, a);
    EXPECT_EQ(list.first, b);
    EXPECT_EQ(b->prev, nullptr);
    EXPECT_EQ(b->next, nullptr);
    freeItem(list, b);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(list.last, nullptr);
}

} // namespace
