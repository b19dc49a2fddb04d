#pragma once

#include <algorithm>

// A rectangle by its four edges, as the paint calls pass them around. Canvas
// rectangles include all four edges; device rectangles handed to erasing
// leave out their right column and bottom row, as the platform fill does.
struct PaintRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    PaintRect normalised() const
    {
        return { std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom) };
    }
    // Whether the two rectangles share at least one point, edges included.
    bool meets(const PaintRect& o) const
    {
        return left <= o.right && o.left <= right && top <= o.bottom && o.top <= bottom;
    }
    void include(const PaintRect& o)
    {
        left = std::min(left, o.left);
        top = std::min(top, o.top);
        right = std::max(right, o.right);
        bottom = std::max(bottom, o.bottom);
    }
    bool operator==(const PaintRect&) const = default;
};
