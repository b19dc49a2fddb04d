#include "MainWindowFixture.h"

#include "model/RecentFiles.h"
#include "platform/SettingsStore.h"
#include "settings/FirstRunRecord.h"

#include <QMenu>

namespace {

QStringList padded(QStringList list)
{
    while (list.size() < recentfiles::kCount)
        list << QString();
    return list;
}

} // namespace

class RecentFilesUi : public MainWindowFixture {
protected:
    QStringList& recent() { return context.preferences().recentFiles; }

    QStringList shownCaptions() const
    {
        QStringList shown;
        for (QAction* entry : window->recentFiles().menu()->actions())
            if (entry->isVisible() && !entry->isSeparator() && entry->objectName().startsWith("reopen"))
                shown << entry->text();
        return shown;
    }
};

TEST_F(RecentFilesUi, ReopenShowsTheListInOrderAndOpensEntries)
{
    const QString first = writeEmptyDrawing("first.tvle");
    const QString second = writeEmptyDrawing("second.tvle");
    window->recentFiles().add(first);
    window->recentFiles().add(second);
    window->recentFiles().add(first);
    EXPECT_EQ(shownCaptions(), QStringList({ "first", "second" }));

    window->action("reopen2")->trigger();
    ASSERT_EQ(documentCount(), 1);
    EXPECT_EQ(window->activeDocument()->fileName(), second);
}

TEST_F(RecentFilesUi, ClosingAndSavingAsPutTheFileFirst)
{
    const QString opened = writeEmptyDrawing("opened.tvle");
    window->openDocument(opened)->closeWithoutQuestions();
    EXPECT_EQ(recent().first(), opened);

    const QString saved = folder() + "/savedas.tvle";
    dialogs.queueAnswer(saved);
    window->openDocument({});
    window->action("fileSaveAs")->trigger();
    EXPECT_EQ(recent().first(), saved);
    EXPECT_EQ(shownCaptions(), QStringList({ "savedas", "opened" }));
}

TEST_F(RecentFilesUi, MissingFileIsReportedAndKept)
{
    const QString gone = folder() + "/gone.tvle";
    window->recentFiles().add(gone);
    window->action("reopen1")->trigger();
    EXPECT_EQ(documentCount(), 0);
    ASSERT_EQ(prompt.asked.size(), 1);
    EXPECT_EQ(prompt.asked[0].text, "Cannot find the file.");
    EXPECT_EQ(prompt.asked[0].kind, UserPrompt::Kind::Warning);
    EXPECT_EQ(prompt.asked[0].buttons, UserPrompt::Buttons::Cancel);
    EXPECT_EQ(recent().first(), gone);
}

TEST_F(RecentFilesUi, ClearAsksAndEmptiesOnYesOnly)
{
    window->recentFiles().add("/d/one.tvle");
    prompt.queueAnswer(UserPrompt::Answer::No);
    window->action("clearRecent")->trigger();
    EXPECT_EQ(shownCaptions(), QStringList({ "one" }));
    prompt.queueAnswer(UserPrompt::Answer::Yes);
    window->action("clearRecent")->trigger();
    EXPECT_TRUE(shownCaptions().isEmpty());
    EXPECT_EQ(recent(), padded({}));
    ASSERT_EQ(prompt.asked.size(), 2);
    EXPECT_EQ(prompt.asked[0].text, "Clear the list of recently used files?");
    EXPECT_EQ(prompt.asked[0].buttons, UserPrompt::Buttons::YesNo);
}

TEST_F(RecentFilesUi, ListSurvivesARestart)
{
    const QString settingsFile = folder() + "/Tavelle.conf";
    ASSERT_TRUE(context.loadSettings(std::make_unique<SettingsStore>(settingsFile)));
    firstrun::markSetupCompleted(*context.settingsStore());
    const QString kept = writeEmptyDrawing("kept.tvle");
    window->openDocument(kept);
    EXPECT_TRUE(window->close()); // closing the window lists the file; exit writes the settings
    window.reset();

    EditorContext restarted(ScreenMetrics {}, { &prompt, &dialogs });
    ASSERT_TRUE(restarted.loadSettings(std::make_unique<SettingsStore>(settingsFile)));
    window = std::make_unique<MainWindow>(restarted);
    EXPECT_EQ(restarted.preferences().recentFiles.first(), kept);
    EXPECT_EQ(shownCaptions().value(0), "kept");
    window.reset();
}

TEST_F(MainWindowFixture, HintsMenuSwitchesAllHelpPages)
{
    window->action("hintsShowNone")->trigger();
    EXPECT_TRUE(context.preferences().noHelpPageOn());
    EXPECT_TRUE(window->action("hintsShowNone")->isChecked());
    EXPECT_FALSE(window->action("hintsShowAll")->isChecked());
    window->action("hintsShowAll")->trigger();
    EXPECT_TRUE(context.preferences().allHelpPagesOn());
    EXPECT_TRUE(window->action("hintsShowAll")->isChecked());
    EXPECT_FALSE(window->action("hintsShowNone")->isChecked());
}
