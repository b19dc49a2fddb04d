#pragma once

#include <QStringList>

#include <memory>

class QGuiApplication;

// Starts a window-less Qt application for the command-line modes: the
// offscreen platform unless a display is set, so fonts and the screen's
// resolution are available without a window.
std::unique_ptr<QGuiApplication> startCliApplication(int& argc, char** argv);

// The value after `option` in `args`, or an empty string.
QString optionValue(const QStringList& args, const QString& option);

// Sets the screen factors from --dpi N, or from the primary screen when it
// is not given. Returns false when N is not a positive number.
bool applyDpiOption(const QStringList& args);
