#include "DrawingFixture.h"

#include "model/Grouping.h"
#include "model/History.h"

#include <gtest/gtest.h>

namespace {

TEST(CompactGroupIds, LargestGroupTakesTheSmallestFreeIdUntilNoGapIsLeft)
{
    struct Case {
        std::vector<std::int32_t> ids; // one record each
        std::vector<std::int32_t> expected;
    };
    const Case cases[] = {
        { {}, {} }, { { 1, 2, 3 }, { 1, 2, 3 } }, { { 2 }, { 1 } },
        { { 3, 5 }, { 2, 1 } }, // 5 takes 1, then 3 takes 2
        { { 1, 4, 9 }, { 1, 3, 2 } }, // 9 takes 2, then 4 takes 3
        { { 5, 5, 7 }, { 2, 2, 1 } }, // a group of two moves as one
        { { 0, 2, 0 }, { 0, 1, 0 } }, // ungrouped records stay so
    };
    for (const Case& c : cases) {
        Drawing d;
        std::vector<ItemRecord*> items;
        for (std::int32_t id : c.ids) {
            items.push_back(d.draw(1));
            items.back()->body.groupId = id;
        }
        compactGroupIds(d.list);
        std::vector<std::int32_t> got;
        for (const ItemRecord* r : items)
            got.push_back(r->body.groupId);
        EXPECT_EQ(got, c.expected) << testing::PrintToString(c.ids);
    }
}

// Selects every live record of the groups, frames included, as clicking a
// member does.
void selectGroups(Drawing& d, std::initializer_list<std::int32_t> groups)
{
    selectOnly(d.list, nullptr);
    for (ItemRecord& r : d.list)
        for (std::int32_t g : groups)
            if (r.body.recordClass == kinds::kClassItem && !r.body.hidden && r.body.groupId == g)
                r.body.selected = 255;
}

struct GroupView {
    std::vector<std::int32_t> memberGroups; // of items 1..4
    std::vector<std::int32_t> frameGroups; // of the live frames, in list order
    int liveDropped = 0;
};

GroupView groupsOf(const Drawing& d)
{
    GroupView v;
    for (int label = 1; label <= 4; ++label)
        v.memberGroups.push_back(d.live(label)->body.groupId);
    for (const ItemRecord& r : d.list) {
        if (r.body.hidden)
            continue;
        if (r.body.kind == kinds::kGroupFrame)
            v.frameGroups.push_back(r.body.groupId);
        v.liveDropped += r.body.kind == kinds::kDropped;
    }
    return v;
}

TEST(JoinItems, TwoGroupsBecomeOneAndOneUndoRestoresBoth)
{
    Drawing d;
    for (int label = 1; label <= 4; ++label)
        d.draw(label);
    d.join({ 1, 2 });
    d.join({ 3, 4 });
    const GroupView before = groupsOf(d);
    ASSERT_EQ(before.memberGroups, (std::vector<std::int32_t> { 1, 1, 2, 2 }));
    ASSERT_EQ(before.frameGroups, (std::vector<std::int32_t> { 1, 2 }));

    selectGroups(d, { 1, 2 });
    const EditStep step = joinItems(d.list, d.screen);
    const GroupView joined = groupsOf(d);
    EXPECT_EQ(joined.memberGroups, (std::vector<std::int32_t> { 3, 3, 3, 3 }));
    EXPECT_EQ(joined.frameGroups, (std::vector<std::int32_t> { 3 }));
    EXPECT_EQ(joined.liveDropped, 2) << "the old frames";
    const ItemRecord* frame = step.made.back();
    ASSERT_EQ(frame->body.kind, kinds::kGroupFrame);
    // Centre of the four 20-pixel squares at x = 10, 20, 30, 40: sum of
    // x1 + x2 is 280 over 8 ends, sum of y1 + y2 is 80.
    EXPECT_EQ(frame->body.x1, 35);
    EXPECT_EQ(frame->body.x2, 35);
    EXPECT_EQ(frame->body.y1, 10);
    EXPECT_EQ(frame->body.startY2, 10);
    EXPECT_EQ(frame->body.zOrder, 0) << "frames stay out of the stacking order";
    EXPECT_EQ(frame->body.selected, 255);
    EXPECT_EQ(d.stack(), "1@1/10 2@2/20 3@3/30 4@4/40");

    undoStep(d.list);
    const GroupView undone = groupsOf(d);
    EXPECT_EQ(undone.memberGroups, before.memberGroups);
    EXPECT_EQ(undone.frameGroups, before.frameGroups);
    EXPECT_EQ(undone.liveDropped, 0);
    EXPECT_EQ(d.stack(), "1@1/10 2@2/20 3@3/30 4@4/40");
}

TEST(JoinItems, NeedsAnItemBesideFrames)
{
    Drawing d;
    d.draw(1);
    d.draw(2);
    d.join({ 1, 2 });
    d.draw(3);
    undoStep(d.list);
    selectOnly(d.list, findLiveOfKind(d.list, kinds::kGroupFrame));
    EXPECT_TRUE(joinItems(d.list, d.screen).empty());
    EXPECT_TRUE(historyAvailability(d.list).canRedo)
        << "a join that does nothing leaves the redo steps alone";
}

TEST(SplitGroup, UngroupsAsOneStep)
{
    Drawing d;
    d.draw(1);
    d.draw(2);
    d.draw(3);
    d.draw(4);
    d.join({ 1, 2, 3, 4 });
    selectGroups(d, { 1 });
    EXPECT_FALSE(splitGroup(d.list, d.screen).empty());
    const GroupView split = groupsOf(d);
    EXPECT_EQ(split.memberGroups, (std::vector<std::int32_t> { 0, 0, 0, 0 }));
    EXPECT_TRUE(split.frameGroups.empty());
    EXPECT_EQ(firstSelected(d.list), nullptr);
    undoStep(d.list);
    EXPECT_EQ(groupsOf(d).memberGroups, (std::vector<std::int32_t> { 1, 1, 1, 1 }));
    EXPECT_EQ(groupsOf(d).frameGroups, (std::vector<std::int32_t> { 1 }));

    d.select({ 1 });
    d.live(1)->body.groupId = 0;
    EXPECT_TRUE(splitGroup(d.list, d.screen).empty()) << "nothing grouped selected";
}

} // namespace
