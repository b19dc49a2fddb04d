#include "render/PaintResources.h"

#include "model/ItemKinds.h"
#include "model/ItemRecord.h"
#include "base/ScreenMetrics.h"

PaintResources::PaintResources(const ItemList& drawing, const ScreenMetrics& screen)
    : fonts_(screen.dpiY)
{
    for (const ItemRecord& r : drawing)
        if (r.body.recordClass == kinds::kClassPattern)
            patterns_.push_back(&r);
}

const ItemRecord* PaintResources::patternDefinition(std::int32_t pattern) const
{
    for (const ItemRecord* r : patterns_)
        if (r->body.kind == pattern)
            return r;
    return nullptr;
}
