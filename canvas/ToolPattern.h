#pragma once

#include <cstdint>

class Preferences;
struct ItemList;

// The pattern of a new line when the line tool's pattern is one of the
// user's own: the drawing's definition with the same dashes, made when the
// drawing has none. 0 (solid) for the built-in patterns, whose number the
// line takes as it is, and for an empty entry.
std::int32_t toolPatternId(ItemList& items, const Preferences& preferences);
