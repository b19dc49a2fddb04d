#pragma once

#include <cstdint>
#include <vector>

struct ItemRecord;

// What one recorded action did to a drawing: the records it superseded (now
// hidden) and the records it made, all sharing one edit batch; some of the
// latter are never drawn (deletion markers, dropped group frames). The
// canvas repaints the union of both sets' areas. The pointers stay valid until the
// next operation that frees records (a new edit after an undo, clearing the
// history, closing the drawing).
struct EditStep {
    std::int32_t batch = 0;
    std::vector<ItemRecord*> superseded;
    std::vector<ItemRecord*> made;

    bool empty() const { return made.empty(); }
};

// What an undo or redo did: every record whose visibility it toggled, shown
// and hidden alike. Stacking positions of other items may have moved too, but
// without changing their order among themselves, so only these records'
// areas change on screen.
struct HistoryChange {
    std::vector<ItemRecord*> toggled;

    bool empty() const { return toggled.empty(); }
};
