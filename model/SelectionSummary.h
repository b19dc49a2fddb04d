#pragma once

#include <cstdint>

struct ItemList;

// True when at least one item other than a group frame is selected and all
// such items are of one kind; splines and curves must also be all open or
// all closed. The side panel then shows that kind's property page.
bool sameKindSelection(const ItemList& list);

// The mean of the selected items' centres, each centre rounded and the sum
// divided with integer division; (0, 0) when nothing is selected.
struct SelectionCentre {
    std::int32_t x = 0;
    std::int32_t y = 0;
};
SelectionCentre selectionCentre(const ItemList& list);

// Which selection commands are available: Cut, Copy and the stacking
// buttons need a selection, Paste an item in the clipboard, Join Items two
// selected units (a group counting as one), Split Group a selected group
// member. `document` is null when no drawing is open.
struct EditCommandState {
    bool hasSelection = false;
    bool canPaste = false;
    bool canJoin = false;
    bool canSplit = false;
};
EditCommandState editCommandState(ItemList* document, const ItemList& clipboard);
