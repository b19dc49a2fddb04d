#include "DrawingFixture.h"

#include "model/Clipboard.h"
#include "model/SelectionSummary.h"

#include <gtest/gtest.h>

namespace {

struct Pick {
    std::int32_t kind;
    std::int32_t shapeVariant = 0;
};

TEST(SameKindSelection, OneKindAndForSplinesAndCurvesOneClosedness)
{
    struct Case {
        const char* name;
        std::vector<Pick> selected;
        bool same;
    };
    const Case cases[] = {
        { "nothing", {}, false },
        { "two squares", { { kinds::kSquare }, { kinds::kSquare } }, true },
        { "square and circle", { { kinds::kSquare }, { kinds::kCircle } }, false },
        { "open and closed spline", { { kinds::kSpline, 0 }, { kinds::kSpline, 1 } }, false },
        { "closed spline and solid shape", { { kinds::kSpline, 1 }, { kinds::kSpline, 2 } }, true },
        { "closed and open curve", { { kinds::kCurve, 1 }, { kinds::kCurve, 0 } }, false },
        { "square and a group frame", { { kinds::kSquare }, { kinds::kGroupFrame } }, true },
        { "a group frame alone", { { kinds::kGroupFrame } }, false },
    };
    for (const Case& c : cases) {
        Drawing d;
        d.draw(99, kinds::kCircle); // never selected
        for (const Pick& p : c.selected) {
            ItemRecord* r = d.draw(1, p.kind);
            r->body.shapeVariant = p.shapeVariant;
            r->body.selected = 255;
        }
        EXPECT_EQ(sameKindSelection(d.list), c.same) << c.name;
    }
}

TEST(SelectionCentre, MeanOfRoundedCentresWithIntegerDivision)
{
    struct Ends {
        int x1, x2, y1, y2;
    };
    struct Case {
        const char* name;
        std::vector<Ends> selected;
        int x, y;
    };
    const Case cases[] = {
        { "nothing selected", {}, 0, 0 },
        // Centres 10.5 and 20.5 round to even: 10 and 20; y: 1.5 and -1.5 give 2 and -2.
        { "ties round to even", { { 0, 21, 0, 3 }, { 10, 31, 0, -3 } }, 15, 0 },
        // Centres 1, 1, 2 (x) and -1, -1, -2 (y): sums 4 and -4 over 3 truncate to 1 and -1.
        { "division truncates", { { 0, 2, 0, -2 }, { 1, 1, -1, -1 }, { 2, 2, -2, -2 } }, 1, -1 },
    };
    for (const Case& c : cases) {
        Drawing d;
        for (const Ends& e : c.selected) {
            ItemRecord* r = d.draw(1);
            r->body.x1 = e.x1;
            r->body.x2 = e.x2;
            r->body.y1 = e.y1;
            r->body.y2 = e.y2;
            r->body.selected = 255;
        }
        const SelectionCentre centre = selectionCentre(d.list);
        EXPECT_EQ(centre.x, c.x) << c.name;
        EXPECT_EQ(centre.y, c.y) << c.name;
    }
}

TEST(EditCommandState, FollowsTheSelectionAndTheClipboard)
{
    struct Case {
        const char* name;
        std::vector<std::int32_t> selectedGroups; // one selected item per entry
        bool clipboardHoldsItems;
        EditCommandState expected; // selection, paste, join, split
    };
    const Case cases[] = {
        { "nothing selected, empty clipboard", {}, false, { false, false, false, false } },
        { "nothing selected, items to paste", {}, true, { false, true, false, false } },
        { "one loose item", { 0 }, false, { true, false, false, false } },
        { "two loose items", { 0, 0 }, false, { true, false, true, false } },
        { "two members of one group", { 4, 4 }, false, { true, false, false, true } },
        { "a group and a loose item", { 4, 4, 0 }, false, { true, false, true, true } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Drawing d;
        for (std::int32_t group : c.selectedGroups) {
            ItemRecord* r = d.draw(1);
            r->body.groupId = group;
            r->body.selected = 255;
        }
        ItemList clipboard;
        if (c.clipboardHoldsItems) {
            Drawing source;
            source.draw(1);
            source.select({ 1 });
            copySelection(source.list, clipboard, source.screen);
        }
        const EditCommandState s = editCommandState(&d.list, clipboard);
        EXPECT_EQ(s.hasSelection, c.expected.hasSelection);
        EXPECT_EQ(s.canPaste, c.expected.canPaste);
        EXPECT_EQ(s.canJoin, c.expected.canJoin);
        EXPECT_EQ(s.canSplit, c.expected.canSplit);
    }
    ItemList clipboard;
    EXPECT_FALSE(editCommandState(nullptr, clipboard).hasSelection) << "no drawing open";
}

} // namespace
