#include "DocumentWindowFixture.h"

#include "support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>

namespace {

using Answer = UserPrompt::Answer;

struct CloseCase {
    const char* name;
    bool withFile;
    Answer answer;
    const char* saveAs; // the Save As dialog's answer: "" cancels, "missing/" a folder that does not exist
    bool closes;
};

const CloseCase kCases[] = {
    { "untitled_no", false, Answer::No, "", true },
    { "untitled_cancel", false, Answer::Cancel, "", false },
    { "untitled_yes_saves", false, Answer::Yes, "saved.tvle", true },
    { "untitled_yes_dialog_cancelled", false, Answer::Yes, "", false },
    { "untitled_yes_save_fails", false, Answer::Yes, "missing/sub/x.tvle", false },
    { "file_yes_saves_in_place", true, Answer::Yes, "", true },
    { "file_no", true, Answer::No, "", true },
    { "file_cancel", true, Answer::Cancel, "", false },
};

class DocumentClose : public DocumentWindowFixture, public testing::WithParamInterface<CloseCase> { };

} // namespace

TEST_P(DocumentClose, AsksAndClosesOnlyWhenSafe)
{
    const CloseCase& c = GetParam();
    const QString dir = testpaths::scratchDir() + "/close_" + c.name;
    QDir().mkpath(dir);
    auto w = newWindow();
    QString path;
    if (c.withFile) {
        path = dir + "/drawing.tvle";
        dialogs.queueAnswer(path);
        ASSERT_TRUE(w->saveDocumentAs());
        ASSERT_TRUE(QFile::exists(path));
    }
    setModified(w->items(), true);
    prompt.queueAnswer(c.answer);
    if (QByteArray(c.saveAs).size() > 0)
        dialogs.queueAnswer(dir + "/" + c.saveAs);
    QSignalSpy used(w.get(), &DocumentWindow::fileUsed);

    EXPECT_EQ(w->close(), c.closes);

    ASSERT_GE(prompt.asked.size(), 1);
    EXPECT_EQ(prompt.asked[0].kind, UserPrompt::Kind::Confirmation);
    EXPECT_EQ(prompt.asked[0].buttons, UserPrompt::Buttons::YesNoCancel);
    EXPECT_EQ(prompt.asked[0].text,
        c.withFile ? QStringLiteral("Do you want to save changes to drawing?")
                   : QStringLiteral("Do you want to save the file?"));
    EXPECT_EQ(w->isModified(), !(c.closes && c.answer == Answer::Yes)); // only a save clears it
    if (c.withFile) {
        // The file's path goes to the recently used files whatever the answer.
        ASSERT_FALSE(used.isEmpty());
        EXPECT_EQ(used.last().at(0).toString(), path);
    }
    if (QByteArray(c.name).endsWith("save_fails")) {
        ASSERT_EQ(prompt.asked.size(), 2);
        EXPECT_EQ(prompt.asked[1].kind, UserPrompt::Kind::Error);
        EXPECT_TRUE(prompt.asked[1].text.contains(QDir::toNativeSeparators(dir + "/missing/sub/x.tvle")));
        EXPECT_TRUE(w->fileName().isEmpty()); // the untaken name is not kept
    }
    if (QByteArray(c.name) == "untitled_yes_saves") {
        EXPECT_TRUE(QFile::exists(dir + "/saved.tvle"));
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, DocumentClose, testing::ValuesIn(kCases),
    [](const testing::TestParamInfo<CloseCase>& param) { return std::string(param.param.name); });

using DocumentCloseUnchanged = DocumentWindowFixture;

TEST_F(DocumentCloseUnchanged, AnUnchangedDrawingClosesWithoutAQuestion)
{
    auto w = newWindow();
    EXPECT_TRUE(w->close());
    EXPECT_TRUE(prompt.asked.isEmpty());
}
