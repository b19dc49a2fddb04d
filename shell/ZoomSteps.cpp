#include "shell/ZoomSteps.h"

namespace {
// Upper bounds (inclusive) of each zoom-out band and the step it gives.
struct Band {
    int upTo;
    int step;
};
constexpr Band kOutBands[] = { { 50, 25 }, { 75, 50 }, { 100, 75 }, { 125, 100 }, { 150, 125 }, { 175, 150 },
    { 200, 175 }, { 300, 200 } };
// Upper bounds (exclusive) of each zoom-in band and the step it gives.
constexpr Band kInBands[] = { { 50, 50 }, { 75, 75 }, { 100, 100 }, { 125, 125 }, { 150, 150 }, { 175, 175 },
    { 200, 200 }, { 300, 300 } };
} // namespace

int zoomOutStep(int percent)
{
    for (const Band& band : kOutBands)
        if (percent <= band.upTo)
            return band.step;
    return percent;
}

int zoomInStep(int percent)
{
    for (const Band& band : kInBands)
        if (percent < band.upTo)
            return band.step;
    return percent;
}
