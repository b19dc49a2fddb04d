#pragma once

#include <array>

// The named weights offered for lines, outlines and picture frames, in
// millimetres. "None" is offered for frames only.
struct NamedWeight {
    const char* name;
    double lineWeight;  // line and outline; negative: not offered
    double frameWeight; // picture frame
};

inline constexpr std::array<NamedWeight, 7> kNamedWeights { {
    { "None", -1.0, 0.0 },
    { "Thin", 0.0, 0.1 },
    { "Medium", 0.5, 0.5 },
    { "Thick", 1.0, 1.0 },
    { "Heavy", 2.0, 2.0 },
    { "Wide", 3.0, 3.0 },
    { "Broad", 5.0, 5.0 },
} };

// The built-in dash patterns by their pattern number 0 .. 4.
inline constexpr std::array<const char*, 5> kBuiltInPatternNames { "Solid", "Dot", "Dash", "Center", "Phantom" };

// The colour of a weight list's sample bar: the line colour, or silver when
// that is nearly white (every channel above 250) and would not show.
constexpr unsigned sampleBarColour(unsigned lineColour)
{
    const bool nearlyWhite = (lineColour & 0xff) > 250 && ((lineColour >> 8) & 0xff) > 250
        && ((lineColour >> 16) & 0xff) > 250;
    return nearlyWhite ? 0xc0c0c0u : lineColour;
}
