#include "shell/EditorApp.h"

#include "base/ScreenMetrics.h"
#include "shell/AppIcon.h"
#include "platform/widgets/OpenRequestClient.h"
#include "platform/widgets/OpenRequestMacro.h"
#include "platform/widgets/OpenRequestServer.h"
#include "shell/StartupTiming.h"
#include "shell/MainWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QScreen>
#include <QTimer>

#include <cstring>
#include <memory>

namespace {

struct EditorOptions {
    QString openFile;
    double dpi = 0;
    TimingRequest timing;
};

EditorOptions parseOptions(int argc, char** argv)
{
    EditorOptions options;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "-open") == 0 && hasValue)
            options.openFile = QFileInfo(QString::fromLocal8Bit(argv[++i])).absoluteFilePath();
        else if (std::strcmp(argv[i], "--dpi") == 0 && hasValue)
            options.dpi = QString::fromLocal8Bit(argv[++i]).toDouble();
        else if (std::strcmp(argv[i], "--timing") == 0)
            options.timing.enabled = true;
        else if (std::strcmp(argv[i], "--timing-zoom") == 0 && hasValue)
            options.timing.zoomPercent = QString::fromLocal8Bit(argv[++i]).toInt();
    }
    return options;
}

// Hands the file to an editor that is already running; true when one took it.
// Needs no window system, so it works from a shell without a display too.
bool handToRunningEditor(int argc, char** argv, const QString& file)
{
    QCoreApplication app(argc, argv);
    return sendOpenRequest(openRequestSocketName(), openMacroFor(file));
}

void setUpScreenDpi(double dpi)
{
    if (dpi > 0) {
        setScreenDpi(dpi, dpi);
        return;
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setScreenDpi(screen->logicalDotsPerInchX(), screen->logicalDotsPerInchY());
}

} // namespace

int runEditor(int argc, char** argv)
{
    startEditorClock();
    const EditorOptions options = parseOptions(argc, argv);
    if (!options.openFile.isEmpty() && handToRunningEditor(argc, argv, options.openFile))
        return 0;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavelle"));
    QApplication::setApplicationVersion(QStringLiteral("0.1"));
    QApplication::setWindowIcon(appIcon());
    setUpScreenDpi(options.dpi);

    MainWindow window;
    OpenRequestServer server;
    QObject::connect(&server, &OpenRequestServer::macroReceived, &window, &MainWindow::DdeServerConv1ExecuteMacro);
    server.listen(openRequestSocketName());

    watchStartupTiming(window, options.timing);
    window.show();
    if (!options.openFile.isEmpty()) {
        const QString macro = openMacroFor(options.openFile);
        QTimer::singleShot(0, &window, [&window, macro] { window.DdeServerConv1ExecuteMacro(macro); });
    }
    return app.exec();
}
