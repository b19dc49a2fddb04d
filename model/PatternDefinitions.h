#pragma once

#include <cstdint>

struct ItemList;
struct ItemRecord;

// Custom dash patterns: an item whose pattern is negative draws with the
// pattern definition record (class 3) of its own list whose kind is that id.
// Items moving between lists must take their definitions along.

// The definition of `pattern` in the list, or null.
ItemRecord* findPatternDefinition(const ItemList& list, std::int32_t pattern);

// The id under which `list` holds a pattern with the dashes of `definition`
// (from another list): an equal definition already there, or a new one
// taking the next free id (smallest id in use, or 0, minus 1).
std::int32_t adoptPatternDefinition(ItemList& list, const ItemRecord& definition);

// Copies `definition` into `list` unchanged, id included.
void copyPatternDefinition(ItemList& list, const ItemRecord& definition);
