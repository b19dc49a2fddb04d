// Selecting and dragging items with the pointer, through real mouse events on
// the canvas of a document window.
#include "DocumentWindowFixture.h"

#include "canvas/ToolItems.h"
#include "canvas/widgets/CanvasImage.h"
#include "model/History.h"
#include "model/ItemKinds.h"
#include "model/ItemRecord.h"
#include "render/TextRendering.h"

#include <QTest>

namespace {

class Selection : public DocumentWindowFixture {
protected:
    void SetUp() override
    {
        canvasForNewDrawings(1, 0, 0, 800, 600);
        w = newWindow(900, 700);
    }

    ItemRecord* make(std::int32_t kind, std::vector<QPoint> points, int shape = 0)
    {
        return makeToolItem(w->items(), { kind, std::move(points), shape }, preferences, context.screen());
    }
    ItemRecord* line(QPoint a, QPoint b, double weight = 0.0)
    {
        ItemRecord* r = make(kinds::kLine, { a, b });
        r->body.lineWeight = weight;
        r->body.direction = -1;
        return r;
    }
    QPoint screen(QPoint doc) const
    {
        return { w->docToScreen(doc.x(), w->tileX()), w->docToScreen(doc.y(), w->tileY()) };
    }
    QWidget* canvas() const { return w->canvasImage(); }
    void click(QPoint doc, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::mouseClick(canvas(), Qt::LeftButton, mods, screen(doc));
    }
    void drag(QPoint fromDoc, QPoint toDoc, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::mousePress(canvas(), Qt::LeftButton, mods, screen(fromDoc));
        QTest::mouseMove(canvas(), screen((fromDoc + toDoc) / 2));
        QTest::mouseMove(canvas(), screen(toDoc));
        QTest::mouseRelease(canvas(), Qt::LeftButton, mods, screen(toDoc));
    }
    // The live copy of an item after edits superseded it.
    ItemRecord* live(ItemRecord* r) const
    {
        while (r && r->body.hidden) {
            ItemRecord* next = nullptr;
            for (ItemRecord& c : w->items())
                if (c.body.replacesStep == r->body.stepNumber)
                    next = &c;
            r = next;
        }
        return r;
    }
    bool selected(ItemRecord* r) const { return live(r)->body.selected != 0; }
    QPoint anchor(ItemRecord* r, int i) const
    {
        const PointEntry& p = live(r)->pointList[std::size_t(i)];
        return { p.x(0), p.y(0) };
    }

    std::unique_ptr<DocumentWindow> w;
};

TEST_F(Selection, TheNearerOfTwoLinesIsPickedAndOfEqualOnesTheUpper)
{
    ItemRecord* near = line({ 100, 97 }, { 300, 97 });
    ItemRecord* far = line({ 100, 105 }, { 300, 105 });
    click({ 200, 100 });
    EXPECT_TRUE(selected(near));
    EXPECT_FALSE(selected(far));

    ItemRecord* lower = line({ 100, 296 }, { 300, 296 });
    ItemRecord* upper = line({ 100, 304 }, { 300, 304 });
    click({ 200, 300 });
    EXPECT_TRUE(selected(upper));
    EXPECT_FALSE(selected(lower));
    EXPECT_FALSE(selected(near));
}

TEST_F(Selection, TheClickLimitIsTenPixelsWidenedByHalfAThickLine)
{
    struct Case {
        double weightMm;
        int offset;
        bool picked;
    };
    // 4 mm at 96 dpi is 15.1 pixels: half of it comes off the distance.
    const Case cases[] = { { 0.0, 10, true }, { 0.0, 11, false }, { 4.0, 17, true }, { 4.0, 18, false } };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.weightMm << " mm at " << c.offset);
        ItemRecord* r = line({ 100, 200 }, { 400, 200 }, c.weightMm);
        click({ 250, 200 + c.offset });
        EXPECT_EQ(selected(r), c.picked);
        eraseItem(w->items(), *r, context.screen());
    }
}

