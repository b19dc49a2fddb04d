#pragma once

// The application-wide number of the last untitled drawing. Numbers are never
// reused during a run, even after their window has closed; the main window
// may seed it from the settings at start and store it at exit.
class UntitledCounter {
public:
    // The next number: one greater than the last one taken.
    static int take();
    static int last();
    static void setLast(int number);
};
