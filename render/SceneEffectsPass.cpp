#include "render/SceneEffectsPass.h"

#include "model/ItemRecord.h"
#include "render/CanvasView.h"
#include "render/PaintResources.h"
#include "render/SceneOrder.h"
#include "render/ScenePainter.h"

SceneEffectsPass::SceneEffectsPass(CanvasView& view)
    : view_(view)
{
    // The pass exists to add what the opening pass left out.
    view_.openingPass = false;
    takeOrder();
}

SceneEffectsPass::~SceneEffectsPass() = default;

void SceneEffectsPass::takeOrder()
{
    order_.clear();
    next_ = 0;
    if (!view_.items)
        return;
    revision_ = view_.items->revision;
    resources_ = std::make_unique<PaintResources>(*view_.items, view_.screenMetrics);
    for (const ItemRecord* r : stackingOrder(*view_.items))
        if (r->body.zOrder > lastZ_)
            order_.push_back({ r, r->body.zOrder });
}

bool SceneEffectsPass::orderIsCurrent() const
{
    if (!view_.items || view_.items->revision != revision_)
        return false;
    // Records that stayed may have been restacked or hidden in place.
    for (std::size_t i = next_; i < order_.size() && order_[i].zOrder == order_[next_].zOrder; ++i)
        if (order_[i].item->body.zOrder != order_[i].zOrder || order_[i].item->body.hidden)
            return false;
    return true;
}

bool SceneEffectsPass::paintNext()
{
    if (!view_.items)
        return false;
    if (!orderIsCurrent())
        takeOrder();
    if (next_ >= order_.size())
        return false;
    const std::int32_t z = order_[next_].zOrder;
    for (; next_ < order_.size() && order_[next_].zOrder == z; ++next_)
        paintItem(view_, *order_[next_].item, false, resources_.get());
    lastZ_ = z;
    return true;
}

void effectsPass(CanvasView& view, const std::function<void()>& betweenItems)
{
    SceneEffectsPass pass(view);
    while (pass.paintNext())
        if (betweenItems)
            betweenItems();
}