TEST_F(Selection, ShiftTogglesAndAFarClickDeselects)
{
    ItemRecord* a = line({ 100, 100 }, { 300, 100 });
    ItemRecord* b = line({ 100, 200 }, { 300, 200 });
    click({ 200, 100 });
    click({ 200, 200 }, Qt::ShiftModifier);
    EXPECT_TRUE(selected(a));
    EXPECT_TRUE(selected(b));
    click({ 200, 100 }, Qt::ShiftModifier);
    EXPECT_FALSE(selected(a));
    EXPECT_TRUE(selected(b));
    click({ 600, 500 });
    EXPECT_FALSE(selected(b));
}

TEST_F(Selection, GroupMembersAreSelectedTogether)
{
    ItemRecord* a = line({ 100, 100 }, { 300, 100 });
    ItemRecord* b = line({ 100, 200 }, { 300, 200 });
    a->body.groupId = b->body.groupId = 4;
    click({ 200, 200 });
    EXPECT_TRUE(selected(a));
    EXPECT_TRUE(selected(b));
}

TEST_F(Selection, CtrlDragSelectsWhatLiesWhollyInsideOrWithShiftPartly)
{
    ItemRecord* inside = line({ 120, 120 }, { 180, 120 });
    ItemRecord* across = line({ 150, 150 }, { 400, 150 });
    drag({ 100, 100 }, { 200, 200 }, Qt::ControlModifier);
    EXPECT_TRUE(selected(inside));
    EXPECT_FALSE(selected(across));
    drag({ 100, 100 }, { 200, 200 }, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(selected(inside));
    EXPECT_TRUE(selected(across));
}

TEST_F(Selection, ALineAndACircleMoveTogetherByOneHandleAndUndoTogether)
{
    ItemRecord* l = line({ 100, 100 }, { 200, 100 });
    ItemRecord* c = make(kinds::kCircle, { { 400, 300 }, { 450, 300 } });
    click({ 150, 100 });
    click({ 450, 300 }, Qt::ShiftModifier);
    drag({ 100, 100 }, { 130, 140 }); // the line's first end
    EXPECT_EQ(QPoint(live(l)->body.x1, live(l)->body.y1), QPoint(130, 140));
    EXPECT_EQ(QPoint(live(l)->body.x2, live(l)->body.y2), QPoint(230, 140));
    EXPECT_EQ(anchor(c, 0), QPoint(430, 340));
    EXPECT_EQ(anchor(c, 1), QPoint(480, 340));
    w->undo();
    EXPECT_EQ(QPoint(live(l)->body.x1, live(l)->body.y1), QPoint(100, 100));
    EXPECT_EQ(anchor(c, 0), QPoint(400, 300));
}

TEST_F(Selection, AClickOnAHandleWithoutMovingRecordsNothing)
{
    line({ 100, 100 }, { 200, 100 });
    click({ 150, 100 });
    const int records = countRecords(w->items());
    click({ 100, 100 });
    EXPECT_EQ(countRecords(w->items()), records);
}

TEST_F(Selection, TheRotationDotTurnsATextLineByWholeDegreesOnly)
{
    struct Case {
        int dx; // the mouse 382 pixels above the centre, this far to the left
        std::int32_t tenths;
    };
    // 5 / 382 is 0.75 degrees: below one degree the text stays level.
    const Case cases[] = { { 5, 0 }, { 10, 15 } };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dx);
        ItemRecord* t = make(kinds::kText, { { 300, 450 }, { 400, 450 } });
        setText(t, u"Level");
        t->body.textAngle = 0;
        t->body.presetTextAngle = -1;
        textBox(*t, context.screen());
        click({ 350, 445 });
        ASSERT_TRUE(selected(t));
        drag({ 350, 410 }, { 350 - c.dx, 450 - 382 });
        EXPECT_EQ(live(t)->body.textAngle, c.tenths);
        eraseItem(w->items(), *live(t), context.screen());
    }
}

