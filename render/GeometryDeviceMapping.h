#pragma once

#include "base/Rounding.h"

#include <QPoint>

#include <algorithm>
#include <cstdint>

// Canvas units to device pixels: round(v x scale) + offset on each axis. The
// screen uses scale = zoom and offset = -tile, bitmaps their scale factors and
// pixel origin.
struct DeviceMapping {
    double scaleX = 1.0;
    double scaleY = 1.0;
    int offsetX = 0;
    int offsetY = 0;

    QPoint map(std::int32_t x, std::int32_t y) const
    {
        return QPoint(clampToInt32(std::int64_t(roundEven(x * scaleX)) + offsetX),
            clampToInt32(std::int64_t(roundEven(y * scaleY)) + offsetY));
    }
};
