#include "model/SelectionSummary.h"

#include "base/Rounding.h"
#include "model/Clipboard.h"
#include "model/ItemKinds.h"
#include "model/ItemRecord.h"

namespace {

bool hasClosedness(std::int32_t kind)
{
    return kind == kinds::kSpline || kind == kinds::kCurve;
}

} // namespace

bool sameKindSelection(const ItemList& list)
{
    const ItemRecord* first = nullptr;
    for (const ItemRecord& r : list) {
        if (!isSelected(&r) || r.body.kind == kinds::kGroupFrame)
            continue;
        if (!first) {
            first = &r;
            continue;
        }
        if (r.body.kind != first->body.kind)
            return false;
        if (hasClosedness(r.body.kind) && (r.body.shapeVariant != 0) != (first->body.shapeVariant != 0))
            return false;
    }
    return first != nullptr;
}

SelectionCentre selectionCentre(const ItemList& list)
{
    std::int64_t sumX = 0, sumY = 0, n = 0;
    for (const ItemRecord& r : list) {
        if (!isSelected(&r))
            continue;
        const ItemBody& b = r.body;
        sumX += roundEven((static_cast<double>(b.x1) + b.x2) / 2);
        sumY += roundEven((static_cast<double>(b.y1) + b.y2) / 2);
        ++n;
    }
    if (n == 0)
        return {};
    return { clampToInt32(sumX / n), clampToInt32(sumY / n) };
}

EditCommandState editCommandState(ItemList* document, const ItemList& clipboard)
{
    EditCommandState s;
    s.canPaste = canPaste(clipboard);
    if (!document)
        return s;
    for (const ItemRecord& r : *document) {
        if (!isSelected(&r))
            continue;
        s.hasSelection = true;
        s.canSplit = s.canSplit || r.body.groupId > 0;
    }
    s.canJoin = s.hasSelection && countSelectionUnits(*document, true) >= 2;
    return s;
}
