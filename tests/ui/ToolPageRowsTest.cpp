#include "ToolPagesFixture.h"

#include "panels/LinePanel.h"
#include "panels/PropertyLists.h"
#include "panels/ShapePanel.h"
#include "panels/TextPanel.h"

#include <QSlider>
#include <QStandardItemModel>
#include <QToolButton>

namespace {

bool entryEnabled(const PropertyList* list, int index)
{
    return qobject_cast<QStandardItemModel*>(list->model())->item(index)->isEnabled();
}

} // namespace

// Every list with user entries: its built-in entries, a disabled
// "Customize...", then the user's stored entries in slot order (unstored
// slots and shadows not shown in menus left out).
TEST_F(ToolPagesFixture, ListsShowTheUsersEntriesAfterADisabledCustomize)
{
    Preferences& p = preferences();
    p.lineWeight = 2.0; // wide enough for the outline row
    p.lineFillColor = -1;
    p.customWeights[1] = { 0.75, 3, 2, "Hairline", "0.75", 1, 0 };
    p.customWeights[4] = { 4.0, 15, 2, "Broad B", "4", 1, 0 };
    p.customWeights[2].name = "Unstored";
    p.customPatterns[0].name = "Morse";
    p.customPatterns[0].stored = 1;
    p.customPatterns[0].count = 2;
    p.customLineAngles[3] = { 45.0, 1, "Diagonal", "45", 1, 0 };
    p.customTextAngles[0] = { 30.0, 1, "Slant", "30", 1, 0 };
    p.customFontSizes[2] = { 13.5, 1, "Between", "13.5", 1, 0 };
    p.customShadows[0].name = "Shown";
    p.customShadows[0].showInMenus = 1;
    p.customShadows[1].name = "Hidden";
    p.recentColors[0] = 0x123456;
    p.dialogColors[3] = "#00ff80";

    struct Case {
        Page page;
        const char* list;
        int customizeAt;
        QStringList userEntries;
    };
    const Case cases[] = {
        { Page::LineTool, "weight", 6, { "Hairline", "Broad B" } },
        { Page::LineTool, "outlineWeight", 6, { "Hairline", "Broad B" } },
        { Page::LineTool, "pattern", 5, { "Morse" } },
        { Page::LineTool, "direction", 5, { "Diagonal" } },
        { Page::LineTool, "shadow", 4, { "Shown" } },
        { Page::LineTool, "color", 16, { "#00FF80", "#563412" } },
        { Page::LineTool, "fillColor", 18, { "#00FF80", "#563412" } },
        { Page::SquareTool, "outlineWeight", 6, { "Hairline", "Broad B" } },
        { Page::TextTool, "size", 16, { "Between" } },
        { Page::TextTool, "angle", 5, { "Slant" } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.list) + " on " + std::to_string(int(c.page)));
        show(c.page);
        PropertyList* l = list(c.list);
        ASSERT_NE(l, nullptr);
        ASSERT_EQ(l->customizeIndex(), c.customizeAt);
        EXPECT_EQ(l->itemText(c.customizeAt), "Customize...");
        EXPECT_FALSE(entryEnabled(l, c.customizeAt));
        EXPECT_TRUE(entryEnabled(l, 0));
        EXPECT_EQ(captions(l).mid(c.customizeAt + 1), c.userEntries);
    }
}

TEST_F(ToolPagesFixture, AUserWeightIsChosenByItsOwnValue)
{
    preferences().customWeights[0] = { 0.75, 3, 2, "Hairline", "0.75", 1, 0 };
    show(Page::LineTool);
    choose(list("weight"), "Hairline");
    EXPECT_DOUBLE_EQ(preferences().lineWeight, 0.75);
    EXPECT_EQ(preferences().lineWeightChoice, 7);
}

// A line thinner than 3 pixels has no inside: no fill rows, the steps instead.
TEST_F(ToolPagesFixture, LineFillRowsFollowTheWeightAndFill)
{
    show(Page::LineTool);
    auto* panel = frameAs<LinePanel>();
    ASSERT_NE(panel, nullptr);
    const auto shown = [panel](PropertyList* l) { return panel->rowOf(l)->isVisibleTo(panel); };
    EXPECT_FALSE(shown(panel->fillList()));
    EXPECT_FALSE(shown(panel->outlineList()));
    EXPECT_TRUE(panel->hints()->isVisibleTo(panel));

    choose(panel->weightList(), "Wide"); // 3 mm: 11 pixels
    EXPECT_TRUE(shown(panel->fillList()));
    EXPECT_FALSE(shown(panel->outlineList())) << "filled with its own colour: no outline";
    EXPECT_FALSE(panel->hints()->isVisibleTo(panel));
    choose(panel->fillList(), "Clear");
    EXPECT_TRUE(shown(panel->outlineList()));

    // Medium is 0.5 mm: 2 pixels at 96 dpi, still without an inside.
    choose(panel->weightList(), "Medium");
    EXPECT_FALSE(shown(panel->fillList()));
}

