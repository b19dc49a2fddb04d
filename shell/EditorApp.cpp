#include "shell/EditorApp.h"

#include "platform/DesktopRegistration.h"
#include "platform/widgets/OpenRequestClient.h"
#include "platform/widgets/OpenRequestMacro.h"
#include "platform/widgets/OpenRequestServer.h"
#include "shell/AppIcon.h"
#include "shell/MainWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTimer>

bool handToRunningEditor(int argc, char** argv, const QString& file)
{
    QCoreApplication app(argc, argv);
    return sendOpenRequest(openRequestSocketName(), openMacroFor(file));
}

void setUpEditorApplication()
{
    QApplication::setApplicationName(QStringLiteral("Tavelle"));
    QApplication::setApplicationVersion(QStringLiteral("0.1"));
    QApplication::setWindowIcon(appIcon());
}

std::unique_ptr<DesktopRegistration> makeDesktopRegistration()
{
    return std::make_unique<DesktopRegistration>(DesktopRegistration::Setup {
        DesktopRegistration::defaultDataHome(), QCoreApplication::applicationFilePath(), appIconImage });
}

int runEditor(EditorContext& context, const EditorOptions& options)
{
    MainWindow window(context);
    OpenRequestServer server;
    QObject::connect(&server, &OpenRequestServer::macroReceived, &window, &MainWindow::executeOpenMacro);
    server.listen(openRequestSocketName());

    watchStartupTiming(window, options.timing);
    window.show();
    if (!options.openFile.isEmpty()) {
        const QString macro = openMacroFor(options.openFile);
        QTimer::singleShot(0, &window, [&window, macro] { window.executeOpenMacro(macro); });
    }
    return QApplication::exec();
}
