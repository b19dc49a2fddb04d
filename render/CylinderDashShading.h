#pragma once

#include "render/LineStyle.h"

#include <cstdint>
#include <vector>

// Draws the wide dashes of a line with a surface as cylinders lying along
// the line: each dash is drawn in marker colours, then its border pixels take
// the line colour's shading and its interior the interior colour's, band
// rows counted across the dash from its left long edge.
class CylinderDashShading : public DashShading {
public:
    // The drawing's light direction, 0 .. 3.
    void setLight(int light) { light_ = light; }

    void drawDash(DrawSurface& surface, const std::array<QPoint, 4>& corners, const ItemRecord& line,
        int width, int outlineWidth, bool hollow) override;

private:
    // A profile is computed once and kept while the dashes of one line need it.
    const std::vector<std::uint32_t>& profile(int slot, int n, int floor, std::uint32_t colour);

    struct Profile {
        int n = -1;
        int floor = -1;
        std::uint32_t colour = 0;
        std::vector<std::uint32_t> rows;
    };
    Profile profiles_[2];
    int light_ = 0;
};
