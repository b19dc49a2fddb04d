#include "MainWindowFixture.h"

#include "fixtures/SettingsFixtures.h"

#include "platform/widgets/OpenRequestClient.h"
#include "platform/widgets/OpenRequestMacro.h"
#include "platform/widgets/OpenRequestServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUuid>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

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

// A later start of the program, run while this test's event loop keeps
// going, so the editor in this test can answer it.
struct SecondStart {
    int status = -1; // -1: did not end in time or crashed
    QString errors;
};
SecondStart startAgain(const QString& socket, const QString& folder, const QStringList& args)
{
    QProcess second;
    second.setProcessEnvironment(editorEnvironment(socket));
    second.setWorkingDirectory(folder);
    second.start(editorProgram(), args);
    if (!second.waitForStarted(10000))
        return {};
    if (!QTest::qWaitFor([&second] { return second.state() == QProcess::NotRunning; }, 15000)) {
        second.kill();
        second.waitForFinished();
        return {};
    }
    const bool normal = second.exitStatus() == QProcess::NormalExit;
    return { normal ? second.exitCode() : -1, QString::fromLocal8Bit(second.readAllStandardError()) };
}

// The socket file a crashed editor leaves behind: bound, nobody accepting.
// Returns the descriptor, which the caller closes.
int leaveStaleSocket(const QString& name)
{
    const QByteArray path = QDir::temp().filePath(name).toLocal8Bit();
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    std::memcpy(
        address.sun_path, path.constData(), std::min<std::size_t>(path.size(), sizeof address.sun_path - 1));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd >= 0 && ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
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
        { "[open(\"/say \"\"hi\"\".tvle\")]", "/say \"hi\".tvle" },
        { "[open(\"/two\nlines.tvle\")]", "/two\nlines.tvle" },
        { "[open()]\n[open(\"/second/line.tvle\")]", "" },
        { "[open()]", "" },
        { "", "" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(fileNameFromMacro(QString::fromUtf8(c.macro)), QString::fromUtf8(c.file)) << c.macro;
    for (const char* name : { "/x/y.tvle", "/\"quoted\".tvle", "/\"", "/end\"\"" })
        EXPECT_EQ(fileNameFromMacro(openMacroFor(QString::fromUtf8(name))), QString::fromUtf8(name)) << name;
    EXPECT_TRUE(isActivateMacro(activateMacro()));
    EXPECT_FALSE(isActivateMacro(openMacroFor("/activate()")));
}

TEST(OpenRequestSocket, NothingAnswersWithoutAServer)
{
    EXPECT_EQ(sendOpenRequest(privateSocketName(), openMacroFor("/x.tvle"), 200).status,
        OpenRequestResult::Status::NoEditor);
}

// A socket that an editor answers on is never taken from it; one that a
// crashed editor left behind is.
TEST(OpenRequestSocket, OnlyAStaleSocketIsTakenOver)
{
    const QString live = privateSocketName();
    OpenRequestServer first, second;
    ASSERT_EQ(first.listen(live), OpenRequestServer::Listen::Listening);
    EXPECT_EQ(second.listen(live), OpenRequestServer::Listen::InUse);

    const QString stale = privateSocketName();
    const int fd = leaveStaleSocket(stale);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(sendOpenRequest(stale, activateMacro(), 500).status, OpenRequestResult::Status::NoEditor);
    OpenRequestServer taker;
    EXPECT_EQ(taker.listen(stale), OpenRequestServer::Listen::Listening);
    ::close(fd);
}

// The editor of this test listens as the running editor would; later starts
// of the real program hand their files over and end.
class RunningEditor : public MainWindowFixture {
protected:
    RunningEditor()
    {
        EXPECT_EQ(server.listen(socket), OpenRequestServer::Listen::Listening);
        server.setHandler([this](const QString& macro) { return window->executeOpenMacro(macro); });
    }

    QStringList openFileNames() const
    {
        QStringList names;
        for (DocumentWindow* docWindow : window->documents())
            names << docWindow->fileName();
        return names;
    }

    const QString socket = privateSocketName();
    OpenRequestServer server;
};

TEST_F(RunningEditor, LaterStartsHandTheirFilesOverAndEnd)
{
    const QString plain = writeEmptyDrawing("plain name.tvle");
    const QString quoted = writeEmptyDrawing("say \"hi\".tvle");
    const QString switched = writeEmptyDrawing("switched.tvle");

    // Relative names are made absolute before they leave the start's folder.
    const SecondStart run
        = startAgain(socket, folder(), { "plain name.tvle", "say \"hi\".tvle", "-open", "switched.tvle" });
    EXPECT_EQ(run.status, 0) << run.errors.toStdString();
    EXPECT_TRUE(QTest::qWaitFor([this] { return documentCount() == 3; }, 5000));
    EXPECT_EQ(openFileNames(), QStringList({ plain, quoted, switched }));
}

TEST_F(RunningEditor, AStartWithoutFilesLeavesTheRunningEditorAlone)
{
    window->openDocument({});
    const SecondStart run = startAgain(socket, folder(), {});
    EXPECT_EQ(run.status, 0) << run.errors.toStdString();
    QTest::qWait(100);
    EXPECT_EQ(documentCount(), 1);
}

TEST_F(RunningEditor, AFileTheEditorCannotTakeEndsTheStartWithAnError)
{
    const QString present = writeEmptyDrawing("present.tvle");
    const SecondStart run = startAgain(socket, folder(), { "missing.tvle", "present.tvle" });
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.errors.contains("missing.tvle")) << run.errors.toStdString();
    EXPECT_TRUE(run.errors.contains("cannot find the file")) << run.errors.toStdString();
    EXPECT_FALSE(run.errors.contains("present.tvle")) << run.errors.toStdString();
    EXPECT_TRUE(QTest::qWaitFor([this] { return documentCount() == 1; }, 5000));
    EXPECT_EQ(openFileNames(), QStringList({ present }));
}

// With no editor running, a start with a file becomes the editor and opens it.
TEST(OpenRequestStart, AStartWithAFileBecomesTheEditorWhenNoneRuns)
{
    const QString socket = privateSocketName();
    QTemporaryDir dir;
    ItemList list;
    createHeader(list);
    const QString path = dir.filePath("started.tvle");
    ASSERT_TRUE(writeDrawing(path, list));
    QProcess editor;
    editor.setProcessEnvironment(editorEnvironment(socket));
    editor.start(editorProgram(), { "--timing", path });
    ASSERT_TRUE(editor.waitForFinished(15000)) << editor.errorString().toStdString();
    EXPECT_EQ(editor.exitCode(), 0);
    const QString report = QString::fromLocal8Bit(editor.readAllStandardError());
    EXPECT_TRUE(report.contains("first paint")) << report.toStdString();
    EXPECT_TRUE(report.contains("started")) << report.toStdString();
}
