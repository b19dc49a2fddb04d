#pragma once

// The screen's resolution, read once at start. Item coordinates are screen
// pixels at 100 % zoom; the stored real coordinates are these times the
// pixels per millimetre, so loading on another screen rescales them.
struct ScreenMetrics {
    double dpiX = 96.0;
    double dpiY = 96.0;

    double pixelsPerMmX() const { return dpiX / 25.4; }
    double pixelsPerMmY() const { return dpiY / 25.4; }
};

// The process-wide screen resolution: set by the program at start, by --dpi
// and by tests.
const ScreenMetrics& screenMetrics();
void setScreenDpi(double dpiX, double dpiY);
