#pragma once

#include <climits>
#include <functional>

struct CanvasView;

// The delayed pass that repaints every live item with its shadows and 3-D
// shading after a drawing was opened or re-zoomed. It paints one stacking
// position per step, so the window can handle input between steps; each step
// reads the drawing afresh, so an edit made meanwhile is respected and the
// pass goes on with the next position in the drawing's current state.
class SceneEffectsPass {
public:
    // Clears the view's opening pass: from now on effects are drawn.
    explicit SceneEffectsPass(CanvasView& view);

    // Paints the live items at the next stacking position; false when none is left.
    bool paintNext();

private:
    CanvasView& view_;
    int lastZ_ = 0;
};

// Runs a whole pass, calling `betweenItems` after each step (the window lets
// pending input run there). The window starts its selection-handle timer after.
void effectsPass(CanvasView& view, const std::function<void()>& betweenItems = {});
