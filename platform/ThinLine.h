#pragma once

#include <QPoint>
#include <QRect>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace thinline {

// Products of two 32-bit coordinate differences and a pixel count need more
// than 64 bits.
__extension__ using Wide = __int128;

// floor(num / den) for den > 0.
inline std::int64_t floorDiv(Wide num, Wide den)
{
    Wide q = num / den;
    if (num % den != 0 && num < 0)
        --q;
    return static_cast<std::int64_t>(q);
}

// The pixels of a 1-pixel line as the classic line primitive sets them: one
// pixel per step along the longer axis, the nearest to the ideal line, from
// `a` included up to `b` left out, in drawing direction. `plot(x, y, i)` is
// called for the pixels inside `clip` only, with i the pixel's place along
// the line counted from `first`; the return value is `first` plus the
// line's whole pixel count, so a style can carry on along a polyline. The
// work grows with the visible part, not with the line's length.
template <typename Plot>
std::int64_t forEachPixel(QPoint a, QPoint b, const QRect& clip, std::int64_t first, Plot&& plot)
{
    const std::int64_t dx = std::int64_t(b.x()) - a.x(), dy = std::int64_t(b.y()) - a.y();
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t n = std::max(std::llabs(dx), std::llabs(dy));
    if (n == 0 || clip.isEmpty())
        return first + n;
    const std::int64_t major0 = xMajor ? a.x() : a.y(), minor0 = xMajor ? a.y() : a.x();
    const std::int64_t dMajor = xMajor ? dx : dy, dMinor = xMajor ? dy : dx;
    const std::int64_t step = dMajor > 0 ? 1 : -1;
    const std::int64_t lowMajor = xMajor ? clip.left() : clip.top(),
                       highMajor = xMajor ? clip.right() : clip.bottom();
    const std::int64_t lowMinor = xMajor ? clip.top() : clip.left(),
                       highMinor = xMajor ? clip.bottom() : clip.right();

    // Steps whose major coordinate lies inside the clip.
    std::int64_t k0 = step > 0 ? lowMajor - major0 : major0 - highMajor;
    std::int64_t k1 = step > 0 ? highMajor - major0 : major0 - lowMajor;
    k0 = std::max<std::int64_t>(k0, 0);
    k1 = std::min<std::int64_t>(k1, n - 1);
    for (std::int64_t k = k0; k <= k1; ++k) {
        // The minor coordinate nearest the ideal line, halves rounded up.
        const std::int64_t minor = minor0 + floorDiv(Wide(2) * k * dMinor + n, Wide(2) * n);
        if (minor < lowMinor || minor > highMinor)
            continue;
        const std::int64_t major = major0 + step * k;
        if (xMajor)
            plot(int(major), int(minor), first + k);
        else
            plot(int(minor), int(major), first + k);
    }
    return first + n;
}

} // namespace thinline
