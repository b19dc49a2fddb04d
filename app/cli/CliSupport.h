#pragma once

#include <memory>
#include <optional>

class QGuiApplication;
struct ScreenMetrics;

// Starts a window-less Qt application for the command-line modes: the
// offscreen platform unless a display is set, so fonts and the screen's
// resolution are available without a window.
std::unique_ptr<QGuiApplication> startCliApplication(int& argc, char** argv);

// The screen item coordinates are measured in, for the editor and the
// command-line modes alike: `dpi` both ways when given (--dpi), else the
// primary screen's resolution (a Qt application must exist), else 96 dpi.
ScreenMetrics screenMetricsFor(std::optional<double> dpi);
