#include "canvas/RulerEndDrag.h"

#include "base/Rounding.h"
#include "canvas/GridlineSetup.h"
#include "model/DrawingHeader.h"
#include "model/ItemRecord.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Ruler ends answer within this many pixels (strictly) of the canvas's edge.
constexpr int kEdgeGrip = 5;
// Smallest canvas width or height a drag leaves, in zoomed pixels.
constexpr std::int32_t kMinimumExtent = 5;

bool near(int position, std::int64_t edge) { return std::llabs(position - edge) < kEdgeGrip; }

// Zoomed pixels per unit along the dragged direction; 0 when the header has none.
double perUnit(const HeaderBody& h, bool horizontal)
{
    const double p = (horizontal ? h.pixelsPerUnitX : h.pixelsPerUnitY) * h.zoom;
    return p > 0 ? p : 0;
}

} // namespace

bool RulerEndDrag::nearEnd(int position, int origin, std::int32_t extent)
{
    return near(position, origin) || near(position, std::int64_t(origin) + extent);
}

bool RulerEndDrag::press(bool horizontal, int position, int origin, const HeaderBody& h)
{
    if (active())
        return false;
    const std::int32_t extent = horizontal ? h.screenWidth : h.screenHeight;
    if (near(position, std::int64_t(origin) + extent)) {
        kind_ = horizontal ? Kind::Width : Kind::Height;
        startValue_ = extent;
    } else if (near(position, origin)) {
        kind_ = horizontal ? Kind::Left : Kind::Top;
        startValue_ = horizontal ? h.screenMinX : h.screenMinY;
    } else {
        return false;
    }
    start_ = position;
    value_ = startValue_;
    return true;
}

void RulerEndDrag::move(int position)
{
    const std::int64_t moved = std::int64_t(startValue_) + position - start_;
    if (resizes())
        value_ = clampToInt32(std::max<std::int64_t>(kMinimumExtent, moved));
    else if (active())
        value_ = clampToInt32(std::max<std::int64_t>(0, moved));
}

double RulerEndDrag::lengthInUnits(const HeaderBody& h) const
{
    const double p = perUnit(h, horizontal());
    return p > 0 ? value_ / p : 0;
}

bool RulerEndDrag::finish(int position, HeaderBody& h, ItemRecord* grid)
{
    if (!active())
        return false;
    move(position);
    const bool along = horizontal();
    const bool resize = resizes();
    const int delta = position - start_;
    kind_ = Kind::None;
    const double p = perUnit(h, along);
    if (p <= 0)
        return false;
    if (resize) {
        (along ? h.canvasWidth : h.canvasHeight) = value_ / p;
        recomputeScreenExtent(h);
        if (grid)
            growGridlines(h, *grid, along);
    } else {
        (along ? h.canvasLeft : h.canvasTop) = value_ / p;
        recomputeScreenExtent(h);
        if (grid)
            shiftGridlines(*grid, along, roundEven(delta / h.zoom));
    }
    return true;
}
