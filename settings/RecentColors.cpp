#include "settings/RecentColors.h"

#include <algorithm>

RecentColors emptyRecentColors()
{
    RecentColors colors;
    colors.fill(kNoRecentColor);
    return colors;
}

void addRecentColor(RecentColors& colors, std::int32_t colour)
{
    // Negative values are not colours; letting one in would make it look
    // like an empty slot, or push real colours out.
    if (colour < 0 || colour > 0x02FFFFFF)
        return;
    if (std::find(colors.begin(), colors.end(), colour) != colors.end())
        return;
    std::move_backward(colors.begin(), colors.end() - 1, colors.end());
    colors.front() = colour;
}
