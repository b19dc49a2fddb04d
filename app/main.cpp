#include "app/cli/CliSupport.h"
#include "app/cli/InfoCommand.h"
#include "app/cli/RenderCommand.h"
#include "base/ScreenMetrics.h"
#include "base/UserPrompt.h"
#include "canvas/EditorContext.h"
#include "platform/DesktopRegistration.h"
#include "platform/FileDialogsScripted.h"
#include "platform/SettingsStore.h"
#include "platform/widgets/PlatformDialogs.h"
#include "shell/EditorApp.h"

#include <QApplication>
#include <QGuiApplication>

#include <cstdio>
#include <memory>

namespace {

using WindowlessMode = int (*)(const QStringList& args, const EditorContext& context);

void reportBadDpi() { std::fputs("tavelle: --dpi needs a positive number\n", stderr); }

// Modes that need no window run before any window system is touched, so they
// also work on machines without a display.
int runWindowless(int argc, char** argv, WindowlessMode mode)
{
    const auto app = startCliApplication(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    ScreenMetrics screen;
    if (!screenFromOptions(args, screen)) {
        reportBadDpi();
        return 2;
    }
    // Nobody is there to answer: questions are declined and file dialogs cancelled.
    FixedAnswerPrompt prompt(UserPrompt::Answer::No);
    FileDialogsScripted noDialogs;
    const EditorContext context(screen, { &prompt, &noDialogs });
    return mode(args, context);
}

int runWithWindows(int argc, char** argv)
{
    startEditorClock();
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const EditorOptions options = parseEditorOptions(args);
    if (!options.openFile.isEmpty() && handToRunningEditor(argc, argv, options.openFile))
        return 0;

    QApplication app(argc, argv);
    setUpEditorApplication();
    ScreenMetrics screen;
    if (!screenFromOptions(args, screen)) {
        reportBadDpi();
        return 2;
    }
    PlatformDialogs dialogs;
    EditorContext context(screen, dialogs.services());
    context.loadSettings(std::make_unique<SettingsStore>());
    context.setFileTypeRegistration(makeDesktopRegistration());
    // A timing run, or a run started for a machine rather than a person
    // (TAVELLE_UNATTENDED set), must reach its first drawing without anyone
    // answering the first-time setup.
    context.setUnattended(options.timing.enabled || qEnvironmentVariableIsSet("TAVELLE_UNATTENDED"));
    return runEditor(context, options);
}

} // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--info")
            return runWindowless(argc, argv, runInfoCommand);
        if (arg == "--render")
            return runWindowless(argc, argv, runRenderCommand);
    }
    return runWithWindows(argc, argv);
}
