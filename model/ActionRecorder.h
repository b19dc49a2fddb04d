#pragma once

#include "base/ScreenMetrics.h"

#include <cstdint>

struct ItemList;
struct ItemRecord;

// The bookkeeping of one recorded action: its edit batch and the step numbers
// of the records it makes, taken from one walk of the list when the action
// begins so that an action making many records stays linear. Records an
// action makes get consecutive step numbers, which redo relies on to walk
// from one step to the next.
class ActionRecorder {
public:
    // Starts a new action: frees the redo steps and takes a fresh edit batch.
    // Copies get their real coordinates for `screen`.
    ActionRecorder(ItemList& list, const ScreenMetrics& screen);
    // Continues the action of `batch`, whose redo steps are gone already.
    ActionRecorder(ItemList& list, const ScreenMetrics& screen, std::int32_t batch);

    std::int32_t batch() const { return batch_; }
    // The top stacking position (maxZOrder) as far as this action has raised it.
    std::int32_t topZOrder() const { return topZOrder_; }

    // Supersedes `old` within this action: the old record is hidden, loses its
    // selection and selection marks and any stacking move left from an
    // earlier successor; the copy is done, keeps the stacking position and
    // links back to `old`. The old record keeps its own history state.
    ItemRecord* supersede(ItemRecord& old);
    // A copy of `source`, which may sit in another list, as a done record of
    // this action that supersedes nothing.
    ItemRecord* copy(ItemRecord& source);
    // Puts `record` on top of every record stacked so far.
    void stackOnTop(ItemRecord& record);

private:
    ItemRecord* adopt(ItemRecord* made);

    ItemList& list_;
    ScreenMetrics screen_;
    std::int32_t batch_ = 0;
    std::int32_t nextStep_ = 1;
    std::int32_t topZOrder_ = 0;
};
