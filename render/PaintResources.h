#pragma once

#include "render/TextFontCache.h"

#include <cstdint>
#include <vector>

struct ItemList;
struct ItemRecord;
struct ScreenMetrics;

// What one paint call looks up once instead of once per item: the fonts it
// resolved and the drawing's pattern definitions. Lives for one call.
class PaintResources {
public:
    PaintResources(const ItemList& drawing, const ScreenMetrics& screen);

    TextFontCache& fonts() { return fonts_; }
    // The first pattern-definition record of the drawing whose kind is the
    // pattern id, or null.
    const ItemRecord* patternDefinition(std::int32_t pattern) const;

private:
    TextFontCache fonts_;
    std::vector<const ItemRecord*> patterns_;
};
