#pragma once

#include <QPoint>

#include <cstdint>
#include <vector>

class Preferences;
struct ItemList;
struct ItemRecord;
struct ScreenMetrics;

// What a drawing tool asks to be made: the kind, its defining points in item
// coordinates (the two baseline ends of a line or text, else the point list
// of the shape) and, for the spline and curve families, the shape variant.
struct ToolItemRequest {
    std::int32_t kind = 0;
    std::vector<QPoint> points;
    int shape = 0;
};

// Gives `item` the kind, points and tool defaults of the request as a new
// item would have them, with its box and derived geometry computed; the
// rubber band draws the same record. A custom line pattern is left to
// makeToolItem, which has a drawing to keep its definition in.
void fillToolItem(ItemRecord& item, const ToolItemRequest& request, const Preferences& preferences,
    const ScreenMetrics& screen);

// Makes the requested item in the drawing from the tool defaults: a done
// record with an edit batch of its own on top of the stacking order, after
// the redo steps are cleared; nothing selected. Returns the new record.
ItemRecord* makeToolItem(ItemList& items, const ToolItemRequest& request, const Preferences& preferences,
    const ScreenMetrics& screen);
