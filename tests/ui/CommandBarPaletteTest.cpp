#include "MainWindowFixture.h"

#include "panels/ToolPalette.h"
#include "panels/ToolPaletteEntry.h"
#include "shell/CommandBar.h"
#include "shell/CommandButton.h"
#include "shell/NextStepBox.h"
#include "shell/NextStepRow.h"
#include "shell/SidePanel.h"

#include <QLabel>
#include <QToolButton>

using B = UpperButton;

TEST(CommandBar, EveryButtonHasAHintAndAPicture)
{
    CommandBar commandBar;
    for (int n = 1; n <= CommandBar::kButtonCount; ++n) {
        SCOPED_TRACE(n);
        const auto which = static_cast<UpperButton>(n);
        ASSERT_NE(commandBar.button(which), nullptr);
        EXPECT_FALSE(commandBar.button(which)->toolTip().isEmpty());
        const QImage picture = commandBar.button(which)->icon().pixmap(18, 18).toImage();
        int painted = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                painted += qAlpha(picture.pixel(x, y)) > 0;
        EXPECT_GT(painted, 20);
    }
    EXPECT_EQ(CommandBar::hintOf(B::New), "Create a new file");
    EXPECT_EQ(CommandBar::hintOf(B::ToBack), "Place the selected item behind other objects");
    EXPECT_EQ(CommandBar::hintOf(B::InsertPicture), "Insert picture");
    EXPECT_EQ(CommandBar::hintOf(B::SplitGroup), "Split group");
}

TEST(CommandBar, HoverRaisesOneButtonAtATimeButNotHiddenOnes)
{
    CommandBar commandBar;
    commandBar.show();
    commandBar.raiseButton(B::Open);
    commandBar.raiseButton(B::Save);
    EXPECT_FALSE(commandBar.button(B::Open)->isRaised());
    EXPECT_TRUE(commandBar.button(B::Save)->isRaised());
    commandBar.setButtonVisible(B::ToBack, false);
    commandBar.raiseButton(B::ToBack);
    EXPECT_FALSE(commandBar.button(B::ToBack)->isRaised());
    EXPECT_TRUE(commandBar.button(B::Save)->isRaised());
    commandBar.lowerAll();
    EXPECT_FALSE(commandBar.button(B::Save)->isRaised());
}

TEST(CommandBar, OneToolButtonIsPressedInAtATime)
{
    CommandBar commandBar;
    commandBar.setPressedTool(B::Select);
    commandBar.setPressedTool(B::InsertRectangle);
    EXPECT_FALSE(commandBar.button(B::Select)->isPressedIn());
    EXPECT_TRUE(commandBar.button(B::InsertRectangle)->isPressedIn());
    commandBar.setToggle(B::Gridlines, true);
    EXPECT_TRUE(commandBar.button(B::Gridlines)->isPressedIn());
    EXPECT_TRUE(commandBar.button(B::InsertRectangle)->isPressedIn());
}

TEST_F(MainWindowFixture, UpperMenuStatesAtStart)
{
    CommandBar* commandBar = window->commandBar();
    EXPECT_TRUE(commandBar->button(B::Select)->isPressedIn()); // the select tool
    // The drawing tools work with or without their panels.
    for (UpperButton n : { B::New, B::Open, B::Repaint, B::Select, B::ZoomOut, B::ZoomIn,
             B::InsertLine, B::InsertText, B::InsertTriangle, B::InsertOblong })
        EXPECT_TRUE(commandBar->button(n)->isEnabled()) << int(n);
    // Save, as File > Save, waits for a drawing.
    EXPECT_FALSE(commandBar->button(B::Save)->isEnabled());
    // Undo and Redo are grey without steps; commands not there yet are grey too.
    for (UpperButton n : { B::Export, B::Print, B::Undo, B::Redo, B::Gridlines, B::Snap, B::InsertPicture })
        EXPECT_FALSE(commandBar->button(n)->isEnabled()) << int(n);
    // The drawing tools have their pages.
    for (UpperButton n : { B::InsertLine, B::InsertText, B::InsertTriangle, B::InsertOblong })
        EXPECT_TRUE(commandBar->button(n)->isEnabled()) << int(n);
    // Selection commands show only with a selection, Paste with a clipboard.
    for (UpperButton n : { B::ToBack, B::ToFront, B::Erase, B::Paste, B::Copy, B::JoinItems, B::SplitGroup })
        EXPECT_TRUE(commandBar->button(n)->isHidden()) << int(n);
}

TEST_F(MainWindowFixture, UpperMenuButtonsRunTheirCommands)
{
    QTest::mouseClick(window->commandBar()->button(B::New), Qt::LeftButton);
    EXPECT_EQ(documentCount(), 1);
    const QString path = writeEmptyDrawing("from_button.tvle");
    dialogs.queueAnswer(path);
    QTest::mouseClick(window->commandBar()->button(B::Open), Qt::LeftButton);
    EXPECT_EQ(documentCount(), 1); // the untouched window took the file
    EXPECT_EQ(window->activeDocument()->fileName(), path);

    setModified(window->activeDocument()->items(), true);
    QTest::mouseClick(window->commandBar()->button(B::Save), Qt::LeftButton);
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
    EXPECT_EQ(toolPalette->entry(Tool::Polygon)->text(), "Polygon");
    EXPECT_TRUE(toolPalette->hint()->text().contains("Page Setup"));
    EXPECT_TRUE(toolPalette->hint()->text().contains("to change the size of the design."));
    // The drawing tools can be chosen; the picture, which needs its dialog,
    // is grey rather than dead.
    for (ToolPaletteEntry* entry : toolPalette->entries())
        EXPECT_EQ(entry->isEnabled(), entry->tool() != Tool::Picture) << entry->text().toStdString();
}

TEST(ToolPalette, ClickReportsThePageOnce)
{
    ToolPalette toolPalette;
    toolPalette.show();
    std::vector<Page> chosen;
    QObject::connect(
        &toolPalette, &ToolPalette::entryChosen, [&chosen](Page page) { chosen.push_back(page); });
    QTest::mouseClick(toolPalette.entry(Tool::Rectangle), Qt::LeftButton);
    QTest::mouseClick(toolPalette.entry(Tool::Line), Qt::LeftButton);
    EXPECT_EQ(chosen, (std::vector<Page> { Page::RectangleTool, Page::LineTool }));
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
    window->pages().goBack();
    EXPECT_EQ(window->pages().currentPage(), Page::Select);
}
