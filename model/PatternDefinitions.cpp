#include "model/PatternDefinitions.h"

#include "model/ItemKinds.h"
#include "model/ItemRecord.h"

#include <algorithm>
#include <cstring>

namespace {

bool isDefinition(const ItemRecord& r)
{
    return r.body.recordClass == kinds::kClassPattern;
}

// The dash and space lengths and their count.
bool sameDashes(const ItemRecord& a, const ItemRecord& b)
{
    constexpr int from = overlay::kPatternLengths;
    constexpr int to = overlay::kPatternCount + 4;
    return std::memcmp(a.bytes + from, b.bytes + from, to - from) == 0;
}

} // namespace

ItemRecord* findPatternDefinition(const ItemList& list, std::int32_t pattern)
{
    for (ItemRecord& r : list)
        if (isDefinition(r) && r.body.kind == pattern)
            return &r;
    return nullptr;
}

std::int32_t adoptPatternDefinition(ItemList& list, const ItemRecord& definition)
{
    std::int32_t smallest = 0;
    for (const ItemRecord& r : list) {
        if (!isDefinition(r))
            continue;
        if (sameDashes(r, definition))
            return r.body.kind;
        smallest = std::min<std::int32_t>(smallest, r.body.kind);
    }
    if (smallest == INT32_MIN)
        return definition.body.kind;
    copyPatternDefinition(list, definition);
    list.last->body.kind = smallest - 1;
    return smallest - 1;
}

void copyPatternDefinition(ItemList& list, const ItemRecord& definition)
{
    // Byte for byte: the lengths overlay fields that a record copy resets.
    ItemRecord* copy = createItem(list, definition.body.kind);
    std::memcpy(copy->bytes, definition.bytes, sizeof copy->bytes);
    copy->body.selected = 0;
}
