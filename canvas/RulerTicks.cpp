#include "canvas/RulerTicks.h"

#include "model/DrawingHeader.h"
#include "base/Rounding.h"

namespace {

RulerTicks pixelTicks(double z)
{
    RulerTicks t;
    t.major = roundEven(z * 100);
    t.labelled = true;
    t.labelStep = 100;
    const double p = t.major;
    if (z > 0.1 && z <= 0.25)
        t.fine.push_back({ p / 5, 1 });
    if (z > 0.25)
        t.fine.push_back({ p / 10, 1 });
    if (z > 1)
        t.fine.push_back({ p / 20, 1 });
    return t;
}

RulerTicks millimetreTicks(double z, bool horizontal, double pixelsPerMm)
{
    RulerTicks t;
    t.major = roundEven(z * pixelsPerMm * 10);
    t.labelled = z > 0.25;
    t.labelStep = 10;
    const double p = t.major;
    t.fine.push_back({ p / 2, 4 });
    t.fine.push_back({ p / 4, 1 });
    if (horizontal && z > 1)
        t.fine.push_back({ p / 8, 1 });
    return t;
}

RulerTicks inchTicks(double z, double pixelsPerInch)
{
    RulerTicks t;
    t.major = roundEven(z * pixelsPerInch);
    t.labelled = z > 0.125;
    t.labelStep = 1;
    const double p = t.major;
    if (z > 0.25) {
        t.fine.push_back({ p / 2, 8 });
        t.fine.push_back({ p / 4, 4 });
    }
    if (z > 0.5)
        t.fine.push_back({ p / 8, 1 });
    if (z > 1)
        t.fine.push_back({ p / 16, 1 });
    if (z > 2)
        t.fine.push_back({ p / 32, 1 });
    return t;
}

} // namespace

RulerTicks rulerTicks(int unitCode, double zoom, bool horizontal, double pixelsPerMm, double pixelsPerInch)
{
    switch (unitCode) {
    case units::kPixels:
        return pixelTicks(zoom);
    case units::kMillimetres:
        return millimetreTicks(zoom, horizontal, pixelsPerMm);
    case units::kInches:
        return inchTicks(zoom, pixelsPerInch);
    default:
        return {};
    }
}
