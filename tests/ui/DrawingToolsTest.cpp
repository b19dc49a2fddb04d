#include "DocumentWindowFixture.h"

#include "canvas/widgets/CanvasImage.h"
#include "model/History.h"
#include "model/ItemKinds.h"
#include "model/ItemRecord.h"
#include "platform/Bitmap24.h"
#include "shell/KeyWatcher.h"

#include <QScrollBar>
#include <QTest>

#include <ostream>
#include <string>
#include <vector>

namespace {

// One mouse click on the canvas at an item coordinate, with Shift or not.
struct Click {
    int x;
    int y;
    bool shift = false;
};

// A document window at zoom 1 whose canvas starts at item coordinate 0, so
// that a canvas pixel is an item coordinate; its keys go through the
// application's key watcher as the main window's do.
class DrawingTools : public DocumentWindowFixture {
protected:
    DrawingTools()
    {
        canvasForNewDrawings(1, 0, 0, 600, 400);
        preferences.lineColor = 0x102030;
        preferences.lineWeight = 0.5;
        preferences.shapeColor = 0x405060;
        preferences.shapeFillColor = 0x708090;
        preferences.shapeSides = 7;
        preferences.textColor = 0x0000FF;
        preferences.textSize = 20;
        preferences.textFont = QStringLiteral("Liberation Sans");
        w = newWindow(800, 600);
        keys = std::make_unique<KeyWatcher>(w.get(), [this] { return w.get(); });
    }

    QWidget* canvas() const { return w->canvasImage(); }
    void choose(EditMode mode) { w->setEditMode(mode); }
    void click(Click c)
    {
        QTest::mouseClick(
            canvas(), Qt::LeftButton, c.shift ? Qt::ShiftModifier : Qt::NoModifier, QPoint(c.x, c.y));
    }
    void clicks(const std::vector<Click>& all)
    {
        for (const Click& c : all)
            click(c);
    }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(canvas(), k, modifiers);
    }

    // The live drawn items, oldest first.
    std::vector<const ItemRecord*> drawn() const
    {
        std::vector<const ItemRecord*> found;
        for (const ItemRecord& r : w->items())
            if (r.body.hidden == 0 && kinds::isDrawnItem(r.body.kind))
                found.push_back(&r);
        return found;
    }

    std::unique_ptr<DocumentWindow> w;
    std::unique_ptr<KeyWatcher> keys;
};

std::vector<QPoint> anchorsOf(const ItemRecord& r)
{
    std::vector<QPoint> points;
    for (const PointEntry& e : r.pointList)
        points.emplace_back(e.x(0), e.y(0));
    return points;
}

// One row per tool: its clicks, the item they make and the defining points
// worked out by hand (the line's two ends, else the point list's anchors).
struct ToolCase {
    const char* name;
    EditMode mode;
    std::vector<Click> clicks;
    std::int32_t kind;
    std::vector<QPoint> points;
    int shape; // shapeVariant
};

void PrintTo(const ToolCase& c, std::ostream* out)
{
    *out << c.name;
}

const std::vector<Click> kChain { { 100, 100 }, { 150, 120 }, { 200, 100 }, { 250, 150, true } };
const std::vector<QPoint> kChainPoints { { 100, 100 }, { 150, 120 }, { 200, 100 }, { 250, 150 } };

