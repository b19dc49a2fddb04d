#pragma once

#include <QStringList>

#include <memory>

class QGuiApplication;
struct ScreenMetrics;

// Starts a window-less Qt application for the command-line modes: the
// offscreen platform unless a display is set, so fonts and the screen's
// resolution are available without a window.
std::unique_ptr<QGuiApplication> startCliApplication(int& argc, char** argv);

// The value after `option` in `args`, or an empty string.
QString optionValue(const QStringList& args, const QString& option);

// The screen item coordinates are measured in: --dpi N when given, else the
// primary screen's (a Qt application must exist). False when N is not a
// positive number; `screen` is then left alone.
bool screenFromOptions(const QStringList& args, ScreenMetrics& screen);
