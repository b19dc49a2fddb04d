#pragma once

#include "canvas/SpeedSwitches.h"
#include "render/CanvasView.h"

#include <cstdint>
#include <memory>

class SceneEffectsPass;

// The effects pass of a freshly opened or re-zoomed drawing, run one
// stacking position at a time so that the window stays responsive.
class ProgressiveEffects {
public:
    ProgressiveEffects();
    ~ProgressiveEffects();

    void start(ItemList& items, const ScreenMetrics& screen, Bitmap24& bitmap, std::int32_t tileX, std::int32_t tileY,
        const SpeedSwitches& speed = {});
    // Paints the next stacking position; false when the pass is over.
    bool step();
    void stop();
    bool running() const { return pass_ != nullptr; }

private:
    CanvasView view_;
    std::unique_ptr<SceneEffectsPass> pass_;
};
