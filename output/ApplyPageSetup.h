#pragma once

#include "output/PageSetup.h"

struct ItemRecord;
struct ScreenMetrics;

// Writes the page setup `p` of design type `designType` into a drawing
// header record: orientation, type, preset, every dimension that parses (a
// text that does not parse keeps the header's old value), the folds, the
// dimension texts, the canvas size, the units with their pixels per unit of
// `screen` (keeping the canvas origin in place on screen) and the grid densities of
// the new units. Returns false, changing nothing, when `p.units` is not 1..3.
// Marking the drawing modified and refreshing its window is the caller's.
bool applyPageSetup(ItemRecord& header, const pageset_t& p, int designType, double gridDensityX,
    double gridDensityY, const ScreenMetrics& screen);

// The header text that holds a page setup's 14 dimension texts.
std::u16string pageSetupText(const miry_t& dims);
