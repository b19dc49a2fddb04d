#include "DrawingFixture.h"

#include "model/Grouping.h"
#include "model/History.h"
#include "model/Stacking.h"

#include <gtest/gtest.h>

#include <set>

namespace {

ItemRecord* drawClip(Drawing& d, int label, std::int32_t pictureId)
{
    ItemRecord* clip = d.draw(label, kinds::kClip);
    clip->body.pictureId = pictureId;
    return clip;
}

TEST(ClearRedoSteps, UndoneClipTakesItsPictureStoreOnlyWhenItWasTheLastUser)
{
    struct Case {
        const char* name;
        int liveClips; // drawn first, kept
        int undoneClips; // drawn after, undone
        int storesLeft;
    };
    const Case cases[] = {
        { "the only user undone", 0, 1, 0 },
        { "another clip still uses the picture", 1, 1, 1 },
        { "two undone users of one picture", 0, 2, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Drawing d;
        addPictureStore(d.list, 7);
        int label = 1;
        for (int i = 0; i < c.liveClips + c.undoneClips; ++i)
            drawClip(d, label++, 7);
        for (int i = 0; i < c.undoneClips; ++i)
            undoStep(d.list);
        EXPECT_EQ(clearRedoSteps(d.list), c.undoneClips);
        EXPECT_EQ(picturesIn(d.list), c.storesLeft);
        EXPECT_FALSE(historyAvailability(d.list).canRedo);
    }
}

TEST(ClearHistory, LeavesOnlyLiveRecordsNumberedInListOrderAndGroupsWithoutGaps)
{
    Drawing d;
    addPictureStore(d.list, 7);
    addPictureStore(d.list, 8);
    d.draw(1)->body.groupId = 4;
    d.draw(2);
    d.draw(3)->body.groupId = 9;
    drawClip(d, 4, 7); // erased below: its deletion marker is the picture's last user
    drawClip(d, 5, 8)->body.groupId = 2;
    d.draw(6, kinds::kText); // never typed into: an empty text line
    setText(d.draw(7, kinds::kText), u"kept");
    d.select({ 1 });
    beginEditStep(d.list, d.screen).made.front()->body.x1 = 99; // leaves a hidden superseded record
    d.select({ 2, 4 });
    eraseSelected(d.list, d.screen); // dropped records; clip 4 was picture 7's only user
    d.draw(8);
    undoStep(d.list); // a redo step

    clearHistory(d.list);

    EXPECT_EQ(d.stack(), "1@1/99 3@3/30 5@5/50 7@7/70");
    std::vector<int> labels, steps, groups;
    for (const ItemRecord& r : d.list) {
        if (r.body.recordClass != kinds::kClassItem)
            continue;
        EXPECT_EQ(r.body.hidden, 0);
        EXPECT_NE(r.body.kind, kinds::kDropped);
        EXPECT_EQ(r.body.historyState, history::kBase);
        EXPECT_EQ(r.body.replacesStep, 0);
        labels.push_back(r.body.lineColor);
        steps.push_back(r.body.stepNumber);
        groups.push_back(r.body.groupId);
    }
    // List order: the grid, 3, 5, 7, then the copy of 1 made by the move.
    EXPECT_EQ(labels, (std::vector<int> { 0, 3, 5, 7, 1 }));
    EXPECT_EQ(steps, (std::vector<int> { 1, 2, 3, 4, 5 }));
    // Groups 2, 4 and 9: 9 takes 1, then 4 takes 3.
    EXPECT_EQ(groups, (std::vector<int> { 0, 1, 2, 0, 3 }));
    EXPECT_EQ(findPictureStore(d.list, 7), nullptr);
    EXPECT_NE(findPictureStore(d.list, 8), nullptr);
    const HistoryAvailability a = historyAvailability(d.list);
    EXPECT_FALSE(a.canUndo);
    EXPECT_FALSE(a.canRedo);
}

TEST(BeginEditStep, CopiesTakeTheOldPlaceAsTheirStartOfEdit)
{
    Drawing d;
    ItemRecord* old = d.draw(1, kinds::kSpline);
    old->body.startX1 = old->body.startY2 = -50; // left over from an earlier edit
    old->body.clipRotation = 0.25;
    PointEntry p;
    p.set(0, 3, 4);
    p.set(1, -1, -1);
    p.set(2, 5, 6);
    p.set(3, 7, 8);
    old->pointList = { p, p };
    old->markSnapshots.push_back({});
    d.select({ 1 });

    const EditStep step = beginEditStep(d.list, d.screen);
    ASSERT_EQ(step.made.size(), 1u);
    const ItemRecord& c = *step.made.front();
    EXPECT_EQ(step.superseded.front(), old);
    EXPECT_EQ(old->body.hidden, 255);
    EXPECT_EQ(old->body.selected, 0);
    EXPECT_TRUE(old->markSnapshots.empty());
    EXPECT_EQ(c.body.selected, 255);
    EXPECT_EQ(c.body.replacesStep, old->body.stepNumber);
    EXPECT_EQ(c.body.zOrder, old->body.zOrder);
    EXPECT_EQ(c.body.editBatch, old->body.editBatch + 1);
    EXPECT_EQ(c.body.startX1, 10);
    EXPECT_EQ(c.body.startX2, 30);
    EXPECT_EQ(c.body.startY2, 20);
    EXPECT_DOUBLE_EQ(c.body.startClipRotation, 0.25);
    for (const PointEntry& e : c.pointList) {
        EXPECT_EQ(e.x(1), 3);
        EXPECT_EQ(e.y(1), 4);
        EXPECT_EQ(e.x(4), 5);
        EXPECT_EQ(e.y(5), 8);
    }
    EXPECT_TRUE(beginEditStep(d.list, d.screen).made.size() == 1) << "the copy is the selection now";
}

TEST(EraseItem, RemovesOneItemAsAnUndoableStep)
{
    // A spline left with two points is removed this way.
    Drawing d;
    ItemRecord* spline = d.draw(1, kinds::kSpline);
    spline->pointList.resize(2);
    d.draw(2);
    d.select({ 2 });
    const EditStep step = eraseItem(d.list, *spline, d.screen);
    ASSERT_EQ(step.made.size(), 1u);
    EXPECT_EQ(d.stack(), "2@2/20");
    EXPECT_TRUE(step.made.front()->pointList.empty()) << "the deletion marker holds no copy of the points";
    undoStep(d.list);
    EXPECT_EQ(d.stack(), "1@1/10 2@2/20");
    EXPECT_EQ(d.live(1)->pointList.size(), 2u);
}

TEST(EraseSelected, GroupFrameGoesOnlyWithTheWholeGroup)
{
    struct Case {
        const char* name;
        std::vector<int> erased;
        bool frameLeft;
    };
    const Case cases[] = {
        { "whole group", { 1, 2 }, false },
        { "one member", { 1 }, true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Drawing d;
        d.draw(1);
        d.draw(2);
        d.join({ 1, 2 });
        d.select(c.erased);
        findLiveOfKind(d.list, kinds::kGroupFrame)->body.selected = 255;
        eraseSelected(d.list, d.screen);
        EXPECT_EQ(findLiveOfKind(d.list, kinds::kGroupFrame) != nullptr, c.frameLeft);
        EXPECT_EQ(firstSelected(d.list), nullptr);
        undoStep(d.list);
        EXPECT_NE(findLiveOfKind(d.list, kinds::kGroupFrame), nullptr);
        EXPECT_EQ(d.stack(), "1@1/10 2@2/20");
    }
}

TEST(GridEdit, UndoBringsBackTheOldGridlines)
{
    Drawing d;
    d.grid->gridListX.push_back({ 0, 0, 97, 1, 104, 12 });
    ItemRecord* edited = recordGridEdit(d.list, d.screen);
    ASSERT_NE(edited, nullptr);
    ASSERT_EQ(edited->gridListX.size(), 1u);
    edited->gridListX[0].deleted = 1;
    EXPECT_EQ(findLiveOfKind(d.list, kinds::kGrid), edited);
    undoStep(d.list);
    EXPECT_EQ(findLiveOfKind(d.list, kinds::kGrid), d.grid);
    EXPECT_EQ(d.grid->gridListX[0].deleted, 0);
    redoStep(d.list);
    EXPECT_EQ(findLiveOfKind(d.list, kinds::kGrid), edited);
}

TEST(GridEdit, JoiningABatchIsUndoneWithIt)
{
    Drawing d;
    d.draw(1);
    d.select({ 1 });
    const EditStep move = beginEditStep(d.list, d.screen);
    move.made.front()->body.x1 = 40;
    recordGridEdit(d.list, d.screen, move.batch);
    undoStep(d.list);
    EXPECT_EQ(findLiveOfKind(d.list, kinds::kGrid), d.grid);
    EXPECT_EQ(d.stack(), "1@1/10");
}

// Invariants every history operation keeps: one live record per item, live
// items on distinct stacking positions, distinct step numbers.
void expectConsistent(const Drawing& d)
{
    std::set<int> liveLabels, liveZ, steps;
    for (const ItemRecord& r : d.list) {
        if (r.body.recordClass != kinds::kClassItem)
            continue;
        EXPECT_TRUE(steps.insert(r.body.stepNumber).second) << "step " << r.body.stepNumber;
        if (r.body.hidden || !kinds::isDrawnItem(r.body.kind))
            continue;
        EXPECT_TRUE(liveLabels.insert(r.body.lineColor).second) << "item " << r.body.lineColor;
        EXPECT_TRUE(liveZ.insert(r.body.zOrder).second) << "z " << r.body.zOrder;
    }
}

TEST(HistoryGrowth, ManyEditUndoRedoCyclesKeepTheListBounded)
{
    Drawing d;
    for (int label = 1; label <= 3; ++label)
        d.draw(label);
    clearHistory(d.list);
    const std::string start = d.stack();
    const int baseRecords = d.records();

    int most = 0;
    for (int i = 0; i < 10000; ++i) {
        d.select({ 1 + i % 3 });
        for (ItemRecord* c : beginEditStep(d.list, d.screen).made)
            c->body.y1 = i;
        placeOnTop(d.list, d.screen);
        eraseSelected(d.list, d.screen);
        for (int k = 0; k < 3; ++k)
            undoStep(d.list);
        for (int k = 0; k < 3; ++k)
            redoStep(d.list);
        for (int k = 0; k < 3; ++k)
            undoStep(d.list);
        most = std::max(most, d.records());
    }
    EXPECT_EQ(d.stack(), start);
    EXPECT_EQ(most, baseRecords + 3) << "three undone records, cleared by the next cycle's edit";
    expectConsistent(d);

    for (int i = 0; i < 1000; ++i) {
        d.select({ 1 + i % 3 });
        beginEditStep(d.list, d.screen);
    }
    expectConsistent(d);
    EXPECT_EQ(d.records(), baseRecords + 1000) << "each move keeps the record it superseded";
    clearHistory(d.list);
    EXPECT_EQ(d.records(), baseRecords);
}

} // namespace
