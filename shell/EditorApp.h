#pragma once

#include "shell/StartupTiming.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class DesktopRegistration;
class EditorContext;

// What the command line asks of the editor: files to open (-open FILE or
// FILE, any number), --timing and --timing-zoom P.
struct EditorOptions {
    QStringList openFiles; // absolute paths, in the order given
    TimingRequest timing;
};

// Hands the files (or, without files, the wish to see the editor) to an
// editor that already runs for this user. Returns the exit status of this
// start when one did: 0 when it took every file, 1 otherwise, with a line on
// standard error for each file it did not take. Returns nothing when no
// editor runs. Needs no window system, so it works from a shell without a
// display too; must run before any Qt application object exists.
std::optional<int> handToRunningEditor(int argc, char** argv, const QStringList& files);

// Names the application and gives it its icon; a QApplication must exist.
void setUpEditorApplication();

// The registration of the drawing file type in the user's data folder, with
// this executable as the program that opens drawings.
std::unique_ptr<DesktopRegistration> makeDesktopRegistration();

// Shows the main window of `context`, listens for open requests (handing the
// files over instead when another start won the socket a moment ago) and
// runs the event loop; returns the exit status.
int runEditor(EditorContext& context, const EditorOptions& options);
