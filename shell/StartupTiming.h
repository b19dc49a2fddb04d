#pragma once

#include <QString>

class MainWindow;

// The --timing switch: reports on standard error how long the start, the
// first paint of a drawing and, with --timing-zoom P, one zoom to P percent
// took, then ends the program. Used by the start-up benchmark.
struct TimingRequest {
    bool enabled = false;
    int zoomPercent = 0;
};

// Watches the main window and the first document window it opens.
void watchStartupTiming(MainWindow& window, const TimingRequest& request);

// Milliseconds since the process began running the editor.
qint64 editorUptimeMs();
void startEditorClock();
