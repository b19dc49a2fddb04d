#include "shell/EditorApp.h"

#include "platform/DesktopRegistration.h"
#include "platform/widgets/OpenRequestMacro.h"
#include "platform/widgets/OpenRequestServer.h"
#include "platform/widgets/SingleInstance.h"
#include "shell/AppIcon.h"
#include "shell/MainWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

namespace {

int reportHandover(const SingleInstance::Handover& handover)
{
    for (const QString& failure : handover.failures)
        std::fprintf(stderr, "tavelle: %s\n", qPrintable(failure));
    return handover.failures.isEmpty() ? 0 : 1;
}

} // namespace

std::optional<int> handToRunningEditor(int argc, char** argv, const QStringList& files)
{
    QCoreApplication app(argc, argv);
    const SingleInstance::Handover handover = SingleInstance(openRequestSocketName()).handOver(files);
    if (!handover.editorFound)
        return std::nullopt;
    return reportHandover(handover);
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
    const SingleInstance instance(openRequestSocketName());
    OpenRequestServer server;
    switch (instance.listen(server)) {
    case OpenRequestServer::Listen::Listening:
        break;
    case OpenRequestServer::Listen::InUse:
        // Another start won the socket a moment ago: it is the editor.
        return reportHandover(instance.handOver(options.openFiles));
    case OpenRequestServer::Listen::Failed:
        std::fprintf(stderr, "tavelle: cannot listen for open requests on \"%s\"\n",
            qPrintable(instance.socketName()));
        break;
    }

    MainWindow window(context);
    server.setHandler([&window](const QString& macro) { return window.executeOpenMacro(macro); });
    watchStartupTiming(window, options.timing);
    window.show();
    for (const QString& file : options.openFiles)
        if (const QString refusal = window.executeOpenMacro(openMacroFor(file)); !refusal.isEmpty())
            std::fprintf(stderr, "tavelle: %s: %s\n", qPrintable(file), qPrintable(refusal));
    return QApplication::exec();
}