// A fill colour the colour list no longer offers follows the line colour;
// "Solid", "Clear" and listed colours stay.
TEST_F(ToolPagesFixture, ColourChangeKeepsOnlyFillColoursTheListOffers)
{
    struct Case {
        Page page;
        std::int32_t fill;
        std::int32_t expected;
    };
    const Case cases[] = {
        { Page::LineTool, 0x0A0B0C, 255 },
        { Page::LineTool, -1, -1 },
        { Page::TriangleTool, 0x0A0B0C, 255 },
        { Page::TriangleTool, -2, -2 },
        { Page::TriangleTool, 32768, 32768 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fill);
        preferences().lineFillColor = c.fill;
        preferences().shapeFillColor = c.fill;
        preferences().lineWeight = 2.0;
        show(Page::Select);
        show(c.page);
        choose(list("color"), "Red");
        const std::int32_t fill
            = c.page == Page::LineTool ? preferences().lineFillColor : preferences().shapeFillColor;
        EXPECT_EQ(fill, c.expected);
        // The fill list was refilled: "Solid" now shows the new line colour.
        EXPECT_EQ(
            list("fillColor")->itemIcon(0).pixmap(28, 14).toImage().pixelColor(14, 7), QColor(255, 0, 0));
    }
}

TEST_F(ToolPagesFixture, SplineAndCurveFormsSwitchBetweenTheirTools)
{
    struct Case {
        Page open, third;
        const char* thirdEntry;
        const char* openEntry;
    };
    for (const Case& c : { Case { Page::SplineTool, Page::SolidTool, "Solid Shape", "Open Spline" },
             Case { Page::CurveTool, Page::OblongTool, "Oblong Shape", "Open Curve" } }) {
        SCOPED_TRACE(c.thirdEntry);
        show(c.open);
        EXPECT_FALSE(list("fillColor")->isEnabled()) << "an open form has no inside";
        choose(list("shape"), c.thirdEntry);
        QTRY_COMPARE(window->pages().currentPage(), c.third);
        EXPECT_EQ(window->activeDocument()->editMode(), editModeOf(c.third));
        EXPECT_EQ(list("shape")->currentText(), c.thirdEntry);
        EXPECT_TRUE(list("fillColor")->isEnabled());
        choose(list("shape"), c.openEntry);
        QTRY_COMPARE(window->pages().currentPage(), c.open);
    }
    // The closed choice is remembered: the spline tool comes back closed, the
    // solid tool always makes solids.
    show(Page::SplineTool);
    choose(list("shape"), "Closed Spline");
    show(Page::SolidTool);
    EXPECT_EQ(preferences().splineShape, 2);
    show(Page::SplineTool);
    EXPECT_EQ(preferences().splineShape, 1);
    EXPECT_EQ(list("shape")->currentText(), "Closed Spline");
}

