#pragma once

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>

// Rounds to the nearest integer, ties to even, saturating at the 32-bit range
// so that absurd values from a damaged file cannot overflow.
inline std::int32_t roundEven(double v)
{
    if (!(v == v))
        return 0;
    const double r = std::nearbyint(v); // default rounding mode is to nearest, ties to even
    if (r >= 2147483647.0)
        return std::numeric_limits<std::int32_t>::max();
    if (r <= -2147483648.0)
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(r);
}

inline bool nearlyEqual(double a, double b) { return std::fabs(a - b) < 0.0001; }

// Integer arithmetic on coordinates that a damaged file may put at the ends
// of the 32-bit range: done wide, then held to the range.
inline std::int32_t clampToInt32(std::int64_t v)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}
inline std::int32_t addClamped(std::int64_t a, std::int64_t b) { return clampToInt32(a + b); }
