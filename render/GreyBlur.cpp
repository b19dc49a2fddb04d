#include "render/GreyBlur.h"

#include "platform/Bitmap24.h"
#include "render/ResampleKernel.h"
#include "render/ResamplePasses.h"
#include "render/ResampleTable.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr std::uint8_t kWhite = 0xFF;

// Sums to levels: divided by the position's divisor, truncated, held to a
// byte. Single precision gives the same quotients for vectorisable tables.
void finish(
    const std::int32_t* sums, std::uint8_t* out, int count, std::int32_t divisor, bool singlePrecision)
{
    int k = 0;
#if defined(__SSE2__)
    if (singlePrecision) {
        const __m128 d = _mm_set1_ps(float(divisor));
        for (; k + 16 <= count; k += 16) {
            __m128i q[4];
            for (int i = 0; i < 4; ++i)
                q[i] = _mm_cvttps_epi32(_mm_div_ps(
                    _mm_cvtepi32_ps(_mm_loadu_si128(reinterpret_cast<const __m128i*>(sums + k + 4 * i))), d));
            const __m128i bytes = _mm_packus_epi16(_mm_packs_epi32(q[0], q[1]), _mm_packs_epi32(q[2], q[3]));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + k), bytes);
        }
    }
#endif
    for (; k < count; ++k)
        out[k] = std::uint8_t(std::clamp(sums[k] / divisor, 0, 255));
}

QRect swapped(const QRect& r)
{
    return r.isNull() ? r : QRect(r.top(), r.left(), r.height(), r.width());
}

// Resamples `in` along its rows: output row i is made from the rows the
// table names for it. Only the columns of `busy`, where alone `in` is not
// white, and the rows they reach are computed; the rest stays white, which
// is what a table whose weights never cancel out makes of white. Written
// into `out`, turned (rows and columns exchanged) when asked, ready for a
// pass along the other direction. Returns the part of `out` that may be
// below white.
QRect pass(const GreyPlane& in, QRect busy, const ResampleTable& table, GreyPlane& out, bool turned)
{
    const int length = table.targetLength();
    if (turned)
        out.reset(length, in.width, kWhite);
    else
        out.reset(in.width, length, kWhite);
    if (!table.keepsFlatValues())
        busy = QRect(0, 0, in.width, in.height);
    if (busy.isEmpty())
        return {};
    const auto [first, last]
        = table.keepsFlatValues() ? table.reaching(busy.top(), busy.bottom()) : std::pair { 0, length };
    const int columns = busy.width();
    thread_local std::vector<std::int32_t> sums;
    thread_local std::vector<std::uint8_t> levels;
    sums.resize(std::size_t(columns));
    levels.resize(std::size_t(columns));
    for (int i = first; i < last; ++i) {
        std::fill(sums.begin(), sums.end(), 0);
        for (const ResampleTable::TapPair* p = table.pairsBegin(i); p != table.pairsEnd(i); ++p)
            resamplepass::accumulateRowPair(sums.data(), in.row(p->first) + busy.left(),
                in.row(p->second) + busy.left(), p->packedWeights, columns);
        if (!turned) {
            finish(sums.data(), out.row(i) + busy.left(), columns, table.divisor(i), table.vectorisable());
            continue;
        }
        finish(sums.data(), levels.data(), columns, table.divisor(i), table.vectorisable());
        for (int c = 0; c < columns; ++c)
            out.row(busy.left() + c)[i] = levels[std::size_t(c)];
    }
    const QRect done(busy.left(), first, columns, last - first);
    return first < last ? (turned ? swapped(done) : done) : QRect();
}

// `in` turned into `out` within `busy`, white elsewhere.
void turn(const GreyPlane& in, const QRect& busy, GreyPlane& out)
{
    out.reset(in.height, in.width, kWhite);
    for (int y = busy.top(); y <= busy.bottom(); ++y)
        for (int x = busy.left(); x <= busy.right(); ++x)
            out.row(x)[y] = in.row(y)[x];
}

} // namespace

void GreyPlane::reset(int w, int h, std::uint8_t grey)
{
    width = w;
    height = h;
    pixels.assign(std::size_t(w) * std::size_t(h), grey);
}

GreyBlur::GreyBlur(const Bitmap24& mask, const QRect& marked)
    : marked_(marked.intersected(QRect(0, 0, mask.width(), mask.height())))
{
    upright_.reset(mask.width(), mask.height(), kWhite);
    for (int y = marked_.top(); y <= marked_.bottom(); ++y) {
        const std::uint8_t* source = mask.scanLine(y);
        std::uint8_t* out = upright_.row(y);
        for (int x = marked_.left(); x <= marked_.right(); ++x)
            out[x] = source[4 * x];
    }
}

void GreyBlur::blur(QSize small)
{
    const int w = upright_.width, h = upright_.height;
    if (w <= 1 || h <= 1 || small.width() <= 1 || small.height() <= 1)
        return;
    const auto table = [](int n, int m) { return ResampleTable::shared(n, m, ResampleKernel::BSpline); };
    thread_local GreyPlane a, b;
    turn(upright_, marked_, a);
    // Down: along x, then along y; up again the same way.
    QRect busy = pass(a, swapped(marked_), *table(w, small.width()), b, true);
    busy = pass(b, busy, *table(h, small.height()), a, true);
    busy = pass(a, busy, *table(small.width(), w), b, true);
    marked_ = pass(b, busy, *table(small.height(), h), upright_, false);
}
