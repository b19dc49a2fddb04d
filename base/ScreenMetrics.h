#pragma once

// The resolution of the screen a drawing is edited on. Item coordinates are
// its pixels at 100 % zoom; the stored real coordinates are these times the
// pixels per millimetre, so loading on another screen rescales them. A value
// handed to whatever converts: the editor takes it from the screen at start
// (or --dpi), tests and tools choose their own.
struct ScreenMetrics {
    double dpiX = 96.0;
    double dpiY = 96.0;

    double pixelsPerMmX() const { return dpiX / 25.4; }
    double pixelsPerMmY() const { return dpiY / 25.4; }

    bool operator==(const ScreenMetrics&) const = default;
};
