#pragma once

#include "canvas/RulerStyle.h"
#include "canvas/RulerTicks.h"

#include <QImage>

// What one ruler shows: its length along the view, the band of the canvas's
// extent in ruler pixels, and the tick table for the drawing's units and zoom.
struct RulerView {
    bool horizontal = true;
    int length = 0;
    int bandStart = 0; // the canvas's edge; ticks count from here
    int bandLength = 0; // the canvas's zoomed size
    RulerTicks ticks;
};

// Paints a ruler into a new 12-pixel-thick image: silver outside the band,
// light yellow on it, ticks growing from the bottom (right) edge and labels
// beside the major ticks, all only on the band. No tick lies on the edge.
QImage paintRuler(const RulerView& view, const RulerStyle& style);
