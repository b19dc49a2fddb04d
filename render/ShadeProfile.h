#pragma once

#include <cstdint>
#include <vector>

// The column of colours every 3-D shading looks up by row: n rows running
// from `floor` / 255 of the colour at both rims to the full colour in the
// middle, the curve softer for thin bodies, with a highlight lift that gives
// dark, unsaturated colours a visible sheen. Colours are 0x00BBGGRR; an n
// below 1 gives an empty profile.
std::vector<std::uint32_t> shadeProfile(int n, int floor, std::uint32_t colour);

// The same, filled into `out` (reusing its capacity).
void shadeProfile(std::vector<std::uint32_t>& out, int n, int floor, std::uint32_t colour);

// The lift added to every channel of a colour before the profile scales it.
int highlightLift(int floor, std::uint32_t colour);
