#pragma once

#include <vector>

// Ticks of one ruler for a measuring unit and zoom: major ticks every
// `major` pixels from the canvas's edge, labelled with multiples of
// `labelStep`, and finer ticks at multiples of their intervals.
struct RulerTicks {
    struct Fine {
        double interval;
        int length;
    };
    int major = 0;
    int majorLength = 11;
    bool labelled = false;
    int labelStep = 0;
    std::vector<Fine> fine;
};

// `pixelsPerMm` and `pixelsPerInch` are the screen's, in the ruler's direction.
RulerTicks rulerTicks(int units, double zoom, bool horizontal, double pixelsPerMm, double pixelsPerInch);
