#include "MainWindowFixture.h"

#include <QFile>

namespace {

using Answer = UserPrompt::Answer;

const QString kExitQuestion = "One or more files were modified, but the changes have not been saved.\n"
                              "Do you want to save the files?";

struct ExitCase {
    const char* name;
    Answer answer;
    const char* saveAs; // Save As answer for the untitled drawing; "missing/" makes the save fail
    bool ends;
    bool fileWritten;
};

const ExitCase kExitCases[] = {
    { "no_ends_without_saving", Answer::No, "", true, false },
    { "cancel_keeps_running", Answer::Cancel, "", false, false },
    { "yes_saves_then_ends", Answer::Yes, "kept.tvle", true, true },
    { "yes_dialog_cancelled_keeps_running", Answer::Yes, "", false, false },
    { "yes_failing_save_keeps_running", Answer::Yes, "missing/sub/kept.tvle", false, false },
};

class MainWindowExit : public MainWindowFixture, public testing::WithParamInterface<ExitCase> { };

} // namespace

TEST_P(MainWindowExit, AsksAboutUnsavedDrawings)
{
    const ExitCase& c = GetParam();
    window->openDocument({});
    DocumentWindow* modified = window->openDocument({});
    setModified(modified->items(), true);
    window->openDocument({}); // unchanged, active
    const QString proposed = modified->title();
    prompt.queueAnswer(c.answer);
    const QString target = folder() + "/" + c.saveAs;
    if (QByteArray(c.saveAs).size() > 0)
        dialogs.queueAnswer(target);

    EXPECT_EQ(window->close(), c.ends);

    ASSERT_GE(prompt.asked.size(), 1);
    EXPECT_EQ(prompt.asked[0].text, kExitQuestion);
    EXPECT_EQ(prompt.asked[0].kind, UserPrompt::Kind::Warning);
    EXPECT_EQ(prompt.asked[0].buttons, UserPrompt::Buttons::YesNoCancel);
    if (c.answer == Answer::Yes) {
        // The untitled drawing's dialog proposes its title as the name.
        ASSERT_EQ(dialogs.calls.size(), 1);
        EXPECT_EQ(dialogs.calls[0].request.initialName, proposed);
        EXPECT_EQ(window->activeDocument(), c.ends ? nullptr : modified);
    }
    EXPECT_EQ(QFile::exists(target) && !QByteArray(c.saveAs).isEmpty(), c.fileWritten);
    if (!c.ends) {
        EXPECT_EQ(documentCount(), 3);
        EXPECT_TRUE(modified->isModified());
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, MainWindowExit, testing::ValuesIn(kExitCases),
    [](const testing::TestParamInfo<ExitCase>& p) { return std::string(p.param.name); });

TEST_F(MainWindowFixture, ExitWithNothingModifiedAsksNothing)
{
    window->openDocument({});
    window->openDocument({});
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(prompt.asked.isEmpty());
}

TEST_F(MainWindowFixture, FailedSaveOnExitNamesTheFileAndTheReason)
{
    setModified(window->openDocument({})->items(), true);
    prompt.queueAnswer(UserPrompt::Answer::Yes);
    const QString target = folder() + "/missing/unwritable.tvle";
    dialogs.queueAnswer(target);

    EXPECT_FALSE(window->close());

    ASSERT_EQ(prompt.asked.size(), 2);
    EXPECT_EQ(prompt.asked[1].kind, UserPrompt::Kind::Error);
    EXPECT_TRUE(prompt.asked[1].text.contains("unwritable.tvle")) << prompt.asked[1].text.toStdString();
    EXPECT_TRUE(window->activeDocument()->isModified());
}
