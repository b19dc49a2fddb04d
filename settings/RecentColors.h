#pragma once

#include <array>
#include <cstdint>

// The recently used custom colours (0x00BBGGRR), most recent first.
constexpr int kRecentColorCount = 12;
constexpr std::int32_t kNoRecentColor = -1; // an empty slot
using RecentColors = std::array<std::int32_t, kRecentColorCount>;

// An empty list.
RecentColors emptyRecentColors();

// Puts `colour` first, moving the others down (the 12th falls off). Does
// nothing when the colour is already listed, negative, or above 0x02FFFFFF.
void addRecentColor(RecentColors& colors, std::int32_t colour);
