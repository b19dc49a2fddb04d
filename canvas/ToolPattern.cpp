#include "canvas/ToolPattern.h"

#include "model/ItemKinds.h"
#include "model/ItemRecord.h"
#include "model/PatternDefinitions.h"
#include "settings/Preferences.h"

#include <algorithm>

namespace {

// The pattern list shows the five built-in patterns, "Customize..." and
// then the user's own patterns.
constexpr int kFirstCustomPattern = 6;

} // namespace

std::int32_t toolPatternId(ItemList& items, const Preferences& p)
{
    if (p.linePattern < kFirstCustomPattern)
        return 0;
    const int entry = p.lineCustomPattern - 1;
    if (entry < 0 || entry >= static_cast<int>(p.customPatterns.size()))
        return 0;
    const custPatternRec_t& pattern = p.customPatterns[static_cast<std::size_t>(entry)];
    const int count = std::clamp(pattern.count, 0, overlay::kPatternMaxLengths);
    if (count == 0)
        return 0;
    ItemList scratch;
    ItemRecord* definition = createItem(scratch, -1);
    definition->body.recordClass = kinds::kClassPattern;
    for (int i = 0; i < overlay::kPatternMaxLengths; ++i)
        writeAt<double>(definition->bytes, overlay::kPatternLengths + 8 * i,
            i < count ? pattern.lengths[static_cast<std::size_t>(i)] : 0.0);
    writeAt<std::int32_t>(definition->bytes, overlay::kPatternCount, count);
    return adoptPatternDefinition(items, *definition);
}
