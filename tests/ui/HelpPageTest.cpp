#include "ToolPagesFixture.h"

#include "shell/NextStepBox.h"

#include <QCheckBox>

namespace {

HelpPage* helpFrame(QWidget* frame)
{
    return qobject_cast<HelpPage*>(frame);
}

// Clicks the link of `words` in a help page's lines.
void clickLink(HelpPage* page, const QString& words)
{
    for (const HintLine& line : page->lines()->lines())
        if (line.mark == HintLine::Mark::Link && line.word == words) {
            emit page->lines()->linkActivated(line.link);
            return;
        }
    ADD_FAILURE() << "no link " << words.toStdString();
}

} // namespace

// Later help pages used to fall past the 42 switches and were never shown.
TEST(HelpSwitches, EveryToolHelpPageHasASwitchOfItsOwn)
{
    std::set<int> switches;
    for (const ToolInfo& tool : toolTable())
        for (Page page : { tool.madeHelp, tool.moveHelp, tool.keysHelp }) {
            if (page == Page::None)
                continue;
            const int index = helpSwitchOf(page);
            EXPECT_GE(index, 0) << int(page);
            EXPECT_LT(index, Preferences::kHelpPages) << int(page);
            switches.insert(index);
            // The picture's pages belong to the picture dialog.
            if (tool.tool != Tool::Picture) {
                EXPECT_TRUE(HelpPage::exists(page)) << int(page);
            }
        }
    EXPECT_EQ(switches.size(), 2u * 16 + 4) << "two pages per tool and four key pages, all apart";
    EXPECT_EQ(helpSwitchOf(static_cast<Page>(1067)), -1);
}

TEST_F(ToolPagesFixture, AHelpPageAfterAnItemLeadsToTheNextSteps)
{
    emit window->activeDocument()->toolPageRequested(static_cast<Page>(1043));
    HelpPage* page = helpFrame(frame());
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->title()->text(), "Triangle");
    EXPECT_EQ(page->lines()->texts(),
        QStringList({ "Click on Start next triangle to set the color or outline of the next triangle, or...",
            "Click on Fine-tune to change the color or outline of this triangle.",
            "Click on Move this triangle to adjust the position of this triangle. Then, move the triangle by "
            "dragging its center point, or change the shape by moving the end points." }));
    EXPECT_FALSE(page->dontShowAgain()->isChecked());
    EXPECT_EQ(window->nextStepBox()->shownSteps(), (std::array<int, 4> { 8, 9, 10, 0 }));

    clickLink(page, "Move this triangle");
    QTRY_COMPARE(window->pages().currentPage(), static_cast<Page>(1044));
    EXPECT_EQ(helpFrame(frame())->lines()->texts(),
        QStringList({ "To move the triangle, drag its center point.",
            "To change the shape of the triangle, drag its edge points.",
            "To rotate the triangle, drag the dot at the end of the line stretching from its center.",
            "To select another item, click on its edge. Hold down the Shift key to select more than one "
            "item." }));
}

TEST_F(ToolPagesFixture, TheStartLinkOfAHelpPageChoosesTheToolAgain)
{
    show(Page::TriangleTool);
    emit window->activeDocument()->toolPageRequested(static_cast<Page>(1043));
    clickLink(helpFrame(frame()), "Start next triangle");
    QTRY_COMPARE(window->pages().currentPage(), Page::TriangleTool);
    EXPECT_EQ(window->activeDocument()->editMode(), EditMode::Triangle);
}

TEST_F(ToolPagesFixture, KeyPagesListCloseOnlyForOpenForms)
{
    struct Case {
        int page;
        const char* name;
        bool close;
    };
    for (const Case& c : { Case { 1061, "spline", true }, Case { 1064, "solid", false },
             Case { 1070, "curve", true }, Case { 1073, "oblong", false }, Case { 1074, "spline", true } }) {
        SCOPED_TRACE(c.page);
        show(static_cast<Page>(c.page));
        HelpPage* page = helpFrame(frame());
        ASSERT_NE(page, nullptr);
        QStringList expected { "Hold down the Shift key to enter the final point.",
            QStringLiteral("Press the Enter key to end the %1 at the last turning point.").arg(c.name),
            "Press the Backspace key to remove the last point." };
        if (c.close)
            expected << QStringLiteral("Press 'C' to close the %1 and exit.").arg(c.name);
        expected << QStringLiteral("Press the Esc key to erase this %1.").arg(c.name);
        EXPECT_EQ(page->lines()->texts(), expected);
    }
}

// Ticking the box switches the page off for good: the page goes back to
// where the user was, the next request for it is passed over, and the
// switch survives a save and a load.
TEST_F(ToolPagesFixture, DontShowAgainSwitchesThePageOff)
{
    const Page made = static_cast<Page>(1049);
    show(Page::CircleTool);
    emit window->activeDocument()->toolPageRequested(made);
    ASSERT_EQ(window->pages().currentPage(), made);
    QTest::mouseClick(helpFrame(frame())->dontShowAgain(), Qt::LeftButton);
    EXPECT_FALSE(preferences().helpPageOn(helpSwitchOf(made)));
    QTRY_COMPARE(window->pages().currentPage(), Page::CircleTool);

    emit window->activeDocument()->toolPageRequested(made);
    QTest::qWait(150);
    EXPECT_EQ(window->pages().currentPage(), Page::CircleTool);

    const Preferences reloaded = savedAndLoaded();
    EXPECT_FALSE(reloaded.helpPageOn(helpSwitchOf(made)));
    EXPECT_TRUE(reloaded.helpPageOn(helpSwitchOf(static_cast<Page>(1051))));
}

// The text tool's first point asks for its help page; with the page off the
// placed-text page shows instead.
TEST_F(ToolPagesFixture, TextHelpOffShowsThePlacedTextPage)
{
    const Page textHelp = static_cast<Page>(1035);
    show(Page::TextTool);
    emit window->activeDocument()->toolPageRequested(textHelp);
    EXPECT_EQ(window->pages().currentPage(), textHelp);
    EXPECT_EQ(helpFrame(frame())->lines()->texts().first(), "Enter the text now.");
    preferences().helpPages[std::size_t(helpSwitchOf(textHelp))] = false;
    show(Page::TextTool);
    emit window->activeDocument()->toolPageRequested(textHelp);
    EXPECT_EQ(window->pages().currentPage(), Page::TextPlaced);
}

// The move help of a next-step suggestion shows only while its switch is on.
TEST_F(ToolPagesFixture, MoveSuggestionShowsItsHelpWhileItsSwitchIsOn)
{
    window->pages().performNextStep(13); // "Move this square"
    EXPECT_EQ(window->pages().currentPage(), static_cast<Page>(1046));
    EXPECT_EQ(window->nextStepBox()->shownSteps(), (std::array<int, 4> { 1, 11, 0, 0 }));
    preferences().helpPages[std::size_t(helpSwitchOf(static_cast<Page>(1046)))] = false;
    window->pages().performNextStep(13);
    EXPECT_EQ(window->pages().currentPage(), Page::Select);
}
