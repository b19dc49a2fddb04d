#include "render/ResamplePasses.h"
#include "render/ResampleTable.h"

#include <algorithm>

namespace resamplepass {

namespace {

    std::uint8_t finish(std::int64_t sum, std::int32_t divisor)
    {
        return std::uint8_t(std::clamp<std::int64_t>(sum / divisor, 0, 255));
    }

} // namespace

void horizontalPlain(
    const PassImage& source, const PassTarget& target, const ResampleTable& table, PassBand band)
{
    for (int y = band.rowBegin; y < band.rowEnd; ++y) {
        const std::uint8_t* in = source.pixels + y * source.stride;
        std::uint8_t* out = target.pixels + y * target.stride;
        for (int x = band.columnBegin; x < band.columnEnd; ++x) {
            std::int64_t sum[3] = { 0, 0, 0 };
            for (const ResampleTable::Tap* t = table.tapsBegin(x); t != table.tapsEnd(x); ++t)
                for (int c = 0; c < 3; ++c)
                    sum[c] += std::int64_t(t->weight) * in[4 * t->source + c];
            for (int c = 0; c < 3; ++c)
                out[4 * x + c] = finish(sum[c], table.divisor(x));
            out[4 * x + 3] = 0xFF;
        }
    }
}

void verticalPlain(
    const PassImage& source, const PassTarget& target, const ResampleTable& table, PassBand band)
{
    for (int y = band.rowBegin; y < band.rowEnd; ++y) {
        std::uint8_t* out = target.pixels + y * target.stride;
        for (int x = band.columnBegin; x < band.columnEnd; ++x) {
            std::int64_t sum[3] = { 0, 0, 0 };
            for (const ResampleTable::Tap* t = table.tapsBegin(y); t != table.tapsEnd(y); ++t) {
                const std::uint8_t* in = source.pixels + t->source * source.stride + 4 * x;
                for (int c = 0; c < 3; ++c)
                    sum[c] += std::int64_t(t->weight) * in[c];
            }
            for (int c = 0; c < 3; ++c)
                out[4 * x + c] = finish(sum[c], table.divisor(y));
            out[4 * x + 3] = 0xFF;
        }
    }
}

} // namespace resamplepass
