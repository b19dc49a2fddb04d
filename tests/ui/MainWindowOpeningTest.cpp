// Opening drawings without losing the user's intent: declined files leave
// nothing behind, loaded drawings are never replaced, open requests wait for
// the question on screen, and unreadable settings are reported once.
#include "MainWindowFixture.h"

#include "model/ItemKinds.h"
#include "platform/SettingsStore.h"
#include "platform/widgets/MessageBoxPrompt.h"
#include "platform/widgets/OpenRequestMacro.h"
#include "platform/widgets/OpenRequestServer.h"
#include "support/FileBuilder.h"

#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QUuid>

namespace {

QStringList recentEntries(MainWindow& window)
{
    QStringList shown;
    for (QAction* entry : window.recentFiles().menu()->actions())
        if (entry->isVisible() && !entry->isSeparator() && entry->objectName().startsWith("reopen"))
            shown << entry->text();
    return shown;
}

} // namespace

// A file whose signature is wrong asks whether to open it anyway; No leaves
// the windows as they were and the file out of Reopen, whichever way it came.
TEST_F(MainWindowFixture, DecliningAFileWithAWrongSignatureLeavesNothingBehind)
{
    const QString path = folder() + "/not a drawing.tvle";
    ASSERT_TRUE(FileBuilder().record(kinds::kHeader, [](ItemBody& b) { b.magic = 12345; }).save(path));
    for (const bool withUntitled : { false, true }) {
        SCOPED_TRACE(withUntitled);
        DocumentWindow* untitled = withUntitled ? window->openDocument({}) : nullptr;
        const QString untitledTitle = untitled ? untitled->title() : QString();
        const int before = documentCount();
        dialogs.queueAnswer(path);
        prompt.queueAnswer(UserPrompt::Answer::No);
        window->action("fileOpen")->trigger();
        ASSERT_EQ(prompt.asked.size(), 1);
        EXPECT_EQ(prompt.asked.last().text, drawingtext::kNotValid);
        QTest::qWait(300); // a window closing would be gone by now
        EXPECT_EQ(documentCount(), before);
        if (untitled) {
            EXPECT_EQ(window->activeDocument()->title(), untitledTitle);
        }
        EXPECT_TRUE(recentEntries(*window).isEmpty());
        prompt.asked.clear();
        for (DocumentWindow* docWindow : window->documents())
            docWindow->closeWithoutQuestions();
    }
}

// A drawing from a file, however small, is never taken for an untouched
// window and replaced by the next file opened.
TEST_F(MainWindowFixture, ALoadedDrawingIsNotReplacedByTheNextOpen)
{
    const QString first = writeEmptyDrawing("first.tvle");
    const QString second = writeEmptyDrawing("second.tvle");
    window->openDocument(first);
    window->openDocument(second);
    ASSERT_EQ(documentCount(), 2);
    EXPECT_EQ(window->documents().front()->fileName(), first);
}

TEST(UnreadableSettings, AreReportedOnceSayingTheyWillNotBeSaved)
{
    QTemporaryDir dir;
    // A folder where the settings file should be cannot be read as one.
    const QString path = dir.filePath("Tavelle.conf");
    ASSERT_TRUE(QDir().mkpath(path));
    MessageBoxScript prompt(UserPrompt::Answer::Ok);
    FileDialogsScripted dialogs;
    EditorContext context(ScreenMetrics { 96, 96 }, { &prompt, &dialogs });
    EXPECT_FALSE(context.loadSettings(std::make_unique<SettingsStore>(path)));
    {
        MainWindow window(context);
        window.show();
        EXPECT_TRUE(QTest::qWaitFor([&prompt] { return !prompt.asked.isEmpty(); }, 2000));
        window.close();
    }
    ASSERT_EQ(prompt.asked.size(), 1);
    EXPECT_EQ(prompt.asked[0].kind, UserPrompt::Kind::Warning);
    EXPECT_TRUE(prompt.asked[0].text.contains(QDir::toNativeSeparators(path)));
    EXPECT_TRUE(prompt.asked[0].text.contains("will not be saved"));
    EXPECT_FALSE(context.saveSettings());
}

// A file handed over by a later start while the editor asks a question
// opens only once the question is answered, never under it.
TEST(OpenRequestDuringAQuestion, WaitsUntilTheQuestionCloses)
{
    MessageBoxPrompt prompt;
    FileDialogsScripted dialogs;
    EditorContext context(ScreenMetrics { 96, 96 }, { &prompt, &dialogs });
    MainWindow window(context);
    window.show();
    QTemporaryDir dir;
    ItemList list;
    createHeader(list);
    const QString asked = dir.filePath("asked about.tvle"), handed = dir.filePath("handed over.tvle");
    ASSERT_TRUE(writeDrawing(asked, list) && writeDrawing(handed, list));
    DocumentWindow* docWindow = window.openDocument(asked);
    ASSERT_NE(docWindow, nullptr);
    setModified(docWindow->items(), true);

    const QString socket = "tavelle-test-" + QUuid::createUuid().toString(QUuid::WithoutBraces).left(8);
    OpenRequestServer server;
    ASSERT_EQ(server.listen(socket), OpenRequestServer::Listen::Listening);
    server.setHandler([&window](const QString& macro) { return window.executeOpenMacro(macro); });

    int secondStatus = -2;
    std::vector<QString> openWhileAsking;
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTimer::singleShot(0, [&] {
        QMessageBox* box = nullptr;
        const auto questionShown = [&box] {
            box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            return box != nullptr;
        };
        if (!QTest::qWaitFor(questionShown, 5000))
            return;
        QProcess second;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("TAVELLE_OPEN_SOCKET", socket);
        second.setProcessEnvironment(env);
        second.start(testpaths::tavelleProgram(), { handed });
        if (QTest::qWaitFor([&second] { return second.state() == QProcess::NotRunning; }, 15000))
            secondStatus = second.exitCode();
        QTest::qWait(300); // time enough for a request that does not wait
        for (DocumentWindow* open : window.documents())
            openWhileAsking.push_back(open->fileName());
        QTest::keyClick(box, Qt::Key_Escape); // Cancel: the drawing stays open
    });
    QTest::keyClick(docWindow, Qt::Key_W, Qt::ControlModifier);

    EXPECT_EQ(secondStatus, 0);
    EXPECT_EQ(openWhileAsking, std::vector<QString>({ asked }));
    EXPECT_TRUE(QTest::qWaitFor([&window] { return window.documents().size() == 2; }, 3000));
    ASSERT_NE(window.activeDocument(), nullptr);
    EXPECT_EQ(window.activeDocument()->fileName(), handed);
    for (DocumentWindow* open : window.documents())
        open->closeWithoutQuestions();
}
