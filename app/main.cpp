#include "app/cli/CliSupport.h"
#include "app/cli/CommandLine.h"
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
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <memory>

namespace {

using WindowlessMode = int (*)(const CommandLine& line, const EditorContext& context);

// Modes that need no window run before any window system is touched, so they
// also work on machines without a display.
int runWindowless(int argc, char** argv, const CommandLine& line, WindowlessMode mode)
{
    const auto app = startCliApplication(argc, argv);
    // Nobody is there to answer: questions are declined and file dialogs cancelled.
    FixedAnswerPrompt prompt(UserPrompt::Answer::No);
    FileDialogsScripted noDialogs;
    const EditorContext context(screenMetricsFor(line.dpi), { &prompt, &noDialogs });
    return mode(line, context);
}

int runWithWindows(int argc, char** argv, const CommandLine& line)
{
    startEditorClock();
    EditorOptions options;
    for (const QString& file : line.openFiles)
        options.openFiles << QFileInfo(file).absoluteFilePath();
    options.timing = { line.timing, line.timingZoomPercent };
    if (const std::optional<int> status = handToRunningEditor(argc, argv, options.openFiles))
        return *status;

    QApplication app(argc, argv);
    setUpEditorApplication();
    PlatformDialogs dialogs;
    EditorContext context(screenMetricsFor(line.dpi), dialogs.services());
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
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLineResult parsed = parseCommandLine(arguments);
    if (!parsed.line) {
        std::fprintf(stderr, "tavelle: %s\n%s", qPrintable(parsed.error), qPrintable(commandLineUsage()));
        return 2;
    }
    const CommandLine& line = *parsed.line;
    switch (line.mode) {
    case CommandLine::Mode::Info: return runWindowless(argc, argv, line, runInfoCommand);
    case CommandLine::Mode::Render: return runWindowless(argc, argv, line, runRenderCommand);
    case CommandLine::Mode::Editor: break;
    }
    return runWithWindows(argc, argv, line);
}
