#include "model/ActionRecorder.h"

#include "model/History.h"
#include "model/ItemKinds.h"
#include "model/ItemRecord.h"
#include "model/Stacking.h"

#include <cstdint>

ActionRecorder::ActionRecorder(ItemList& list, const ScreenMetrics& screen)
    : list_(list)
    , screen_(screen)
{
    clearRedoSteps(list);
    const ItemCounters c = itemCounters(list);
    batch_ = c.nextEditBatch;
    nextStep_ = c.nextStepNumber;
    topZOrder_ = c.maxZOrder;
}

ActionRecorder::ActionRecorder(ItemList& list, const ScreenMetrics& screen, std::int32_t batch)
    : list_(list)
    , screen_(screen)
    , batch_(batch)
{
    const ItemCounters c = itemCounters(list);
    nextStep_ = c.nextStepNumber;
    topZOrder_ = c.maxZOrder;
}

ItemRecord* ActionRecorder::adopt(ItemRecord* made)
{
    // Only class-0 records take part in the history; a picture store copied
    // along leaves the step sequence unbroken.
    if (made->body.recordClass != kinds::kClassItem)
        return made;
    nextStep_ = stepAfter(nextStep_);
    ItemBody& b = made->body;
    b.historyState = history::kDone;
    b.editBatch = batch_;
    b.replacesStep = 0;
    b.stackMove = 0;
    return made;
}

ItemRecord* ActionRecorder::supersede(ItemRecord& old)
{
    ItemRecord* copy = adopt(copyItem(list_, old, screen_, nextStep_));
    copy->body.replacesStep = old.body.stepNumber;
    copy->body.zOrder = old.body.zOrder;
    old.body.hidden = 255;
    old.body.selected = 0;
    old.body.stackMove = stackmove::kNone;
    old.markSnapshots.clear();
    return copy;
}

ItemRecord* ActionRecorder::copy(ItemRecord& source)
{
    return adopt(copyItem(list_, source, screen_, nextStep_));
}

void ActionRecorder::stackOnTop(ItemRecord& record)
{
    if (topZOrder_ < INT32_MAX)
        ++topZOrder_;
    record.body.zOrder = topZOrder_;
}
