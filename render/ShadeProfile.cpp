#include "render/ShadeProfile.h"

#include "base/Rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

int highlightLift(int floor, std::uint32_t colour)
{
    const int r = int(colour & 0xFF), g = int(colour >> 8 & 0xFF), b = int(colour >> 16 & 0xFF);
    const int spread = std::max({ std::abs(r - b), std::abs(r - g), std::abs(g - b) });
    return roundEven((1.0 - (r + g + b) / 765.0) * (1.0 - spread / 255.0) * 0.75 * (255 - floor));
}

void shadeProfile(std::vector<std::uint32_t>& out, int n, int floor, std::uint32_t colour)
{
    out.clear();
    if (n < 1)
        return;
    out.reserve(std::size_t(n));
    const double p = std::clamp(36.0 / n, 1.5, 3.0);
    const int lift = highlightLift(floor, colour);
    const int channels[3] = { int(colour & 0xFF), int(colour >> 8 & 0xFF), int(colour >> 16 & 0xFF) };
    for (int row = 0; row < n; ++row) {
        // The sine is never negative here: (row + 1) / n stays within 0 .. 1.
        const double g = std::pow(std::max(0.0, std::sin(std::numbers::pi * (row + 1) / n)), p);
        const double f = (g * (255 - floor) + floor) / 255.0;
        std::uint32_t shaded = 0;
        for (int c = 0; c < 3; ++c)
            shaded |= std::uint32_t(std::clamp(roundEven((channels[c] + lift) * f), 0, 255)) << (8 * c);
        out.push_back(shaded);
    }
}

std::vector<std::uint32_t> shadeProfile(int n, int floor, std::uint32_t colour)
{
    std::vector<std::uint32_t> out;
    shadeProfile(out, n, floor, colour);
    return out;
}
