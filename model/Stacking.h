#pragma once

#include "model/EditStep.h"

#include <cstdint>

struct ItemList;
struct ItemRecord;
struct ScreenMetrics;

// How a stacking command moved the successor of a superseded record; kept in
// the superseded record's stackMove so that undo and redo can shift the
// other items back and forth.
namespace stackmove {
constexpr std::int32_t kNone = 0;
constexpr std::int32_t kOnTop = 1;
constexpr std::int32_t kBehind = 2;
} // namespace stackmove

// Adds `delta` to the stacking position of every live class-0 record whose
// position lies in [from, to], except `skip`. Positions below 1 (group
// frames, the grid) are never touched. With distinct positions this is the
// one-position-at-a-time walk of the stacking commands, done in one pass.
void shiftStacking(
    ItemList& list, std::int32_t from, std::int32_t to, std::int32_t delta, const ItemRecord* skip = nullptr);

// Puts `record` at position 1; the live items below it move up one place.
void sendToBack(ItemList& list, ItemRecord& record);
// Puts `record` at the top position (maxZOrder, hidden records included); the
// live items above it move down one place.
void bringToFront(ItemList& list, ItemRecord& record);

// The stacking commands: each selected text line, line, shape or clip that
// has a stacking position is superseded by a copy sent to the back or brought
// to the front, all as one undoable step. Group frames are not moved. The
// superseded records keep their own history state. Nothing happens, and the
// redo steps stay, when no such item is selected.
EditStep placeBehind(ItemList& list, const ScreenMetrics& screen);
EditStep placeOnTop(ItemList& list, const ScreenMetrics& screen);

// The shifts that undo and redo a stacking step. `top` is maxZOrder of the
// list. Undo calls restoreStacking with the superseded record about to be
// shown again; redo calls repeatStacking with the superseded record about to
// be hidden and its successor, which stays where it is.
void restoreStacking(ItemList& list, const ItemRecord& superseded, std::int32_t top);
void repeatStacking(
    ItemList& list, const ItemRecord& superseded, const ItemRecord& successor, std::int32_t top);
