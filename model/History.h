#pragma once

#include "model/EditStep.h"

struct ScreenMetrics;

#include <cstdint>

struct ItemList;
struct ItemRecord;

// The undo history lives in the records themselves: an action never changes
// an item in place but appends changed copies that supersede the old records
// (replacesStep), all sharing one edit batch; undo hides the newest batch and
// shows what it superseded, redo does the opposite. Only class-0 records take
// part.
namespace history {
constexpr std::int32_t kBase = 0; // cannot be undone
constexpr std::int32_t kDone = 1; // can be undone
constexpr std::int32_t kUndone = 2; // can be redone
} // namespace history

struct HistoryAvailability {
    bool canUndo = false;
    bool canRedo = false;
};

// Undo is available while some class-0 record is done, Redo while some is undone.
HistoryAvailability historyAvailability(const ItemList& list);

// Frees every undone record for good (with the picture store of an undone
// clip that was its picture's last user). Every recorded action calls it
// first. Returns the number of records freed.
int clearRedoSteps(ItemList& list);

// Records a step before the selected items change: each selected record is
// superseded by a selected copy, with its start-of-edit points taken from the
// old record. The caller then changes the copies (and refreshes their derived
// geometry where it needs to). Does nothing when nothing is selected. Here
// and below, `screen` is the one the drawing is edited on: copies take their
// real coordinates from it.
EditStep beginEditStep(ItemList& list, const ScreenMetrics& screen);

// Records the deletion of the selected text lines, lines, shapes and clips:
// each is superseded by a live dropped record, so undo brings it back at its
// old stacking position. A selected group frame goes with them when every
// live member of its group is erased too. Leaves nothing selected; does
// nothing when nothing erasable is selected.
EditStep eraseSelected(ItemList& list, const ScreenMetrics& screen);
// The same for one record, whatever else is selected.
EditStep eraseItem(ItemList& list, ItemRecord& record, const ScreenMetrics& screen);

// A new item made by an action of its own (a tool, an inserted clip): clears
// the redo steps and appends a done record of `kind` with a fresh edit batch
// at the top of the stacking order.
ItemRecord* addNewItem(ItemList& list, std::int32_t kind);

// Records a gridline edit: the live grid record is superseded by a copy with
// the same gridlines, which the caller then changes. With `joinBatch` 0 the
// redo steps are cleared and the edit gets a fresh batch; otherwise it joins
// that batch (the move of the items snapped to a moved gridline). Returns the
// copy, or null when the drawing has no live grid record.
ItemRecord* recordGridEdit(ItemList& list, const ScreenMetrics& screen, std::int32_t joinBatch = 0);

// Undo and Redo: hide (show) the newest done (oldest undone) batch and show
// (hide) what it superseded, shifting stacking positions back (forth) for
// stacking steps. Both deselect everything. Empty when there was nothing to do.
HistoryChange undoStep(ItemList& list);
HistoryChange redoStep(ItemList& list);

// "Clear Undo and Redo": frees the redo steps, hidden and dropped records and
// empty text lines (and picture stores no record uses any more), makes every
// other class-0 record base with step numbers 1, 2, 3 ... in list order, and
// renumbers the groups 1..n. Returns the number of records freed.
int clearHistory(ItemList& list);