std::vector<ToolCase> toolCases()
{
    return {
        { "line", EditMode::Line, { { 100, 100 }, { 200, 150 } }, kinds::kLine,
            { { 100, 100 }, { 200, 150 } }, 0 },
        { "triangle", EditMode::Triangle, { { 100, 100 }, { 200, 100 }, { 150, 50 } }, kinds::kTriangle,
            { { 100, 100 }, { 200, 100 }, { 150, 50 } }, kinds::kSolid },
        // The square lies left of the clicked side (y up).
        { "square", EditMode::Square, { { 100, 100 }, { 150, 100 } }, kinds::kSquare,
            { { 100, 100 }, { 150, 100 }, { 150, 50 }, { 100, 50 } }, kinds::kSolid },
        // The third click is moved onto the perpendicular through the second.
        { "rectangle", EditMode::Rectangle, { { 100, 100 }, { 200, 100 }, { 180, 60 } }, kinds::kRectangle,
            { { 100, 100 }, { 200, 100 }, { 200, 60 }, { 100, 60 } }, kinds::kSolid },
        { "circle", EditMode::Circle, { { 200, 200 }, { 230, 200 } }, kinds::kCircle,
            { { 200, 200 }, { 230, 200 } }, 0 },
        { "ellipse", EditMode::Ellipse, { { 200, 200 }, { 260, 200 }, { 230, 170 } }, kinds::kEllipse,
            { { 200, 200 }, { 260, 200 }, { 230, 170 } }, 0 },
        { "polygon", EditMode::Polygon, { { 200, 200 }, { 240, 200 } }, kinds::kPolygon,
            { { 200, 200 }, { 240, 200 } }, 0 },
        { "star", EditMode::Star, { { 200, 200 }, { 250, 200 }, { 220, 200 } }, kinds::kStar,
            { { 200, 200 }, { 250, 200 }, { 220, 200 } }, 0 },
        { "pie", EditMode::Pie, { { 200, 200 }, { 250, 200 }, { 200, 150 } }, kinds::kPie,
            { { 200, 200 }, { 250, 200 }, { 200, 150 } }, 0 },
        { "arc", EditMode::Arc, { { 200, 200 }, { 250, 200 }, { 200, 150 } }, kinds::kArc,
            { { 200, 200 }, { 250, 200 }, { 200, 150 } }, 0 },
        { "spline", EditMode::Spline, kChain, kinds::kSpline, kChainPoints, kinds::kOpen },
        { "solid", EditMode::Solid, kChain, kinds::kSpline, kChainPoints, kinds::kSolid },
        { "curve", EditMode::Curve, kChain, kinds::kCurve, kChainPoints, kinds::kOpen },
        { "oblong", EditMode::Oblong, kChain, kinds::kCurve, kChainPoints, kinds::kSolid },
    };
}

class ToolTableCase : public DrawingTools, public testing::WithParamInterface<ToolCase> { };

TEST_P(ToolTableCase, ClicksMakeTheItemWithTheToolDefaults)
{
    const ToolCase& c = GetParam();
    choose(c.mode);
    clicks(c.clicks);
    const std::vector<const ItemRecord*> items = drawn();
    ASSERT_EQ(items.size(), 1u);
    const ItemBody& b = items[0]->body;
    EXPECT_EQ(b.kind, c.kind);
    EXPECT_EQ(w->pointCount(), 0) << "ready for the next item";
    EXPECT_EQ(w->editMode(), c.mode) << "the tool stays";
    EXPECT_EQ(b.historyState, history::kDone);
    EXPECT_EQ(b.selected, 0);
    if (c.kind == kinds::kLine) {
        EXPECT_EQ(QPoint(b.x1, b.y1), c.points[0]);
        EXPECT_EQ(QPoint(b.x2, b.y2), c.points[1]);
        EXPECT_EQ(b.lineColor, 0x102030);
        EXPECT_EQ(b.lineWeight, 0.5);
        // 0.5 mm at 96 dpi: 1.89 pixels.
        EXPECT_EQ(b.penWidth, 2);
        return;
    }
    EXPECT_EQ(anchorsOf(*items[0]), c.points);
    EXPECT_EQ(b.shapeVariant, c.shape);
    EXPECT_EQ(b.lineColor, 0x405060);
    EXPECT_EQ(b.fillColor, 0x708090);
    EXPECT_EQ(b.sides, 7);
    // The stored box holds every anchor with room for the handles.
    for (const QPoint& p : c.points) {
        EXPECT_LE(b.minX, p.x() - 4);
        EXPECT_GE(b.maxY, p.y() + 4);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryTool, ToolTableCase, testing::ValuesIn(toolCases()),
    [](const testing::TestParamInfo<ToolCase>& p) { return std::string(p.param.name); });

TEST_F(DrawingTools, RepeatedClicksAddNoPoint)
{
    struct Case {
        EditMode mode;
        std::vector<Click> clicks;
        int pointCount;
    };
    const Case cases[] = {
        { EditMode::Line, { { 100, 100 }, { 100, 100 } }, 1 },
        { EditMode::Circle, { { 100, 100 }, { 100, 100 } }, 1 },
        { EditMode::Triangle, { { 100, 100 }, { 150, 100 }, { 150, 100 } }, 2 },
        { EditMode::Spline, { { 100, 100 }, { 100, 100 }, { 100, 100, true } }, 1 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.mode));
        choose(c.mode);
        clicks(c.clicks);
        EXPECT_EQ(w->pointCount(), c.pointCount);
        EXPECT_TRUE(drawn().empty());
    }
}

