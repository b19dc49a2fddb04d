#pragma once

#include "model/ItemList.h"

struct HeaderBody;
struct ScreenMetrics;

// Measuring units of a drawing.
namespace units {
constexpr int kPixels = 1;
constexpr int kMillimetres = 2;
constexpr int kInches = 3;
} // namespace units

// Creates a drawing header record (class and kind 2000000) at the end of the list.
ItemRecord* createHeader(ItemList& list);

// Pixels of `screen` per unit at 100 % zoom for the header's units; other
// unit codes leave the stored values alone.
void setPixelsPerUnit(HeaderBody& header, const ScreenMetrics& screen);

// The canvas corners, extent and size in zoomed screen pixels, from the
// canvas rectangle in units, the pixels per unit and the zoom.
void recomputeScreenExtent(HeaderBody& header);

// The header's zoom, 1.0 when the list has no header.
double zoomOf(const ItemList& list);
