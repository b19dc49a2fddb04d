#include "app/cli/CliSupport.h"

#include "base/ScreenMetrics.h"

#include <QGuiApplication>
#include <QScreen>

std::unique_ptr<QGuiApplication> startCliApplication(int& argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

ScreenMetrics screenMetricsFor(std::optional<double> dpi)
{
    if (dpi)
        return { *dpi, *dpi };
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        return { primary->logicalDotsPerInchX(), primary->logicalDotsPerInchY() };
    return {};
}
