#include "app/cli/CliSupport.h"

#include "base/ScreenMetrics.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

std::unique_ptr<QGuiApplication> startCliApplication(int& argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

QString optionValue(const QStringList& args, const QString& option)
{
    const qsizetype at = args.indexOf(option);
    return at >= 0 && at + 1 < args.size() ? args.at(at + 1) : QString();
}

bool screenFromOptions(const QStringList& args, ScreenMetrics& screen)
{
    if (args.contains("--dpi")) {
        bool ok = false;
        const double dpi = optionValue(args, "--dpi").toDouble(&ok);
        if (!ok || !(dpi > 0) || !std::isfinite(dpi))
            return false;
        screen = { dpi, dpi };
        return true;
    }
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        screen = { primary->logicalDotsPerInchX(), primary->logicalDotsPerInchY() };
    return true;
}
