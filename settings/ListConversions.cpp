#include "settings/ListConversions.h"

#include "base/Rounding.h"
#include "settings/MeasureParsing.h"

#include <cmath>
#include <numbers>

namespace {

struct Weight {
    double mm = 0.0;
    std::int32_t pixels = 0;
};

bool weightFromValue(double v, int units, double pixelsPerMmX, Weight& out)
{
    v = std::fabs(v);
    switch (units) {
    case 1:
        out.pixels = roundEven(v);
        out.mm = out.pixels / pixelsPerMmX;
        return true;
    case 2:
        out.mm = v;
        out.pixels = roundEven(v * pixelsPerMmX);
        return true;
    case 3:
        out.mm = v * 25.4;
        out.pixels = roundEven(out.mm * pixelsPerMmX);
        return true;
    default:
        return false;
    }
}

// Brings an angle into [0, 360) from below and (0, 360] from above, as adding
// or subtracting whole turns would, but in constant time for any magnitude.
double wrapDegrees(double v)
{
    if (v < 0.0) {
        v = std::fmod(v, 360.0);
        if (v < 0.0)
            v += 360.0;
        return v + 0.0; // -0 becomes 0
    }
    if (v > 360.0) {
        v = std::fmod(v, 360.0);
        return v == 0.0 ? 360.0 : v;
    }
    return v;
}

} // namespace

bool convertWeight(custThicknessRec_t& entry, double pixelsPerMmX)
{
    const MeasureResult m = parseMeasure(entry.text);
    if (!m.ok || m.value == 0.0)
        return false;
    Weight w;
    if (!weightFromValue(m.value, entry.units, pixelsPerMmX, w))
        return false;
    entry.weight = w.mm;
    entry.pixels = w.pixels;
    return true;
}

bool convertPattern(custPatternRec_t& entry, double pixelsPerMmX)
{
    entry.lengths.fill(0.0);
    entry.pixels.fill(0);
    entry.count = 0;
    if (entry.units < 1 || entry.units > 3)
        return false;
    bool leading = true;
    for (int i = 0; i < custPatternRec_t::kLengths; ++i) {
        const auto n = static_cast<std::size_t>(i);
        const MeasureResult m = parseMeasure(entry.texts[n]);
        if (!m.ok) {
            leading = false;
            continue;
        }
        if (i == 0 && m.value == 0.0)
            return false;
        Weight w;
        weightFromValue(m.value, entry.units, pixelsPerMmX, w);
        entry.lengths[n] = w.mm;
        entry.pixels[n] = w.pixels;
        leading = leading && m.value != 0.0;
        if (leading)
            ++entry.count;
    }
    return entry.lengths[0] > 0.0 && entry.lengths[1] > 0.0;
}

bool convertDirection(custDirectionRec_t& entry)
{
    const MeasureResult m = parseMeasure(entry.text);
    if (!m.ok)
        return false;
    double v = m.value;
    if (entry.units == 2)
        v = v * 180.0 / std::numbers::pi;
    else if (entry.units != 1)
        return false;
    entry.value = wrapDegrees(v);
    return true;
}
