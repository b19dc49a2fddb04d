#include "canvas/GridlineSetup.h"

#include "model/ItemRecord.h"
#include "base/Rounding.h"

#include <algorithm>
#include <cmath>

namespace {

// The anchor rectangle of a gridline at position p.
Gridline gridlineAt(bool vertical, std::int32_t p)
{
    Gridline g;
    if (vertical) {
        g.left = p - kAnchorHalf;
        g.top = 1;
        g.right = p + kAnchorHalf + 1;
        g.bottom = 12;
    } else {
        g.left = 1;
        g.top = p - kAnchorHalf;
        g.right = 12;
        g.bottom = p + kAnchorHalf + 1;
    }
    return g;
}

std::int32_t positionOf(const Gridline& g, bool vertical)
{
    return (vertical ? g.left : g.top) + kAnchorHalf;
}

void makeLine(std::vector<Gridline>& list, bool vertical, std::int32_t from, double size, double density,
    double pixelsPerUnit)
{
    list.clear();
    if (!(density > 0) || !(size >= 0))
        return;
    const std::int32_t step = roundEven(density * pixelsPerUnit);
    const double count = std::trunc(size / density);
    if (step <= 0 || count > 100000)
        return;
    for (int k = 0; k <= static_cast<int>(count); ++k)
        list.push_back(gridlineAt(vertical, from + k * step));
}

} // namespace

void makeNewGridlines(const HeaderBody& h, ItemRecord& grid)
{
    makeLine(grid.gridListX, true, h.screenMinX, h.canvasWidth, h.gridDensityX, h.pixelsPerUnitX);
    makeLine(grid.gridListY, false, h.screenMinY, h.canvasHeight, h.gridDensityY, h.pixelsPerUnitY);
}

void growGridlines(const HeaderBody& h, ItemRecord& grid, bool horizontalRuler)
{
    const bool vertical = horizontalRuler;
    std::vector<Gridline>& list = vertical ? grid.gridListX : grid.gridListY;
    const double zoom = h.zoom > 0 ? h.zoom : 1.0;
    const std::int32_t step
        = roundEven((vertical ? h.gridDensityX * h.pixelsPerUnitX : h.gridDensityY * h.pixelsPerUnitY));
    if (step <= 0)
        return;
    const std::int32_t start = roundEven((vertical ? h.screenMinX : h.screenMinY) / zoom);
    const std::int32_t end = roundEven((vertical ? h.screenMaxX : h.screenMaxY) / zoom);
    std::int32_t last = start;
    for (const Gridline& g : list)
        if (!g.deleted)
            last = std::max(last, positionOf(g, vertical));
    for (std::int32_t p = start + step; p < end; p += step)
        if (p > last)
            list.push_back(gridlineAt(vertical, p));
}

void shiftGridlines(ItemRecord& grid, bool horizontalRuler, std::int32_t shift)
{
    const bool vertical = horizontalRuler;
    std::vector<Gridline>& list = vertical ? grid.gridListX : grid.gridListY;
    if (list.empty())
        return;
    std::int32_t first = positionOf(list.front(), vertical) + shift;
    for (const Gridline& g : list)
        first = std::min(first, positionOf(g, vertical) + shift);
    if (first < 0)
        shift -= first;
    for (Gridline& g : list)
        g = [&] {
            Gridline moved = gridlineAt(vertical, positionOf(g, vertical) + shift);
            moved.deleted = g.deleted;
            moved.highlighted = g.highlighted;
            return moved;
        }();
}
