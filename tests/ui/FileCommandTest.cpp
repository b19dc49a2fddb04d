#include "DocumentWindowFixture.h"

#include "canvas/DocumentSettings.h"
#include "canvas/FileCommands.h"
#include "model/DrawingHeader.h"
#include "support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

class FileCommand : public DocumentWindowFixture {
protected:
    FileCommand()
    {
        createHeader(items);
        folder
            = testpaths::scratchDir() + "/" + testing::UnitTest::GetInstance()->current_test_info()->name();
        QDir().mkpath(folder);
    }

    DocumentFile document(const QString& path = {})
    {
        DocumentFile d { &items, path, QStringLiteral("Untitled 3"),
            [this](const QString& p) { recent << p; } };
        return d;
    }

    ItemList items;
    QString folder;
    QStringList recent;
};

QByteArray contentsOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST_F(FileCommand, OpenDialogUsesTheDrawingFilterAndRemembersTheFolder)
{
    dialogs.queueAnswer(folder + "/picked.tvle");
    const QString path = openFileDialog(nullptr, context, [this](const QString& p) { recent << p; });
    EXPECT_EQ(path, folder + "/picked.tvle");
    ASSERT_EQ(dialogs.calls.size(), 1);
    const FileDialogs::Request& r = dialogs.calls[0].request;
    EXPECT_EQ(r.title, QStringLiteral("Open"));
    EXPECT_EQ(r.filter, QStringLiteral("All files (*.*)|*.*|Tavelle files (*.tvle)|*.tvle"));
    EXPECT_EQ(r.filterIndex, 1);
    EXPECT_EQ(r.defaultSuffix, QStringLiteral("tvle"));
    EXPECT_EQ(qtFilterList(r.filter), (QStringList { "All files (*)", "Tavelle files (*.tvle)" }));
    EXPECT_EQ(recent, QStringList { path });
    EXPECT_EQ(documentsettings::documentFolder(preferences), folder);

    // The next Open starts in that folder with the last file opened.
    openFileDialog(nullptr, context);
    EXPECT_EQ(dialogs.calls[1].request.folder, folder);
    EXPECT_EQ(dialogs.calls[1].request.initialName, path);
}

TEST_F(FileCommand, SaveAsAddsTheDefaultExtension)
{
    DocumentFile d = document();
    dialogs.queueAnswer(folder + "/plain");
    ASSERT_TRUE(saveDocumentAs(nullptr, context, d));
    EXPECT_EQ(d.path, folder + "/plain.tvle");
    EXPECT_TRUE(QFile::exists(d.path));
    EXPECT_EQ(recent, QStringList { d.path });
    EXPECT_FALSE(isModified(items));
}

TEST_F(FileCommand, SaveAsOntoAnExistingFileAnsweredNoWritesNothing)
{
    const QString other = folder + "/other.tvle";
    {
        QFile f(other);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("keep me");
    }
    DocumentFile d = document(folder + "/mine.tvle");
    setModified(items, true);
    dialogs.queueAnswer(other);
    prompt.queueAnswer(UserPrompt::Answer::No);
    EXPECT_FALSE(saveDocumentAs(nullptr, context, d));
    ASSERT_EQ(prompt.asked.size(), 1);
    EXPECT_EQ(prompt.asked[0].text, QStringLiteral("Replace the existing file?"));
    EXPECT_EQ(prompt.asked[0].buttons, UserPrompt::Buttons::YesNo);
    EXPECT_EQ(contentsOf(other), QByteArray("keep me"));
    EXPECT_EQ(d.path, folder + "/mine.tvle");
    EXPECT_TRUE(recent.isEmpty());

    // Yes replaces it.
    dialogs.queueAnswer(other);
    prompt.queueAnswer(UserPrompt::Answer::Yes);
    EXPECT_TRUE(saveDocumentAs(nullptr, context, d));
    EXPECT_NE(contentsOf(other), QByteArray("keep me"));
    EXPECT_EQ(d.path, other);
}

TEST_F(FileCommand, SaveWritesInPlaceWithoutADialog)
{
    DocumentFile d = document();
    dialogs.queueAnswer(folder + "/place.tvle");
    ASSERT_TRUE(saveDocument(nullptr, context, d, false)); // untitled: Save As
    EXPECT_EQ(dialogs.calls.size(), 1);
    EXPECT_TRUE(dialogs.calls[0].request.initialName.isEmpty());
    recent.clear();
    setModified(items, true);
    ASSERT_TRUE(saveDocument(nullptr, context, d, false));
    EXPECT_EQ(dialogs.calls.size(), 1); // no second dialog
    EXPECT_TRUE(recent.isEmpty()); // saving in place leaves the recent list alone
    EXPECT_FALSE(isModified(items));
}

TEST_F(FileCommand, SavingAnUntitledDrawingAtExitProposesItsTitle)
{
    DocumentFile d = document();
    EXPECT_FALSE(saveDocument(nullptr, context, d, true)); // dialog cancelled
    ASSERT_EQ(dialogs.calls.size(), 1);
    EXPECT_EQ(dialogs.calls[0].request.initialName, QStringLiteral("Untitled 3"));
    EXPECT_EQ(dialogs.calls[0].request.title, QStringLiteral("Save As"));
    EXPECT_TRUE(d.path.isEmpty());
}

TEST_F(FileCommand, AFailedWriteNamesTheFileKeepsTheDrawingModifiedAndIsNotDone)
{
    DocumentFile d = document();
    setModified(items, true);
    const QString target = folder + "/no/such/folder/x.tvle";
    dialogs.queueAnswer(target);
    EXPECT_FALSE(saveDocumentAs(nullptr, context, d));
    ASSERT_EQ(prompt.asked.size(), 1);
    EXPECT_EQ(prompt.asked[0].kind, UserPrompt::Kind::Error);
    EXPECT_TRUE(prompt.asked[0].text.startsWith(QStringLiteral("Cannot save the file")));
    EXPECT_TRUE(prompt.asked[0].text.contains(QDir::toNativeSeparators(target)));
    EXPECT_TRUE(isModified(items));
    EXPECT_TRUE(d.path.isEmpty());
    EXPECT_TRUE(recent.isEmpty());
}
