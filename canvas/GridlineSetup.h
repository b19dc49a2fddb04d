#pragma once

#include <cstdint>

struct HeaderBody;
struct ItemRecord;

// Gridlines of a new drawing: vertical ones at screenMinX + k x step for
// k = 0 .. trunc(canvasWidth / gridDensityX), horizontal ones likewise from
// screenMinY (step = the density in pixels), so the first lies on the edge.
void makeNewGridlines(const HeaderBody& header, ItemRecord& grid);

// After the canvas grew by a ruler-end drag: adds gridlines at the grid steps
// beyond the last existing one and below the canvas's new far edge.
void growGridlines(const HeaderBody& header, ItemRecord& grid, bool horizontalRuler);

// After the canvas's left (top) edge moved by `shift` unzoomed pixels: moves
// every gridline of that direction with it, and further so that none lies
// before 0.
void shiftGridlines(ItemRecord& grid, bool horizontalRuler, std::int32_t shift);
