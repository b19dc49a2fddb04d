#include "MainWindowFixture.h"

#include "fixtures/SettingsFixtures.h"

#include "platform/widgets/OpenRequestClient.h"
#include "platform/widgets/OpenRequestMacro.h"
#include "platform/widgets/OpenRequestServer.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QUuid>

namespace {

// A socket name of this test's own, so no editor the user runs is involved.
QString privateSocketName()
{
    return "tavelle-test-" + QUuid::createUuid().toString(QUuid::WithoutBraces).left(8);
}

// The built editor; beside the test program's folder when the build folder
// is not passed in the environment.
QString editorProgram()
{
    const QString named = testpaths::tavelleProgram();
    if (QFileInfo(named).isAbsolute() && QFileInfo::exists(named))
        return named;
    return QCoreApplication::applicationDirPath() + "/../tavelle";
}

QProcessEnvironment editorEnvironment(const QString& socket)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("TAVELLE_OPEN_SOCKET", socket);
    const QString configHome = testpaths::scratchDir() + "/editor-config";
    settingsfixture::seedCompletedSetup(configHome);
    env.insert("XDG_CONFIG_HOME", configHome);
    return env;
}

} // namespace

TEST(OpenRequestMacro, FileNameIsTakenBetweenTheFirstTwoQuotesOfTheFirstLine)
{
    struct Case {
        const char* macro;
        const char* file;
    };
    const Case cases[] = {
        { "[open(\"/home/u/card.tvle\")]", "/home/u/card.tvle" },
        { "[open(\"/a b/c.tvle\")]\n[open(\"/other.tvle\")]", "/a b/c.tvle" },
        { "[open(\"/no/closing/quote.tvle", "/no/closing/quote.tvle" },
        { "[open()]", "" },
        { "", "" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(fileNameFromMacro(QString::fromUtf8(c.macro)), QString::fromUtf8(c.file)) << c.macro;
    EXPECT_EQ(fileNameFromMacro(openMacroFor("/x/y.tvle")), "/x/y.tvle");
}

TEST(OpenRequestSocket, NothingAnswersWithoutAServer)
{
    EXPECT_FALSE(sendOpenRequest(privateSocketName(), openMacroFor("/x.tvle"), 200));
}

TEST_F(MainWindowFixture, OpenRequestFromTheSocketOpensAnExistingFileOnly)
{
    const QString socket = privateSocketName();
    OpenRequestServer server;
    ASSERT_TRUE(server.listen(socket));
    QObject::connect(&server, &OpenRequestServer::macroReceived, window.get(), &MainWindow::executeOpenMacro);
    QSignalSpy received(&server, &OpenRequestServer::macroReceived);

    ASSERT_TRUE(sendOpenRequest(socket, openMacroFor(folder() + "/missing.tvle")));
    ASSERT_TRUE(received.wait(3000));
    EXPECT_EQ(documentCount(), 0);

    const QString path = writeEmptyDrawing("requested.tvle");
    ASSERT_TRUE(sendOpenRequest(socket, openMacroFor(path)));
    ASSERT_TRUE(received.wait(3000));
    QTest::qWait(100);
    EXPECT_EQ(received.count(), 2); // each request arrives once
    ASSERT_EQ(documentCount(), 1);
    EXPECT_EQ(window->activeDocument()->fileName(), path);
}

// The real program: `tavelle -open FILE` hands the file to the editor that
// listens on the socket (here this test) and ends at once.
TEST_F(MainWindowFixture, OpenSwitchHandsTheFileToTheRunningEditor)
{
    const QString socket = privateSocketName();
    OpenRequestServer server;
    ASSERT_TRUE(server.listen(socket));
    QObject::connect(&server, &OpenRequestServer::macroReceived, window.get(), &MainWindow::executeOpenMacro);
    const QString path = writeEmptyDrawing("handed over.tvle");

    QProcess second;
    second.setProcessEnvironment(editorEnvironment(socket));
    second.setWorkingDirectory(folder());
    // A relative name is made absolute before it leaves this folder.
    second.start(editorProgram(), { "-open", "handed over.tvle" });
    ASSERT_TRUE(second.waitForFinished(10000)) << second.errorString().toStdString();
    EXPECT_EQ(second.exitCode(), 0);

    EXPECT_TRUE(QTest::qWaitFor([this] { return documentCount() == 1; }, 5000));
    ASSERT_NE(window->activeDocument(), nullptr);
    EXPECT_EQ(window->activeDocument()->fileName(), path);
}

// With no editor running, `-open FILE` starts one that opens FILE and listens
// for further requests.
TEST_F(MainWindowFixture, OpenSwitchStartsTheEditorWhenNoneRuns)
{
    const QString socket = privateSocketName();
    const QString path = writeEmptyDrawing("started.tvle");
    QProcess editor;
    editor.setProcessEnvironment(editorEnvironment(socket));
    editor.start(editorProgram(), { "--timing", "-open", path });
    ASSERT_TRUE(editor.waitForFinished(15000)) << editor.errorString().toStdString();
    EXPECT_EQ(editor.exitCode(), 0);
    const QString report = QString::fromLocal8Bit(editor.readAllStandardError());
    EXPECT_TRUE(report.contains("first paint")) << report.toStdString();
    EXPECT_TRUE(report.contains("started")) << report.toStdString();
}
