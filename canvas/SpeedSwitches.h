#pragma once

#include "render/CanvasView.h"

// A document window's Speed options: what its repaints take the time to draw.
struct SpeedSwitches {
    bool showPictures = true; // "Show all pictures"
    bool showShadows = true; // "Show all shadows"
    bool show3D = true; // "Show all 3-D effects"

    bool operator==(const SpeedSwitches&) const = default;

    void applyTo(CanvasView& view) const
    {
        view.showPictures = showPictures;
        view.showShadows = showShadows;
        view.show3D = show3D;
    }
};
