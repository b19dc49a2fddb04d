#pragma once

#include "render/ShapeOutline.h"

#include <QPoint>
#include <QRect>

#include <cstdint>
#include <vector>

// Rectangles of working bitmaps keep within +-2^29 on both axes, so that
// their arithmetic cannot overflow; anything beyond lies far outside every
// canvas, whose pixels alone are ever touched.
constexpr std::int64_t kExtentLimit = std::int64_t(1) << 29;
QRect boundedRect(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom);

// The smallest rectangle holding an outline's points, or a circle's square
// (right and bottom inclusive), bounded as above. Null when the outline has nothing.
QRect drawnExtent(const Outline& outline);
// The smallest rectangle holding the entries' anchors.
QRect anchorExtent(const std::vector<DeviceEntry>& entries);

// Moves every point of an outline, and its box, by `by`, saturating at the
// 32-bit range.
void moveOutline(Outline& outline, QPoint by);
