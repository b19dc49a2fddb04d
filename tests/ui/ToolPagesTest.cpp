#include "ToolPagesFixture.h"

#include "canvas/widgets/CanvasImage.h"
#include "canvas/widgets/DocumentWindow.h"
#include "panels/LinePanel.h"
#include "panels/PanelMemory.h"
#include "panels/ShapePanel.h"
#include "panels/TextPanel.h"
#include "panels/ToolPalette.h"
#include "panels/ToolPaletteEntry.h"
#include "shell/CommandBar.h"
#include "shell/CommandButton.h"
#include "shell/NextStepBox.h"

#include <QMenuBar>
#include <QPointer>
#include <QSlider>
#include <QToolButton>

namespace {

// What a tool's page shows, written out as a user reads it.
struct ToolPageCase {
    Tool tool;
    const char* title;
    std::vector<const char*> hints;
};

const char* const kHold = "Hold down the mouse button, move the mouse, and release the button.";
const char* const kOrHold = "Or, hold down the mouse button, move the mouse, and release the button.";

const ToolPageCase kToolPages[] = {
    { Tool::Line, "Line",
        { "Select how you want the next line drawn.", "Click where you want to start the line, or...",
            kHold } },
    { Tool::Text, "Text",
        { "Click where you want the text start.",
            "To make a text box, hold down the mouse button, move the mouse, and release the button." } },
    { Tool::Triangle, "Triangle",
        { "Select how you want the next triangle drawn.", "Click where you want to start the triangle, or...",
            kHold, "Then, move the mouse and click again to make the third point." } },
    { Tool::Square, "Square",
        { "Select how you want the next square drawn.", "Click where you want to start the square, or...",
            kHold, "You can undo your edits by clicking on the Undo button in the upper menu." } },
    { Tool::Rectangle, "Rectangle",
        { "Select how you want the next rectangle drawn.",
            "Click where you want to start the rectangle, or...", kHold,
            "Then, move the mouse and click again to make the third point." } },
    { Tool::Circle, "Circle",
        { "Select how you want the next circle drawn.",
            "Click where you want to place the center of the circle.",
            "Then, move the mouse and click again to set the size of the circle.", kOrHold } },
    { Tool::Ellipse, "Ellipse",
        { "Select how you want the next ellipse drawn.",
            "Click where you want to place the center of the ellipse.",
            "Then, move the mouse and click again to set the length of the ellipse.",
            "Finally, move the mouse and click again to set the width of the ellipse." } },
    { Tool::Polygon, "Polygon",
        { "Select how you want the next polygon drawn.", "Click where you want to place the polygon center.",
            "Then, move the mouse and click again to set the size of the polygon.", kOrHold } },
    { Tool::Star, "Star",
        { "Select how you want the next star drawn.", "Click where you want to place the star center.",
            "Then, move the mouse and click again to set the size of the star.",
            "Finally, move the mouse and click again to set the length of the spikes." } },
    { Tool::Pie, "Pie",
        { "Select how you want the next pie drawn.", "Click where you want to place the center of the pie.",
            "Then, move the mouse and click again at the start of the arc.",
            "Finally, move the mouse and click again at the end of the arc." } },
    { Tool::Arc, "Arc",
        { "Select how you want the next arc drawn.", "Click where you want to place the center of the arc.",
            "Then, move the mouse and click again at the start of the arc.",
            "Finally, move the mouse and click again at the end of the arc." } },
    { Tool::Spline, "Spline",
        { "Select how you want the next spline drawn.", "Click where you want to start the spline.",
            "Then, click where you want to place the turning points.",
            "Finally, hold down the Shift key and click where you want to end the spline." } },
    { Tool::Solid, "Solid",
        { "Select how you want the next solid drawn.", "Click where you want to start the solid.",
            "Then, click where you want to place the edge points.",
            "Finally, hold down the Shift key and click where you want to end the solid." } },
    { Tool::Curve, "Curve",
        { "Select how you want the next curve drawn.", "Click where you want to start the curve.",
            "Then, click where you want to place the turning points.",
            "Finally, hold down the Shift key and click where you want to end the curve." } },
    { Tool::Oblong, "Oblong",
        { "Select how you want the next oblong drawn.", "Click where you want to start the oblong.",
            "Then, click where you want to place the turning points.",
            "Finally, hold down the Shift key and click where you want to end the oblong." } },
};

QStringList strings(const std::vector<const char*>& texts)
{
    QStringList result;
    for (const char* text : texts)
        result << QString::fromUtf8(text);
    return result;
}

QAction* insertEntry(MainWindow& window, const char* toolName)
{
    return window.action(QStringLiteral("insert%1").arg(QString::fromLatin1(toolName)));
}

class ToolPageTest : public ToolPagesFixture, public testing::WithParamInterface<ToolPageCase> { };

} // namespace

