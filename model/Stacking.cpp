#include "model/Stacking.h"

#include "model/ActionRecorder.h"
#include "model/ItemKinds.h"
#include "model/ItemRecord.h"

#include <algorithm>

void shiftStacking(
    ItemList& list, std::int32_t from, std::int32_t to, std::int32_t delta, const ItemRecord* skip)
{
    from = std::max(from, 1);
    if (from > to)
        return;
    for (ItemRecord& r : list) {
        ItemBody& b = r.body;
        if (b.recordClass == kinds::kClassItem && b.hidden == 0 && &r != skip && b.zOrder >= from
            && b.zOrder <= to)
            b.zOrder += delta;
    }
}

namespace {

void sendBack(ItemList& list, ItemRecord& record)
{
    shiftStacking(list, 1, record.body.zOrder - 1, +1, &record);
    record.body.zOrder = 1;
}

void bringForward(ItemList& list, ItemRecord& record, std::int32_t top)
{
    shiftStacking(list, record.body.zOrder + 1, top, -1, &record);
    record.body.zOrder = top;
}

bool isStackable(const ItemRecord& r)
{
    return isSelected(&r) && kinds::isDrawnItem(r.body.kind) && r.body.zOrder >= 1;
}

bool anyStackable(const ItemList& list)
{
    for (const ItemRecord& r : list)
        if (isStackable(r))
            return true;
    return false;
}

EditStep placeSelection(ItemList& list, const ScreenMetrics& screen, std::int32_t move)
{
    EditStep step;
    if (!anyStackable(list))
        return step;
    ActionRecorder action(list, screen);
    step.batch = action.batch();
    // Superseding never raises the top position, so one look at it serves every item.
    const std::int32_t top = action.topZOrder();
    ItemRecord* const last = list.last;
    for (ItemRecord* r = list.first; r; r = r->next) {
        if (isStackable(*r)) {
            ItemRecord* copy = action.supersede(*r);
            r->body.stackMove = move;
            copy->body.selected = 255;
            if (move == stackmove::kBehind)
                sendBack(list, *copy);
            else
                bringForward(list, *copy, top);
            step.superseded.push_back(r);
            step.made.push_back(copy);
        }
        if (r == last)
            break;
    }
    return step;
}

} // namespace

void sendToBack(ItemList& list, ItemRecord& record)
{
    if (!list.empty())
        sendBack(list, record);
}

void bringToFront(ItemList& list, ItemRecord& record)
{
    if (!list.empty())
        bringForward(list, record, maxZOrder(list));
}

EditStep placeBehind(ItemList& list, const ScreenMetrics& screen)
{
    return placeSelection(list, screen, stackmove::kBehind);
}

EditStep placeOnTop(ItemList& list, const ScreenMetrics& screen)
{
    return placeSelection(list, screen, stackmove::kOnTop);
}

void restoreStacking(ItemList& list, const ItemRecord& superseded, std::int32_t top)
{
    const std::int32_t z = superseded.body.zOrder;
    if (superseded.body.stackMove == stackmove::kOnTop)
        shiftStacking(list, z, top - 1, +1);
    else if (superseded.body.stackMove == stackmove::kBehind)
        shiftStacking(list, 2, z, -1);
}

void repeatStacking(
    ItemList& list, const ItemRecord& superseded, const ItemRecord& successor, std::int32_t top)
{
    const std::int32_t z = superseded.body.zOrder;
    if (superseded.body.stackMove == stackmove::kOnTop)
        shiftStacking(list, z + 1, top, -1, &successor);
    else if (superseded.body.stackMove == stackmove::kBehind)
        shiftStacking(list, 1, z - 1, +1, &successor);
}
