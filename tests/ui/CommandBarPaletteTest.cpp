#include "MainWindowFixture.h"

#include "panels/ToolPalette.h"
#include "panels/ToolPaletteEntry.h"
#include "shell/NextStepBox.h"
#include "shell/NextStepRow.h"
#include "shell/CommandButton.h"
#include "shell/SidePanel.h"
#include "shell/CommandBar.h"

#include <QLabel>
#include <QToolButton>

TEST(CommandBar, EveryButtonHasAHintAndAPicture)
{
    CommandBar commandBar;
    for (int n = 1; n <= CommandBar::kButtonCount; ++n) {
        SCOPED_TRACE(n);
        ASSERT_NE(commandBar.button(n), nullptr);
        EXPECT_FALSE(commandBar.button(n)->toolTip().isEmpty());
        const QImage picture = commandBar.button(n)->icon().pixmap(18, 18).toImage();
        int painted = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                painted += qAlpha(picture.pixel(x, y)) > 0;
        EXPECT_GT(painted, 20);
    }
    EXPECT_EQ(CommandBar::hintOf(1), "Create a new file");
    EXPECT_EQ(CommandBar::hintOf(12), "Place the selected item behind other objects");
    EXPECT_EQ(CommandBar::hintOf(36), "Split group");
}

TEST(CommandBar, HoverRaisesOneButtonAtATimeButNotHiddenOnes)
{
    CommandBar commandBar;
    commandBar.show();
    commandBar.raiseButton(2);
    commandBar.raiseButton(3);
    EXPECT_FALSE(commandBar.button(2)->isRaised());
    EXPECT_TRUE(commandBar.button(3)->isRaised());
    commandBar.setButtonVisible(12, false);
    commandBar.raiseButton(12);
    EXPECT_FALSE(commandBar.button(12)->isRaised());
    EXPECT_TRUE(commandBar.button(3)->isRaised());
    commandBar.lowerAll();
    EXPECT_FALSE(commandBar.button(3)->isRaised());
}

TEST(CommandBar, OneToolButtonIsPressedInAtATime)
{
    CommandBar commandBar;
    commandBar.setPressedTool(9);
    commandBar.setPressedTool(23);
    EXPECT_FALSE(commandBar.button(9)->isPressedIn());
    EXPECT_TRUE(commandBar.button(23)->isPressedIn());
    commandBar.setToggle(19, true);
    EXPECT_TRUE(commandBar.button(19)->isPressedIn());
    EXPECT_TRUE(commandBar.button(23)->isPressedIn());
}

TEST_F(MainWindowFixture, UpperMenuStatesAtStart)
{
    CommandBar* commandBar = window->commandBar();
    EXPECT_TRUE(commandBar->button(9)->isPressedIn()); // the select tool
    for (int n : { 1, 2, 3, 8, 9, 10, 11 })
        EXPECT_TRUE(commandBar->button(n)->isEnabled()) << n;
    // Undo and Redo are grey without steps; features still to come are grey too.
    for (int n : { 4, 5, 6, 7, 17, 18, 19, 20, 21, 27, 34 })
        EXPECT_FALSE(commandBar->button(n)->isEnabled()) << n;
    // Selection commands show only with a selection, Paste with a clipboard.
    for (int n : { 12, 13, 14, 15, 16, 35, 36 })
        EXPECT_TRUE(commandBar->button(n)->isHidden()) << n;
}

TEST_F(MainWindowFixture, UpperMenuButtonsRunTheirCommands)
{
    QTest::mouseClick(window->commandBar()->button(1), Qt::LeftButton);
    EXPECT_EQ(documentCount(), 1);
    const QString path = writeEmptyDrawing("from_button.tvle");
    dialogs.queueAnswer(path);
    QTest::mouseClick(window->commandBar()->button(2), Qt::LeftButton);
    EXPECT_EQ(documentCount(), 1); // the untouched window took the file
    EXPECT_EQ(window->activeDocument()->fileName(), path);

    setModified(window->activeDocument()->items(), true);
    QTest::mouseClick(window->commandBar()->button(3), Qt::LeftButton);
    EXPECT_FALSE(window->activeDocument()->isModified());
}

TEST_F(MainWindowFixture, ToolPaletteListsTheSixteenEntries)
{
    ToolPalette* toolPalette = window->sidePanel()->toolPalette();
    EXPECT_TRUE(toolPalette->isVisible());
    QStringList names;
    for (ToolPaletteEntry* entry : toolPalette->entries())
        names << entry->text();
    EXPECT_EQ(names,
        QStringList({ "Picture", "Text", "Line", "Arc", "Spline", "Curve", "Triangle", "Square", "Rectangle",
            "Circle", "Pie", "Ellipse", "Polygon", "Star", "Solid", "Oblong" }));
    EXPECT_EQ(toolPalette->entry(199)->text(), "Polygon");
    EXPECT_TRUE(toolPalette->hint()->text().contains("Page Setup"));
    EXPECT_TRUE(toolPalette->hint()->text().contains("to change the size of the design."));
    // Until the drawing tools come, their entries are grey rather than dead.
    for (ToolPaletteEntry* entry : toolPalette->entries())
        EXPECT_FALSE(entry->isEnabled()) << entry->text().toStdString();
}

TEST(ToolPalette, ClickReportsThePageOnce)
{
    ToolPalette toolPalette;
    toolPalette.show();
    std::vector<int> chosen;
    QObject::connect(&toolPalette, &ToolPalette::entryChosen, [&chosen](int page) { chosen.push_back(page); });
    QTest::mouseClick(toolPalette.entry(102), Qt::LeftButton);
    QTest::mouseClick(toolPalette.entry(98), Qt::LeftButton);
    EXPECT_EQ(chosen, (std::vector<int> { 102, 98 }));
}

TEST(NextStepBoxTest, ShowsTheFirstFourSuggestionsInOrder)
{
    NextStepBox box;
    box.resize(120, box.height());
    box.show();
    box.setSteps({ 53, 2, 9, 47, 5 });
    EXPECT_EQ(box.shownSteps(), (std::array<int, 4> { 2, 5, 9, 47 }));
    EXPECT_EQ(box.row(0)->text(), "Draw next line");
    EXPECT_EQ(box.row(2)->text(), "Fine-tune this triangle");
    EXPECT_EQ(box.row(3)->text(), "Insert new picture");
    // Visible rows overlap by two pixels, the first 40 pixels from the top.
    EXPECT_EQ(box.row(0)->y(), 40);
    EXPECT_EQ(box.row(1)->y(), box.row(0)->y() + box.row(0)->height() - 2);

    std::vector<int> chosen;
    QObject::connect(&box, &NextStepBox::stepChosen, [&chosen](int n) { chosen.push_back(n); });
    QTest::mouseClick(box.row(1), Qt::LeftButton);
    EXPECT_EQ(chosen, std::vector<int> { 5 });
    EXPECT_TRUE(box.row(1)->isHidden());

    box.setSteps({});
    EXPECT_EQ(box.shownSteps(), (std::array<int, 4> { 0, 0, 0, 0 }));
}

TEST_F(MainWindowFixture, BackAndForwardAreGreyWithoutHistory)
{
    EXPECT_FALSE(window->nextStepBox()->backButton()->isEnabled());
    EXPECT_FALSE(window->nextStepBox()->forwardButton()->isEnabled());
    window->goBack();
    EXPECT_EQ(window->currentPage(), 20);
}