TEST_F(DrawingTools, PressHoldAndReleaseFiftyPixelsAwayMakesTheItem)
{
    for (EditMode mode : { EditMode::Line, EditMode::Circle }) {
        choose(mode);
        QTest::mousePress(canvas(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
        QTest::qWait(300);
        QTest::mouseMove(canvas(), QPoint(130, 120));
        QTest::mouseRelease(canvas(), Qt::LeftButton, Qt::NoModifier, QPoint(150, 100));
    }
    const std::vector<const ItemRecord*> items = drawn();
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0]->body.length, 50);
    EXPECT_EQ(anchorsOf(*items[1]), (std::vector<QPoint> { { 100, 100 }, { 150, 100 } }));
}

TEST_F(DrawingTools, QuickPressOnlyPlacesThePointAtTheRelease)
{
    choose(EditMode::Line);
    QTest::mousePress(canvas(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QTest::mouseRelease(canvas(), Qt::LeftButton, Qt::NoModifier, QPoint(150, 100));
    EXPECT_EQ(w->pointCount(), 1);
    EXPECT_TRUE(drawn().empty());
    click({ 150, 160 });
    ASSERT_EQ(drawn().size(), 1u);
    EXPECT_EQ(drawn()[0]->body.x1, 150);
}

TEST_F(DrawingTools, SplineKeys)
{
    struct Case {
        const char* name;
        EditMode mode;
        int toolShape; // the remembered open or closed choice
        std::vector<Click> clicks;
        Qt::Key key;
        int pointsMade; // 0: nothing made
        int variant;
        int pointCountAfter;
    };
    const Case cases[] = {
        { "enter with only the first point makes nothing", EditMode::Spline, 0, { { 100, 100 } },
            Qt::Key_Return, 0, 0, 0 },
        { "enter ends at the last turning point", EditMode::Spline, 0,
            { { 100, 100 }, { 150, 120 }, { 200, 90 } }, Qt::Key_Return, 3, kinds::kOpen, 0 },
        { "C closes an open spline of three fixed points", EditMode::Spline, 0,
            { { 100, 100 }, { 150, 120 }, { 200, 90 } }, Qt::Key_C, 3, kinds::kClosed, 0 },
        { "C needs more than three points", EditMode::Spline, 0, { { 100, 100 }, { 150, 120 } }, Qt::Key_C, 0,
            0, 1 },
        { "C leaves a closed spline alone", EditMode::Spline, 1, { { 100, 100 }, { 150, 120 }, { 200, 90 } },
            Qt::Key_C, 0, 0, 1 },
        { "C closes an open curve", EditMode::Curve, 0, { { 100, 100 }, { 150, 120 }, { 200, 90 } },
            Qt::Key_C, 3, kinds::kClosed, 0 },
        { "backspace takes the last turning point", EditMode::Spline, 0, { { 100, 100 }, { 150, 120 } },
            Qt::Key_Backspace, 0, 0, 1 },
        { "backspace on the first point returns to idle", EditMode::Solid, 0, { { 100, 100 } },
            Qt::Key_Backspace, 0, 0, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        w->initDocument(++lastId, {});
        preferences.splineToolShape = c.toolShape;
        preferences.curveToolShape = c.toolShape;
        choose(c.mode);
        clicks(c.clicks);
        key(c.key);
        EXPECT_EQ(w->pointCount(), c.pointCountAfter);
        const std::vector<const ItemRecord*> items = drawn();
        if (c.pointsMade == 0) {
            EXPECT_TRUE(items.empty());
            continue;
        }
        ASSERT_EQ(items.size(), 1u);
        EXPECT_EQ(static_cast<int>(items[0]->pointList.size()), c.pointsMade);
        EXPECT_EQ(items[0]->body.shapeVariant, c.variant);
    }
}

TEST_F(DrawingTools, BackspaceLetsTheFloatingPointTakeTheLastPlace)
{
    choose(EditMode::Spline);
    clicks({ { 100, 100 }, { 150, 120 }, { 200, 90 } });
    key(Qt::Key_Backspace);
    click({ 250, 150, true });
    ASSERT_EQ(drawn().size(), 1u);
    EXPECT_EQ(anchorsOf(*drawn()[0]), (std::vector<QPoint> { { 100, 100 }, { 150, 120 }, { 250, 150 } }));
}

TEST_F(DrawingTools, EscapeAtEveryStageDropsThePointsAndKeepsTheTool)
{
    struct Case {
        EditMode mode;
        std::vector<Click> clicks;
    };
    const Case cases[] = {
        { EditMode::Line, { { 100, 100 } } },
        { EditMode::Text, { { 100, 100 } } },
        { EditMode::Text, { { 100, 100 }, { 200, 100 } } },
        { EditMode::Square, { { 100, 100 } } },
        { EditMode::Triangle, { { 100, 100 } } },
        { EditMode::Triangle, { { 100, 100 }, { 150, 100 } } },
        { EditMode::Star, { { 100, 100 }, { 150, 100 } } },
        { EditMode::Ellipse, { { 100, 100 }, { 150, 100 } } },
        { EditMode::Curve, { { 100, 100 }, { 150, 100 }, { 150, 150 } } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.mode));
        choose(c.mode);
        clicks(c.clicks);
        ASSERT_GT(w->pointCount(), 0);
        key(Qt::Key_Escape);
        EXPECT_EQ(w->pointCount(), 0);
        EXPECT_EQ(w->editMode(), c.mode);
        EXPECT_TRUE(drawn().empty());
    }
}

TEST_F(DrawingTools, EscapeWhileTheButtonIsHeldIgnoresTheRestOfThePress)
{
    choose(EditMode::Line);
    QTest::mousePress(canvas(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QTest::qWait(300);
    key(Qt::Key_Escape);
    QTest::mouseRelease(canvas(), Qt::LeftButton, Qt::NoModifier, QPoint(150, 100));
    EXPECT_EQ(w->pointCount(), 0);
    EXPECT_TRUE(drawn().empty());
}

TEST_F(DrawingTools, AClickThenTypingMakesATextLine)
{
    choose(EditMode::Text);
    click({ 100, 200 });
    QTest::keyClicks(canvas(), QStringLiteral("Hellp"));
    key(Qt::Key_Backspace);
    QTest::keyClicks(canvas(), QStringLiteral("o"));
    key(Qt::Key_Return);
    QTest::keyClicks(canvas(), QStringLiteral("Cc"));
    const std::vector<const ItemRecord*> items = drawn();
    ASSERT_EQ(items.size(), 1u);
    const ItemRecord& text = *items[0];
    EXPECT_EQ(text.body.kind, kinds::kText);
    EXPECT_EQ(getText(&text), u"Hello\u2028Cc");
    EXPECT_EQ(QPoint(text.body.x1, text.body.y1), QPoint(100, 200));
    EXPECT_GT(text.body.x2, 130) << "the baseline runs as long as the widest line";
    EXPECT_EQ(text.body.y2, 200);
    EXPECT_EQ(text.body.fontSize, 20);
    EXPECT_EQ(text.body.textColor, 0x0000FF);
    EXPECT_EQ(fontNameOf(&text), "Liberation Sans");
    // The whole typed line is one step.
    w->undo();
    EXPECT_TRUE(drawn().empty());
    w->redo();
    EXPECT_EQ(drawn().size(), 1u);
}

// The caret stands where the next character goes, spans the line across its
// baseline, blinks, and goes with the typing.
TEST_F(DrawingTools, TheCaretFollowsTheTypingAndBlinks)
{
    CanvasImage* image = w->canvasImage();
    choose(EditMode::Text);
    click({ 100, 200 });
    EXPECT_FALSE(image->caret()) << "no caret before a character is typed";
    QTest::keyClicks(canvas(), QStringLiteral("Hello"));
    ASSERT_TRUE(image->caret());
    const auto [top, bottom] = *image->caret();
    EXPECT_EQ(top.x(), bottom.x());
    EXPECT_LT(top.y(), 200);
    EXPECT_GT(bottom.y(), 200);
    EXPECT_GT(top.x(), 140) << "after the five letters";
    key(Qt::Key_Left);
    ASSERT_TRUE(image->caret());
    const int beforeO = image->caret()->first.x();
    EXPECT_LT(beforeO, top.x());
    EXPECT_GT(beforeO, 130);
    key(Qt::Key_Home);
    ASSERT_TRUE(image->caret());
    EXPECT_NEAR(image->caret()->first.x(), 100, 1);
    key(Qt::Key_End);
    key(Qt::Key_Return);
    ASSERT_TRUE(image->caret());
    EXPECT_NEAR(image->caret()->first.x(), 100, 1) << "a new last line starts on the baseline";
    EXPECT_LT(image->caret()->first.y(), 200);
    EXPECT_GT(image->caret()->second.y(), 200);
    QTest::qWait(600);
    EXPECT_FALSE(image->caret()) << "blinked off";
    QTest::qWait(500);
    EXPECT_TRUE(image->caret()) << "and on again";
    key(Qt::Key_Escape);
    EXPECT_FALSE(image->caret());
    QTest::qWait(600);
    EXPECT_FALSE(image->caret()) << "no blinking once the typing ended";
}

TEST_F(DrawingTools, ATextBoxKeepsItsBaselineAndANewClickStartsTheNextText)
{
    choose(EditMode::Text);
    clicks({ { 100, 200 }, { 300, 200 } });
    EXPECT_EQ(w->pointCount(), 2);
    EXPECT_TRUE(drawn().empty()) << "nothing is made before a character is typed";
    QTest::keyClicks(canvas(), QStringLiteral("A"));
    click({ 100, 300 });
    QTest::keyClicks(canvas(), QStringLiteral("B"));
    const std::vector<const ItemRecord*> items = drawn();
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(QPoint(items[0]->body.x2, items[0]->body.y2), QPoint(300, 200));
    EXPECT_EQ(getText(items[1]), u"B");
}

TEST_F(DrawingTools, DrawnItemsArePaintedAndTheBandLeavesNoTrace)
{
    choose(EditMode::Square);
    const std::uint32_t before = w->canvasBitmap().pixel(300, 50);
    click({ 100, 100 });
    // The band follows the mouse in the tool's colour and is put away again:
    // the square on (100,100)-(300,100) has its right side at x = 300.
    QTest::mouseMove(canvas(), QPoint(300, 100));
    EXPECT_EQ(w->canvasBitmap().pixel(300, 50), 0x405060u);
    QTest::mouseMove(canvas(), QPoint(150, 100));
    EXPECT_EQ(w->canvasBitmap().pixel(300, 50), before);
    click({ 150, 100 });
    // The square from (100,100) to (150,50) is filled with the fill colour.
    EXPECT_EQ(w->canvasBitmap().pixel(125, 75), 0x708090u);
}

TEST_F(DrawingTools, UndoAndRedoThroughTheWindow)
{
    choose(EditMode::Square);
    for (int x : { 50, 150, 250 })
        clicks({ { x, 100 }, { x + 40, 100 } });
    ASSERT_EQ(drawn().size(), 3u);
    w->undo();
    w->undo();
    ASSERT_EQ(drawn().size(), 1u);
    EXPECT_EQ(anchorsOf(*drawn()[0])[0], QPoint(50, 100));
    EXPECT_EQ(w->canvasBitmap().pixel(170, 80), 0xFFFFFFu) << "the undone square is painted away";
    w->redo();
    EXPECT_EQ(drawn().size(), 2u);
    EXPECT_EQ(w->canvasBitmap().pixel(170, 80), 0x708090u);
    // A new square clears the remaining redo step.
    clicks({ { 350, 100 }, { 390, 100 } });
    EXPECT_TRUE(w->canUndo());
    EXPECT_FALSE(w->canRedo());
    w->clearUndoHistory();
    EXPECT_FALSE(w->canUndo());
    EXPECT_FALSE(w->canRedo());
    w->undo();
    EXPECT_EQ(drawn().size(), 3u) << "an all-base drawing has nothing to undo";
}

TEST_F(DrawingTools, DeleteErasesTheSelectionAndUndoBringsItBack)
{
    choose(EditMode::Circle);
    clicks({ { 100, 100 }, { 130, 100 }, { 300, 100 }, { 330, 100 } });
    ItemRecord* first = const_cast<ItemRecord*>(drawn()[0]);
    selectOnly(w->items(), first);
    key(Qt::Key_Delete);
    ASSERT_EQ(drawn().size(), 1u);
    EXPECT_EQ(w->canvasBitmap().pixel(100, 100), 0xFFFFFFu);
    w->undo();
    ASSERT_EQ(drawn().size(), 2u);
    EXPECT_EQ(drawn()[0]->body.zOrder, 1) << "back at its old stacking position";
    EXPECT_EQ(w->canvasBitmap().pixel(100, 100), 0x708090u);
}

TEST_F(DocumentWindowFixture, AViewWiderAndTallerThanATileShowsEveryItemInIt)
{
    canvasForNewDrawings(1, 0, 0, 5000, 4000);
    preferences.shapeFillColor = 0x00FF00;
    auto w = newWindow(2600, 2200);
    w->setEditMode(EditMode::Circle);
    // A circle far right and low in the view, beyond the first 1600 pixels.
    QTest::mouseClick(w->canvasImage(), Qt::LeftButton, Qt::NoModifier, QPoint(2200, 1900));
    QTest::mouseClick(w->canvasImage(), Qt::LeftButton, Qt::NoModifier, QPoint(2240, 1900));
    EXPECT_GE(w->canvasBitmap().width(), w->viewPanel()->width());
    EXPECT_GE(w->canvasBitmap().height(), w->viewPanel()->height());
    EXPECT_EQ(w->canvasBitmap().pixel(2200, 1900), 0x00FF00u);
    // Scrolled to the end, every part of the canvas in the view is still held.
    w->scrollBarX()->setValue(w->scrollBarX()->maximum());
    const int scrolled = w->scrollBarX()->value();
    EXPECT_LE(w->tileX(), scrolled);
    EXPECT_GE(w->tileX() + w->canvasBitmap().width(), std::min(scrolled + w->viewPanel()->width(), 5000));
}

} // namespace
