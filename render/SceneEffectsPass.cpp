#include "render/SceneEffectsPass.h"

#include "model/ItemKinds.h"
#include "model/ItemRecord.h"
#include "render/CanvasView.h"
#include "render/ScenePainter.h"

namespace {

bool isLive(const ItemRecord& r)
{
    return r.body.recordClass == kinds::kClassItem && kinds::isDrawable(r.body.kind) && !r.body.hidden;
}

} // namespace

SceneEffectsPass::SceneEffectsPass(CanvasView& view)
    : view_(view)
{
    // The pass exists to add what the opening pass left out.
    view_.openingPass = false;
}

bool SceneEffectsPass::paintNext()
{
    if (!view_.items)
        return false;
    int next = INT_MAX;
    for (const ItemRecord& r : *view_.items)
        if (isLive(r) && r.body.zOrder > lastZ_ && r.body.zOrder < next)
            next = r.body.zOrder;
    if (next == INT_MAX)
        return false;
    for (const ItemRecord& r : *view_.items)
        if (isLive(r) && r.body.zOrder == next)
            paintItem(view_, r, false);
    lastZ_ = next;
    return true;
}

void effectsPass(CanvasView& view, const std::function<void()>& betweenItems)
{
    SceneEffectsPass pass(view);
    while (pass.paintNext())
        if (betweenItems)
            betweenItems();
}
