#include "DrawingFixture.h"

#include "model/Clipboard.h"
#include "model/Grouping.h"
#include "model/History.h"
#include "model/Stacking.h"

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <utility>

namespace {

enum class Op { Draw, Select, Move, Erase, Undo, Redo, OnTop, Behind, Clear, Copy, Paste, Grid };

struct Action {
    Op op;
    std::vector<int> labels = {};
    int dx = 0;
};

struct Scenario {
    const char* name;
    std::vector<Action> actions;
    std::string stack; // visible items afterwards, bottom to top, as label@z/x
    bool canUndo;
    bool canRedo;
};

void PrintTo(const Scenario& s, std::ostream* out)
{
    *out << s.name;
}

Action draw(int label)
{
    return { Op::Draw, { label } };
}
Action select(std::vector<int> labels)
{
    return { Op::Select, std::move(labels) };
}
Action move(int dx)
{
    return { Op::Move, {}, dx };
}
const Action undo { Op::Undo };
const Action redo { Op::Redo };
const Action erase { Op::Erase };
const Action onTop { Op::OnTop };
const Action behind { Op::Behind };
const Action clearAll { Op::Clear };
const Action copy { Op::Copy };
const Action paste { Op::Paste };
const Action gridEdit { Op::Grid };

void run(Drawing& d, ItemList& clipboard, const Action& a)
{
    switch (a.op) {
    case Op::Draw:
        d.draw(a.labels.front());
        break;
    case Op::Select:
        d.select(a.labels);
        break;
    case Op::Move:
        for (ItemRecord* c : beginEditStep(d.list, d.screen).made) {
            c->body.x1 += a.dx;
            c->body.x2 += a.dx;
        }
        break;
    case Op::Erase:
        eraseSelected(d.list, d.screen);
        break;
    case Op::Undo:
        undoStep(d.list);
        break;
    case Op::Redo:
        redoStep(d.list);
        break;
    case Op::OnTop:
        placeOnTop(d.list, d.screen);
        break;
    case Op::Behind:
        placeBehind(d.list, d.screen);
        break;
    case Op::Clear:
        clearHistory(d.list);
        break;
    case Op::Copy:
        copySelection(d.list, clipboard, d.screen);
        break;
    case Op::Paste:
        pasteClipboard(d.list, clipboard, d.screen);
        break;
    case Op::Grid:
        recordGridEdit(d.list, d.screen);
        break;
    }
}

std::vector<Scenario> scenarios()
{
    const std::string five = "1@1/10 2@2/20 3@3/30 4@4/40 5@5/50";
    return {
        { "three squares, undo twice", { draw(1), draw(2), draw(3), undo, undo }, "1@1/10", true, true },
        { "three squares, undo twice, redo once", { draw(1), draw(2), draw(3), undo, undo, redo },
            "1@1/10 2@2/20", true, true },
        { "three squares, undo twice, redo twice", { draw(1), draw(2), draw(3), undo, undo, redo, redo },
            "1@1/10 2@2/20 3@3/30", true, false },
        { "an item drawn and undone is hidden, nothing else", { draw(1), undo }, "", false, true },
        { "a two-item move", { draw(1), draw(2), select({ 1, 2 }), move(5) }, "1@1/15 2@2/25", true, false },
        { "a two-item move is undone together", { draw(1), draw(2), select({ 1, 2 }), move(5), undo },
            "1@1/10 2@2/20", true, true },
        { "a move undone, then the drawing undone", { draw(1), select({ 1 }), move(5), undo, undo }, "",
            false, true },
        { "erase", { draw(1), draw(2), draw(3), select({ 2 }), erase }, "1@1/10 3@3/30", true, false },
        { "erase undone: back at its old stacking position",
            { draw(1), draw(2), draw(3), select({ 2 }), erase, undo }, "1@1/10 2@2/20 3@3/30", true, true },
        { "erase redone", { draw(1), draw(2), draw(3), select({ 2 }), erase, undo, redo }, "1@1/10 3@3/30",
            true, false },
        { "a new item after an undo clears the redo steps", { draw(1), draw(2), undo, draw(3) },
            "1@1/10 3@2/30", true, false },
        { "undo in an all-base drawing does nothing", { draw(1), draw(2), clearAll, undo }, "1@1/10 2@2/20",
            false, false },
        { "base item brought on top", { draw(1), draw(2), draw(3), clearAll, select({ 1 }), onTop },
            "2@1/20 3@2/30 1@3/10", true, false },
        { "base item brought on top, undone",
            { draw(1), draw(2), draw(3), clearAll, select({ 1 }), onTop, undo }, "1@1/10 2@2/20 3@3/30",
            false, true },
        { "base item brought on top, undone twice: it never vanishes",
            { draw(1), draw(2), draw(3), clearAll, select({ 1 }), onTop, undo, undo }, "1@1/10 2@2/20 3@3/30",
            false, true },
        { "bring on top undone and redone",
            { draw(1), draw(2), draw(3), clearAll, select({ 1 }), onTop, undo, undo, redo },
            "2@1/20 3@2/30 1@3/10", true, false },
        { "the third of five placed behind",
            { draw(1), draw(2), draw(3), draw(4), draw(5), select({ 3 }), behind },
            "3@1/30 1@2/10 2@3/20 4@4/40 5@5/50", true, false },
        { "placed behind, undone",
            { draw(1), draw(2), draw(3), draw(4), draw(5), select({ 3 }), behind, undo }, five, true, true },
        { "placed behind, undone, redone",
            { draw(1), draw(2), draw(3), draw(4), draw(5), select({ 3 }), behind, undo, redo },
            "3@1/30 1@2/10 2@3/20 4@4/40 5@5/50", true, false },
        { "the top item placed on top", { draw(1), draw(2), draw(3), draw(4), draw(5), select({ 5 }), onTop },
            five, true, false },
        { "two items brought on top keep their order",
            { draw(1), draw(2), draw(3), draw(4), draw(5), select({ 2, 4 }), onTop },
            "1@1/10 3@2/30 5@3/50 2@4/20 4@5/40", true, false },
        { "two items brought on top, one undo",
            { draw(1), draw(2), draw(3), draw(4), draw(5), select({ 2, 4 }), onTop, undo }, five, true,
            true },
        { "two items brought on top, undone and redone",
            { draw(1), draw(2), draw(3), draw(4), draw(5), select({ 2, 4 }), onTop, undo, redo },
            "1@1/10 3@2/30 5@3/50 2@4/20 4@5/40", true, false },
        { "a move after an undone stacking step is undone in place",
            { draw(1), draw(2), draw(3), select({ 1 }), onTop, undo, select({ 1 }), move(5), undo },
            "1@1/10 2@2/20 3@3/30", true, true },
        { "erase, another brought on top, both undone",
            { draw(1), draw(2), draw(3), select({ 1 }), erase, select({ 2 }), onTop, undo, undo },
            "1@1/10 2@2/20 3@3/30", true, true },
        { "paste clears the redo steps and lands on top",
            { draw(1), draw(2), undo, select({ 1 }), copy, paste }, "1@1/10 1@2/20", true, false },
        { "a paste is undone in one step", { draw(1), draw(2), select({ 1, 2 }), copy, paste, undo },
            "1@1/10 2@2/20", true, true },
        { "a gridline edit clears the redo steps", { draw(1), undo, gridEdit }, "", true, false },
    };
}

class HistoryScenario : public testing::TestWithParam<Scenario> { };

TEST_P(HistoryScenario, LeavesTheDrawingAsWorkedOut)
{
    const Scenario& s = GetParam();
    Drawing d;
    ItemList clipboard;
    for (const Action& a : s.actions)
        run(d, clipboard, a);
    EXPECT_EQ(d.stack(), s.stack);
    const HistoryAvailability a = historyAvailability(d.list);
    EXPECT_EQ(a.canUndo, s.canUndo);
    EXPECT_EQ(a.canRedo, s.canRedo);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HistoryScenario, testing::ValuesIn(scenarios()), [](const testing::TestParamInfo<Scenario>& p) {
        std::string name;
        for (const char* c = p.param.name; *c; ++c)
            name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
        return name;
    });

} // namespace
