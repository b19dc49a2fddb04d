#pragma once

#include "shell/StartupTiming.h"

#include <QString>

#include <memory>

class DesktopRegistration;
class EditorContext;

// What the command line asks of the editor.
struct EditorOptions {
    QString openFile; // absolute path, empty for none
    TimingRequest timing;
};

// Hands the file to an editor that is already running; true when one took it.
// Needs no window system, so it works from a shell without a display too;
// must run before any Qt application object exists.
bool handToRunningEditor(int argc, char** argv, const QString& file);

// Names the application and gives it its icon; a QApplication must exist.
void setUpEditorApplication();

// The registration of the drawing file type in the user's data folder, with
// this executable as the program that opens drawings.
std::unique_ptr<DesktopRegistration> makeDesktopRegistration();

// Shows the main window of `context`, listens for open requests and runs the
// event loop; returns the exit status.
int runEditor(EditorContext& context, const EditorOptions& options);