TEST_F(ToolPagesFixture, ShapeRowByTool)
{
    struct Case {
        Page page;
        const char* label; // null: hidden
        bool fill;
        bool outline;
    };
    preferences().shapeFillColor = -2; // "Solid": no outline where there is an inside
    const Case cases[] = {
        { Page::StarTool, "Spikes", true, false },
        { Page::PolygonTool, "Sides", true, false },
        { Page::ArcTool, nullptr, false, true },
        { Page::SplineTool, "Shape", false, true },
        { Page::SolidTool, "Shape", true, false },
        { Page::CurveTool, "Shape", false, true },
        { Page::CircleTool, nullptr, true, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.page));
        show(c.page);
        auto* panel = frameAs<ShapePanel>();
        ASSERT_NE(panel, nullptr);
        const bool rowShown = panel->rowOf(panel->shapeList())->isVisibleTo(panel);
        EXPECT_EQ(rowShown, c.label != nullptr);
        if (c.label) {
            EXPECT_EQ(panel->labelOf(panel->shapeList())->text(), c.label);
        }
        EXPECT_EQ(panel->fillList()->isEnabled(), c.fill);
        EXPECT_EQ(panel->rowOf(panel->outlineList())->isVisibleTo(panel), c.outline);
    }
    show(Page::StarTool);
    EXPECT_EQ(captions(list("shape")),
        QStringList({ "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "16", "20" }));
    EXPECT_EQ(list("shape")->currentText(), "5");
}

TEST_F(ToolPagesFixture, FontWeightListSliderAndBoldFollowEachOther)
{
    show(Page::TextTool);
    auto* panel = frameAs<TextPanel>();
    ASSERT_NE(panel, nullptr);
    QToolButton* bold = panel->styleButton(TextPanel::Bold);
    EXPECT_EQ(bold->toolTip(), "Normal");
    EXPECT_FALSE(bold->isChecked());
    EXPECT_EQ(panel->weightSlider()->value(), 4);

    QTest::mouseClick(bold, Qt::LeftButton);
    EXPECT_EQ(preferences().textWeight, 700);
    EXPECT_EQ(panel->weightSlider()->value(), 7);
    EXPECT_EQ(panel->weightList()->currentText(), "Bold");

    panel->weightSlider()->setFocus();
    QTest::keyClick(panel->weightSlider(), Qt::Key_Left);
    QTest::keyClick(panel->weightSlider(), Qt::Key_Left);
    QTest::keyClick(panel->weightSlider(), Qt::Key_Left);
    QTest::keyClick(panel->weightSlider(), Qt::Key_Left);
    EXPECT_EQ(preferences().textWeight, 300);
    EXPECT_EQ(panel->weightList()->currentText(), "Light");
    EXPECT_FALSE(bold->isChecked());

    choose(panel->weightList(), "Extrabold");
    EXPECT_EQ(panel->weightSlider()->value(), 8);
    QTest::mouseClick(bold, Qt::LeftButton);
    EXPECT_EQ(preferences().textWeight, 400);
}

TEST_F(ToolPagesFixture, StyleAndJustificationButtons)
{
    show(Page::TextTool);
    auto* panel = frameAs<TextPanel>();
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->styleButton(TextPanel::Left)->isChecked());
    QTest::mouseClick(panel->styleButton(TextPanel::Italic), Qt::LeftButton);
    QTest::mouseClick(panel->styleButton(TextPanel::StrikeOut), Qt::LeftButton);
    QTest::mouseClick(panel->styleButton(TextPanel::Right), Qt::LeftButton);
    EXPECT_EQ(preferences().textStyle, (TextOptions { 1, 0, 1, 3 }));
    EXPECT_FALSE(panel->styleButton(TextPanel::Left)->isChecked());
    // A pressed justification button stays pressed when clicked again.
    QTest::mouseClick(panel->styleButton(TextPanel::Right), Qt::LeftButton);
    EXPECT_TRUE(panel->styleButton(TextPanel::Right)->isChecked());
    EXPECT_EQ(preferences().textStyle.justification, 3);
    QTest::mouseClick(panel->styleButton(TextPanel::Italic), Qt::LeftButton);
    EXPECT_EQ(preferences().textStyle, (TextOptions { 0, 0, 1, 3 }));
    show(Page::Select);
    show(Page::TextTool);
    EXPECT_TRUE(frameAs<TextPanel>()->styleButton(TextPanel::StrikeOut)->isChecked());
    EXPECT_TRUE(frameAs<TextPanel>()->styleButton(TextPanel::Right)->isChecked());
}

// Each family keeps the set last chosen for it while the program runs; a
// family chosen for the first time starts at "n/a".
TEST_F(ToolPagesFixture, CharacterSetIsRememberedPerFamily)
{
    show(Page::TextTool);
    PropertyList* fonts = list("fontName");
    QStringList latin;
    for (int i = 0; i < fonts->count() && latin.size() < 2; ++i)
        if (QStringList sets =
                [&] {
                    PropertyList probe;
                    propertylists::fillCharSets(probe, fonts->itemText(i));
                    QStringList names;
                    for (int j = 0; j < probe.count(); ++j)
                        names << probe.itemText(j);
                    return names;
                }();
            sets.contains("Western"))
            latin << fonts->itemText(i);
    ASSERT_EQ(latin.size(), 2) << "two installed families with Latin letters";

    choose(fonts, latin[0]);
    EXPECT_EQ(preferences().textFont, latin[0]);
    EXPECT_EQ(list("charSet")->currentText(), "n/a");
    EXPECT_EQ(list("charSet")->itemText(0), "n/a");
    choose(list("charSet"), "Western");
    EXPECT_EQ(preferences().textCharSet, 1);
    choose(fonts, latin[1]);
    EXPECT_EQ(list("charSet")->currentText(), "n/a");
    EXPECT_EQ(preferences().textCharSet, 0);
    choose(fonts, latin[0]);
    EXPECT_EQ(list("charSet")->currentText(), "Western");
    EXPECT_EQ(preferences().textCharSet, 1);
}

// The line and shape panels share the tab they showed last; the text panel
// keeps its own.
TEST_F(ToolPagesFixture, PanelsOpenOnTheTabTheyShowedLast)
{
    show(Page::LineTool);
    frameAs<PanelFrame>()->tabs()->setCurrentIndex(1);
    show(Page::TextTool);
    EXPECT_EQ(frameAs<PanelFrame>()->tabs()->currentIndex(), 0);
    show(Page::StarTool);
    EXPECT_EQ(frameAs<PanelFrame>()->tabs()->currentIndex(), 1);
    frameAs<PanelFrame>()->tabs()->setCurrentIndex(0);
    show(Page::Select);
    QTest::qWait(10); // the replaced frame is freed
    show(Page::LineTool);
    EXPECT_EQ(frameAs<PanelFrame>()->tabs()->currentIndex(), 0);
    frameAs<PanelFrame>()->tabs()->setCurrentIndex(1);
    show(Page::Select);
    QTest::qWait(10);
    show(Page::LineTool);
    EXPECT_EQ(frameAs<PanelFrame>()->tabs()->currentIndex(), 1);
}
