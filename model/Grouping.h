#pragma once

#include "model/EditStep.h"

struct ItemList;
struct ScreenMetrics;

// Renumbers the groups of the list's class-0 records to 1..n without gaps:
// the group with the largest id repeatedly takes the smallest unused id
// below it, so groups that already fit keep their ids.
void compactGroupIds(ItemList& list);

// Joins the selected items (and the groups they are in) into one new group
// with a group frame at the centre of the members, as one undoable step; the
// frames of joined groups become dropped records. Does nothing unless an
// item other than a group frame is selected.
EditStep joinItems(ItemList& list, const ScreenMetrics& screen);

// Ungroups the selected items as one undoable step: their group ids become 0
// and their group frames dropped records; nothing stays selected. Does
// nothing unless a selected record belongs to a group.
EditStep splitGroup(ItemList& list, const ScreenMetrics& screen);
