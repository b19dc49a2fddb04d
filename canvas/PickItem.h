#pragma once

#include "canvas/ToolTable.h"

#include <QPoint>
#include <QRect>

#include <optional>

struct ItemList;
struct ItemRecord;
struct ScreenMetrics;

// A click farther than this (canvas units) from every item picks none: the
// handle size plus 2.
constexpr double kPickLimit = 10.0;

// How far a click (canvas units) lies from an item's outline, by the rules
// of its kind: lines and polygon sides count only where the perpendicular's
// foot falls on them, less half the line weight; circles, ellipses, pies and
// arcs less half the pen width at `zoom`. None when the item cannot be picked
// from there (or is not an item that is picked).
std::optional<double> itemDistance(const ItemRecord& item, QPoint click, double zoom, const ScreenMetrics& screen);

// Click selection: the visible item nearest the click within kPickLimit (of
// equal ones the higher in the stacking order). Without Shift it becomes the
// selection alone, or nothing stays selected; with Shift its selection is
// toggled. Group members go together. Returns the item, or null.
ItemRecord* pickItem(ItemList& list, QPoint click, bool shift, double zoom, const ScreenMetrics& screen);

// Area selection: every visible item that lies wholly inside `area` (canvas
// units, edges included), or with `partial` that has any part of its outline
// inside, becomes selected, every other deselected; groups go together.
// Returns the number of items selected, group frames not counted.
int selectInRect(ItemList& list, const QRect& area, bool partial, const ScreenMetrics& screen);

// Selects or deselects an item and every other member of its group.
void setSelectedWithGroup(ItemList& list, ItemRecord& item, bool selected);

// The side-panel page that shows the selection: its kind's property page when
// all selected items are of one kind, the mixed page for several kinds, the
// tool palette for none.
Page selectionPage(const ItemList& list);