// Each way of choosing a tool ends on its page with the tool's title and
// steps, the tool set in the drawing and its button pressed in.
TEST_P(ToolPageTest, ChoosingTheToolShowsItsPage)
{
    const ToolPageCase& c = GetParam();
    const ToolInfo& tool = toolInfo(c.tool);
    enum class Way { Palette, InsertMenu, CommandBar };
    for (Way way : { Way::Palette, Way::InsertMenu, Way::CommandBar }) {
        SCOPED_TRACE(int(way));
        show(Page::Select);
        switch (way) {
        case Way::Palette: {
            ToolPaletteEntry* entry = window->sidePanel()->toolPalette()->entry(c.tool);
            ASSERT_TRUE(entry->isEnabled());
            QTest::mouseClick(entry, Qt::LeftButton);
            break;
        }
        case Way::InsertMenu:
            ASSERT_TRUE(insertEntry(*window, tool.name)->isEnabled());
            insertEntry(*window, tool.name)->trigger();
            break;
        case Way::CommandBar:
            ASSERT_TRUE(window->commandBar()->button(tool.button)->isEnabled());
            QTest::mouseClick(window->commandBar()->button(tool.button), Qt::LeftButton);
            break;
        }
        QTRY_COMPARE(window->pages().currentPage(), tool.page);
        auto* panel = frameAs<PanelFrame>();
        ASSERT_NE(panel, nullptr);
        EXPECT_TRUE(panel->isVisible());
        EXPECT_FALSE(window->sidePanel()->toolPalette()->isVisible());
        EXPECT_EQ(panel->title()->text(), QString::fromLatin1(c.title));
        EXPECT_EQ(panel->hints()->texts(), strings(c.hints));
        EXPECT_EQ(window->activeDocument()->editMode(), tool.editMode);
        EXPECT_TRUE(window->commandBar()->button(tool.button)->isPressedIn());
        EXPECT_EQ(window->nextStepBox()->shownSteps(), (std::array<int, 4> { 1, 0, 0, 0 }));
    }
}

INSTANTIATE_TEST_SUITE_P(EveryTool, ToolPageTest, testing::ValuesIn(kToolPages),
    [](const testing::TestParamInfo<ToolPageCase>& row) { return std::string(row.param.title); });

TEST_F(ToolPagesFixture, TextEntryPagesShowTheTypingSteps)
{
    show(Page::TextPlaced);
    ASSERT_NE(frameAs<TextPanel>(), nullptr);
    EXPECT_EQ(frameAs<TextPanel>()->title()->text(), "Text");
    EXPECT_EQ(frameAs<TextPanel>()->hints()->texts().first(), "Click where you want the text start.");
    show(Page::TextTyping);
    ASSERT_NE(frameAs<TextPanel>(), nullptr);
    EXPECT_EQ(frameAs<TextPanel>()->title()->text(), "Text");
    EXPECT_EQ(frameAs<TextPanel>()->hints()->texts(),
        QStringList({ "Enter the text now.",
            "When done, click on the pointer button (the button with the hand picture) in the upper "
            "menu." }));
}

