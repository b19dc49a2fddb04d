#include "render/SceneOrder.h"

#include "model/ItemKinds.h"
#include "model/ItemRecord.h"

#include <algorithm>

SceneOrder::SceneOrder(const ItemList& items)
{
    for (const ItemRecord& r : items)
        if (r.body.recordClass == kinds::kClassItem && kinds::isDrawable(r.body.kind) && !r.body.hidden
            && r.body.zOrder >= 1)
            items_.push_back(&r);
    // Stable, so equal positions keep list order.
    std::stable_sort(items_.begin(), items_.end(),
        [](const ItemRecord* a, const ItemRecord* b) { return a->body.zOrder < b->body.zOrder; });
}
