#include "canvas/ProgressiveEffects.h"

#include "render/SceneEffectsPass.h"

ProgressiveEffects::ProgressiveEffects() = default;
ProgressiveEffects::~ProgressiveEffects() = default;

void ProgressiveEffects::start(
    ItemList& items, const ScreenMetrics& screen, Bitmap24& bitmap, std::int32_t tileX, std::int32_t tileY,
    const SpeedSwitches& speed)
{
    pass_.reset();
    view_ = CanvasView {};
    view_.items = &items;
    view_.screenMetrics = screen;
    view_.bitmap = &bitmap;
    view_.tileX = tileX;
    view_.tileY = tileY;
    speed.applyTo(view_);
    pass_ = std::make_unique<SceneEffectsPass>(view_);
}

bool ProgressiveEffects::step()
{
    if (!pass_)
        return false;
    if (pass_->paintNext())
        return true;
    pass_.reset();
    return false;
}

void ProgressiveEffects::stop()
{
    pass_.reset();
}