// The line page's second step changes once the line's first point is in,
// and back when the point is dropped; the line made, its help page follows.
TEST_F(ToolPagesFixture, TheLinePageFollowsTheFirstPoint)
{
    show(Page::LineTool);
    ASSERT_NE(frameAs<LinePanel>(), nullptr);
    QWidget* canvas = window->activeDocument()->canvasImage();
    const auto secondStep = [this] {
        return frameAs<LinePanel>() ? frameAs<LinePanel>()->hints()->texts().value(1) : QString();
    };
    EXPECT_EQ(secondStep(), "Click where you want to start the line, or...");
    QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(secondStep(), "Click where you want to end the line.");
    QTest::keyClick(canvas, Qt::Key_Escape);
    EXPECT_EQ(secondStep(), "Click where you want to start the line, or...");
    QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(50, 50));
    QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(150, 80));
    EXPECT_EQ(window->pages().currentPage(), toolInfo(Tool::Line).madeHelp);
}

// Back and Forward to a tool page bring back the tool settings it was shown
// with, and its lists show them.
TEST_F(ToolPagesFixture, BackAndForwardRestoreTheToolSettingsOfAToolPage)
{
    preferences().lineColor = 0;
    show(Page::LineTool);
    choose(list("color"), "Red");
    const std::int32_t red = preferences().lineColor;
    ASSERT_NE(red, 0);
    show(Page::SquareTool);
    QTest::mouseClick(window->nextStepBox()->backButton(), Qt::LeftButton);
    EXPECT_EQ(window->pages().currentPage(), Page::LineTool);
    EXPECT_EQ(preferences().lineColor, 0);
    EXPECT_EQ(list("color")->currentText(), "Black");
    QTest::mouseClick(window->nextStepBox()->forwardButton(), Qt::LeftButton);
    EXPECT_EQ(window->pages().currentPage(), Page::SquareTool);
    EXPECT_EQ(preferences().lineColor, red);
}

TEST_F(ToolPagesFixture, APanelFrameLivesWhileItsPageIsOnShow)
{
    show(Page::LineTool);
    QPointer<QWidget> line = frame();
    ToolPalette* palette = window->sidePanel()->toolPalette();
    show(Page::TextTool);
    QPointer<QWidget> text = frame();
    QTRY_VERIFY(line.isNull());
    show(Page::Select);
    QTRY_VERIFY(text.isNull());
    EXPECT_EQ(window->sidePanel()->toolPalette(), palette);
    EXPECT_TRUE(palette->isVisible());
    EXPECT_EQ(frame(), nullptr);
}

