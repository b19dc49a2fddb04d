#pragma once

#include <QPoint>

// The drawing's light direction and what follows from it: 0 from the top
// left, 1 top right, 2 bottom left, 3 bottom right. Callers pass a direction
// already held to 0 .. 3 (lightDirectionOf).
namespace light {

// The unit step, x right and y down, from a body towards the light.
constexpr QPoint towardsLight(int direction)
{
    constexpr QPoint steps[4] = { { -1, -1 }, { 1, -1 }, { -1, 1 }, { 1, 1 } };
    return steps[direction & 3];
}

// Shadows fall away from the light.
constexpr QPoint shadowStep(int direction)
{
    return -towardsLight(direction);
}

// Degrees added to a cylinder's edge direction to find the side its bright
// band leans to: shapes and lines, and text (whose reference line is the
// other long edge of its band).
constexpr int shapeBandOffset(int direction)
{
    constexpr int offsets[4] = { 225, 315, 135, 45 };
    return offsets[direction & 3];
}
constexpr int textBandOffset(int direction)
{
    constexpr int offsets[4] = { 45, 135, 315, 225 };
    return offsets[direction & 3];
}

} // namespace light