TEST_F(Selection, EachDragModeReshapesFromItsHandle)
{
    struct Case {
        const char* name;
        std::int32_t kind;
        std::vector<QPoint> points;
        QPoint pick; // a click on the outline
        QPoint from; // the handle
        QPoint to;
        std::vector<QPoint> expected; // the anchors (or a line's ends) afterwards
    };
    const std::vector<Case> cases = {
        { "line end", kinds::kLine, { { 100, 100 }, { 200, 100 } }, { 150, 100 }, { 200, 100 }, { 220, 150 },
            { { 100, 100 }, { 220, 150 } } },
        { "line middle moves", kinds::kLine, { { 100, 100 }, { 200, 100 } }, { 120, 100 }, { 150, 100 },
            { 160, 110 }, { { 110, 110 }, { 210, 110 } } },
        { "circle radius", kinds::kCircle, { { 300, 300 }, { 350, 300 } }, { 350, 300 }, { 300, 250 },
            { 300, 220 }, { { 300, 300 }, { 380, 300 } } },
        { "ellipse length", kinds::kEllipse, { { 300, 300 }, { 400, 300 }, { 300, 250 } }, { 400, 300 },
            { 400, 300 }, { 420, 300 }, { { 300, 300 }, { 420, 300 }, { 300, 250 } } },
        { "triangle point", kinds::kTriangle, { { 100, 300 }, { 200, 300 }, { 150, 200 } }, { 150, 300 },
            { 150, 200 }, { 160, 180 }, { { 100, 300 }, { 200, 300 }, { 160, 180 } } },
        { "triangle centre moves", kinds::kTriangle, { { 100, 300 }, { 200, 300 }, { 150, 210 } },
            { 150, 300 }, { 150, 270 }, { 170, 280 }, { { 120, 310 }, { 220, 310 }, { 170, 220 } } },
        { "rectangle side", kinds::kRectangle, { { 100, 300 }, { 200, 300 }, { 200, 250 } }, { 150, 300 },
            { 200, 275 }, { 230, 290 }, { { 100, 300 }, { 230, 300 }, { 230, 250 }, { 100, 250 } } },
        { "rectangle corner", kinds::kRectangle, { { 100, 300 }, { 200, 300 }, { 200, 250 } }, { 150, 300 },
            { 200, 250 }, { 240, 230 }, { { 100, 300 }, { 240, 300 }, { 240, 230 }, { 100, 230 } } },
        { "square corner keeps a square", kinds::kSquare, { { 100, 300 }, { 200, 300 } }, { 150, 300 },
            { 200, 200 }, { 220, 180 }, { { 100, 300 }, { 220, 300 }, { 220, 180 }, { 100, 180 } } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ItemRecord* r = make(c.kind, c.points);
        if (c.kind == kinds::kLine)
            r->body.direction = -1;
        click(c.pick);
        ASSERT_TRUE(selected(r));
        drag(c.from, c.to);
        ItemRecord* now = live(r);
        ASSERT_NE(now, r) << "the drag lifted the item";
        if (c.kind == kinds::kLine) {
            EXPECT_EQ(QPoint(now->body.x1, now->body.y1), c.expected[0]);
            EXPECT_EQ(QPoint(now->body.x2, now->body.y2), c.expected[1]);
        } else {
            ASSERT_EQ(now->pointList.size(), c.expected.size());
            for (std::size_t i = 0; i < c.expected.size(); ++i)
                EXPECT_EQ(anchor(now, int(i)), c.expected[i]) << "point " << i;
        }
        eraseItem(w->items(), *now, context.screen());
    }
}

TEST_F(Selection, ALineWithAPresetDirectionKeepsIt)
{
    ItemRecord* r = line({ 100, 100 }, { 200, 100 });
    r->body.direction = 0;
    click({ 150, 100 });
    drag({ 200, 100 }, { 260, 130 });
    EXPECT_EQ(QPoint(live(r)->body.x2, live(r)->body.y2), QPoint(260, 100));
    // Past the other end the line would point the other way: the end stays.
    drag({ 260, 100 }, { 50, 100 });
    EXPECT_EQ(QPoint(live(r)->body.x2, live(r)->body.y2), QPoint(260, 100));
}

} // namespace