namespace {

// One row of a tool page changed by the user, and what the preferences
// must then hold (checked before and after a save and a load).
struct RowCase {
    const char* name;
    Page page;
    const char* list;
    const char* entry;
    std::function<void(const Preferences&)> check;
};

const RowCase kRows[] = {
    { "LineColor", Page::LineTool, "color", "Red",
        [](const Preferences& p) { EXPECT_EQ(p.lineColor, 255); } },
    { "LineWeight", Page::LineTool, "weight", "Heavy",
        [](const Preferences& p) {
            EXPECT_DOUBLE_EQ(p.lineWeight, 2.0);
            EXPECT_EQ(p.lineWeightChoice, 3);
        } },
    { "LinePattern", Page::LineTool, "pattern", "Center",
        [](const Preferences& p) { EXPECT_EQ(p.linePattern, 3); } },
    { "LineDirection", Page::LineTool, "direction", "Vertical (left)",
        [](const Preferences& p) {
            EXPECT_DOUBLE_EQ(p.lineDirection, 270.0);
            EXPECT_EQ(p.lineDirectionChoice, 3);
        } },
    { "LineFill", Page::LineTool, "fillColor", "Clear",
        [](const Preferences& p) { EXPECT_EQ(p.lineFillColor, -1); } },
    { "LineOutline", Page::LineTool, "outlineWeight", "Wide",
        [](const Preferences& p) {
            EXPECT_DOUBLE_EQ(p.lineOutlineWeight, 3.0);
            EXPECT_EQ(p.lineOutlineChoice, 4);
        } },
    { "LineSurface", Page::LineTool, "surface", "Round",
        [](const Preferences& p) { EXPECT_EQ(p.lineSurface, 127); } },
    { "LineShadow", Page::LineTool, "shadow", "Medium",
        [](const Preferences& p) {
            EXPECT_EQ(p.shapeShadow, (ShadowPreset { 50, 20, 110 }));
        } },
    { "ShapeColor", Page::RectangleTool, "color", "Navy",
        [](const Preferences& p) { EXPECT_EQ(p.shapeColor, 8388608); } },
    { "ShapeFill", Page::CircleTool, "fillColor", "Teal",
        [](const Preferences& p) { EXPECT_EQ(p.shapeFillColor, 8421376); } },
    { "ShapeOutline", Page::TriangleTool, "outlineWeight", "Thick",
        [](const Preferences& p) {
            EXPECT_DOUBLE_EQ(p.shapeWeight, 1.0);
            EXPECT_EQ(p.shapeWeightChoice, 2);
        } },
    { "PolygonSides", Page::PolygonTool, "shape", "8",
        [](const Preferences& p) { EXPECT_EQ(p.shapeSides, 8); } },
    { "StarSpikes", Page::StarTool, "shape", "16",
        [](const Preferences& p) { EXPECT_EQ(p.shapeSides, 16); } },
    { "SplineClosed", Page::SplineTool, "shape", "Closed Spline",
        [](const Preferences& p) {
            EXPECT_EQ(p.splineToolShape, 1);
            EXPECT_EQ(p.splineShape, 1);
        } },
    { "CurveClosed", Page::CurveTool, "shape", "Closed Curve",
        [](const Preferences& p) {
            EXPECT_EQ(p.curveToolShape, 1);
            EXPECT_EQ(p.curveShape, 1);
        } },
    { "ShapeSurface", Page::PieTool, "surface", "Round",
        [](const Preferences& p) { EXPECT_EQ(p.shapeSurface, 127); } },
    { "ShapeShadow", Page::EllipseTool, "shadow", "Slight",
        [](const Preferences& p) {
            EXPECT_EQ(p.shapeShadow, (ShadowPreset { 30, 10, 100 }));
        } },
    { "TextColor", Page::TextTool, "color", "Green",
        [](const Preferences& p) { EXPECT_EQ(p.textColor, 32768); } },
    { "TextSize", Page::TextTool, "size", "24",
        [](const Preferences& p) {
            EXPECT_EQ(p.textSize, 24);
            EXPECT_EQ(p.textSizeChoice, 10);
        } },
    { "TextWeight", Page::TextTool, "weight", "Semibold",
        [](const Preferences& p) { EXPECT_EQ(p.textWeight, 600); } },
    { "TextAngle", Page::TextTool, "angle", "Vertical (right)",
        [](const Preferences& p) {
            EXPECT_EQ(p.textAngleTenths, 900);
            EXPECT_EQ(p.textDirection, 90);
            EXPECT_EQ(p.textAngleChoice, 2);
        } },
    { "TextSurface", Page::TextTyping, "surface", "Round",
        [](const Preferences& p) { EXPECT_EQ(p.textSurface, 127); } },
    { "TextShadow", Page::TextTool, "shadow", "Broad",
        [](const Preferences& p) {
            EXPECT_EQ(p.textShadow, (ShadowPreset { 70, 30, 120 }));
        } },
};

class ToolRowTest : public ToolPagesFixture, public testing::WithParamInterface<RowCase> { };

} // namespace

TEST_P(ToolRowTest, AChoiceBecomesTheToolDefaultAndIsSaved)
{
    const RowCase& c = GetParam();
    // A line wide enough to have a fill, so that its fill rows show.
    preferences().lineWeight = 2.0;
    preferences().lineFillColor = -1;
    show(c.page);
    PropertyList* row = list(c.list);
    ASSERT_NE(row, nullptr);
    if (QTabWidget* tabs = frameAs<PanelFrame>()->tabs(); !row->isVisible())
        tabs->setCurrentIndex(1 - tabs->currentIndex());
    ASSERT_TRUE(row->isVisible());
    choose(row, QString::fromLatin1(c.entry));
    c.check(preferences());

    const Preferences reloaded = savedAndLoaded();
    c.check(reloaded);

    // The page opened again shows the new default.
    show(Page::Select);
    show(c.page);
    EXPECT_EQ(list(c.list)->currentText(), QString::fromLatin1(c.entry));
}

INSTANTIATE_TEST_SUITE_P(EveryRow, ToolRowTest, testing::ValuesIn(kRows),
    [](const testing::TestParamInfo<RowCase>& row) { return std::string(row.param.name); });
