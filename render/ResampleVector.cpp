#include "render/ResamplePasses.h"
#include "render/ResampleTable.h"

#include <algorithm>
#include <cstring>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Two taps at a time: their bytes interleaved and widened to 16 bits, so one
// multiply-add gives both weighted values of every channel as 32-bit sums.
// The quotient is taken in single precision and truncated; for the sums and
// divisors a vectorisable table allows it equals the integer quotient.

namespace resamplepass {

void accumulateRowPair(
    std::int32_t* sums, const std::uint8_t* a, const std::uint8_t* b, std::int32_t packedWeights, int count)
{
    int k = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i weights = _mm_set1_epi32(packedWeights);
    for (; k + 16 <= count; k += 16) {
        const __m128i va = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + k));
        const __m128i vb = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + k));
        const __m128i lo = _mm_unpacklo_epi8(va, vb);
        const __m128i hi = _mm_unpackhi_epi8(va, vb);
        const __m128i parts[4] = { _mm_madd_epi16(_mm_unpacklo_epi8(lo, zero), weights),
            _mm_madd_epi16(_mm_unpackhi_epi8(lo, zero), weights),
            _mm_madd_epi16(_mm_unpacklo_epi8(hi, zero), weights),
            _mm_madd_epi16(_mm_unpackhi_epi8(hi, zero), weights) };
        for (int i = 0; i < 4; ++i) {
            __m128i* slot = reinterpret_cast<__m128i*>(sums + k + 4 * i);
            _mm_storeu_si128(slot, _mm_add_epi32(_mm_loadu_si128(slot), parts[i]));
        }
    }
#endif
    const std::int32_t wa = std::int16_t(packedWeights & 0xFFFF);
    const std::int32_t wb = std::int16_t(std::uint32_t(packedWeights) >> 16);
    for (; k < count; ++k)
        sums[k] += wa * a[k] + wb * b[k];
}

#if defined(__SSE2__)

namespace {

    std::uint32_t loadPixel(const std::uint8_t* p)
    {
        std::uint32_t v;
        std::memcpy(&v, p, sizeof v);
        return v;
    }

    // Four channel sums to bytes held to 0 .. 255, the fourth set to 0xFF.
    std::uint32_t finishPixel(__m128i sums, __m128 divisor)
    {
        const __m128i q = _mm_cvttps_epi32(_mm_div_ps(_mm_cvtepi32_ps(sums), divisor));
        const __m128i bytes = _mm_packus_epi16(_mm_packs_epi32(q, q), q);
        return std::uint32_t(_mm_cvtsi128_si32(bytes)) | 0xFF000000u;
    }

} // namespace

bool horizontalVector(
    const PassImage& source, const PassTarget& target, const ResampleTable& table, PassBand band)
{
    const __m128i zero = _mm_setzero_si128();
    for (int y = band.rowBegin; y < band.rowEnd; ++y) {
        const std::uint8_t* in = source.pixels + y * source.stride;
        std::uint8_t* out = target.pixels + y * target.stride;
        for (int x = band.columnBegin; x < band.columnEnd; ++x) {
            __m128i sums = zero;
            for (const ResampleTable::TapPair* p = table.pairsBegin(x); p != table.pairsEnd(x); ++p) {
                const __m128i a = _mm_cvtsi32_si128(int(loadPixel(in + 4 * p->first)));
                const __m128i b = _mm_cvtsi32_si128(int(loadPixel(in + 4 * p->second)));
                const __m128i both = _mm_unpacklo_epi8(_mm_unpacklo_epi8(a, b), zero);
                sums = _mm_add_epi32(sums, _mm_madd_epi16(both, _mm_set1_epi32(p->packedWeights)));
            }
            const std::uint32_t pixel = finishPixel(sums, _mm_set1_ps(float(table.divisor(x))));
            std::memcpy(out + 4 * x, &pixel, sizeof pixel);
        }
    }
    return true;
}

bool verticalVector(
    const PassImage& source, const PassTarget& target, const ResampleTable& table, PassBand band)
{
    const int first = 4 * band.columnBegin;
    const int bytes = 4 * (band.columnEnd - band.columnBegin);
    std::vector<std::int32_t> sums(std::size_t(std::max(bytes, 0)) + 4);
    for (int y = band.rowBegin; y < band.rowEnd; ++y) {
        std::fill(sums.begin(), sums.end(), 0);
        for (const ResampleTable::TapPair* p = table.pairsBegin(y); p != table.pairsEnd(y); ++p)
            accumulateRowPair(sums.data(), source.pixels + p->first * source.stride + first,
                source.pixels + p->second * source.stride + first, p->packedWeights, bytes);
        const __m128 divisor = _mm_set1_ps(float(table.divisor(y)));
        std::uint8_t* out = target.pixels + y * target.stride + first;
        for (int i = 0; i < bytes / 4; ++i) {
            const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(sums.data() + 4 * i));
            const std::uint32_t pixel = finishPixel(s, divisor);
            std::memcpy(out + 4 * i, &pixel, sizeof pixel);
        }
    }
    return true;
}

#else

bool horizontalVector(const PassImage&, const PassTarget&, const ResampleTable&, PassBand)
{
    return false;
}
bool verticalVector(const PassImage&, const PassTarget&, const ResampleTable&, PassBand)
{
    return false;
}

#endif

} // namespace resamplepass
