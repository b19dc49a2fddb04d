#pragma once

#include <cstdint>

struct ItemRecord;
struct ScreenMetrics;

// Moves an item by (dx, dy) pixels as a finished move: both defining points,
// every point of its point list and the start-of-edit copies of all of them
// take the new place; the real coordinates and the extent follow. Geometry
// that depends on more than the points (a text line's box) is the caller's.
void moveItemBy(ItemRecord& record, std::int32_t dx, std::int32_t dy, const ScreenMetrics& screen);
