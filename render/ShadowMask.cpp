#include "render/ShadowMask.h"

#include "base/Rounding.h"
#include "render/GreyBlur.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Above this many pixels a mask is cut to what can show.
constexpr std::int64_t kLargestMask = std::int64_t(3000) * 3000;
constexpr int kSmallestBlur = 6;

// A mask too large to keep whole is cut to what can show.
QRect keptPart(const QRect& area, const Bitmap24& canvas, int margin)
{
    if (std::int64_t(area.width()) * area.height() <= kLargestMask)
        return area;
    return area.intersected(
        QRect(0, 0, canvas.width(), canvas.height()).adjusted(-margin, -margin, margin, margin));
}

// The size a mask of `whole` shrinks to for its blur; empty when it stays sharp.
QSize blurSize(QSize whole, int fade, double scale)
{
    const int w = roundEven(whole.width() * 10.0 / (fade + 10) / scale);
    const int h = roundEven(whole.height() * 10.0 / (fade + 10) / scale);
    if (w >= whole.width() || h >= whole.height())
        return {};
    return { std::max(w, kSmallestBlur), std::max(h, kSmallestBlur) };
}

// The smallest rectangle holding every pixel of the mask that is not white.
QRect markedPart(const Bitmap24& mask)
{
    const int width = mask.width(), height = mask.height();
    int left = width, right = -1, top = -1, bottom = -1;
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = mask.scanLine(y);
        int first = -1, last = -1;
        for (int x = 0; x < width; ++x)
            if ((row[4 * x] & row[4 * x + 1] & row[4 * x + 2]) != 0xFF) {
                if (first < 0)
                    first = x;
                last = x;
            }
        if (first < 0)
            continue;
        if (top < 0)
            top = y;
        bottom = y;
        left = std::min(left, first);
        right = std::max(right, last);
    }
    return top < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// round(c x v / 255) for c, v in 0 .. 255, which is c + round((v - 255) x c / 255):
// the quotient never lies midway between two integers.
inline std::uint32_t scaled(std::uint32_t c, std::uint32_t v)
{
    const std::uint32_t t = c * v + 128;
    return (t + (t >> 8)) >> 8;
}

// One row of canvas pixels multiplied by their levels; the fourth byte stays 0xFF.
void blendRow(std::uint8_t* out, const std::uint8_t* levels, int count)
{
    int x = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i half = _mm_set1_epi16(128);
    const __m128i opaque = _mm_set1_epi32(int(0xFF000000u));
    for (; x + 4 <= count; x += 4) {
        std::uint32_t four;
        std::memcpy(&four, levels + x, sizeof four);
        const __m128i v8 = _mm_cvtsi32_si128(int(four));
        const __m128i v = _mm_unpacklo_epi16(_mm_unpacklo_epi8(v8, v8), _mm_unpacklo_epi8(v8, v8));
        __m128i* at = reinterpret_cast<__m128i*>(out + 4 * x);
        const __m128i c = _mm_loadu_si128(at);
        __m128i halves[2] = { _mm_unpacklo_epi8(c, zero), _mm_unpackhi_epi8(c, zero) };
        const __m128i vs[2] = { _mm_unpacklo_epi8(v, zero), _mm_unpackhi_epi8(v, zero) };
        for (int i = 0; i < 2; ++i) {
            const __m128i t = _mm_add_epi16(_mm_mullo_epi16(halves[i], vs[i]), half);
            halves[i] = _mm_srli_epi16(_mm_add_epi16(t, _mm_srli_epi16(t, 8)), 8);
        }
        _mm_storeu_si128(at, _mm_or_si128(_mm_packus_epi16(halves[0], halves[1]), opaque));
    }
#endif
    for (; x < count; ++x) {
        std::uint8_t* p = out + 4 * x;
        for (int c = 0; c < 3; ++c)
            p[c] = std::uint8_t(scaled(p[c], levels[x]));
    }
}

} // namespace

void softenMask(Bitmap24& mask, int fade, double scale)
{
    const QSize small = blurSize(QSize(mask.width(), mask.height()), fade, scale);
    if (small.isEmpty())
        return;
    GreyBlur blur(mask, markedPart(mask));
    blur.blur(small);
    const GreyPlane& levels = blur.levels();
    for (int y = 0; y < levels.height; ++y) {
        std::uint8_t* row = mask.scanLine(y);
        for (int x = 0; x < levels.width; ++x) {
            const std::uint8_t v = levels.row(y)[x];
            row[4 * x] = row[4 * x + 1] = row[4 * x + 2] = v;
        }
    }
}

void blendShadow(Bitmap24& canvas, const Bitmap24& mask, QPoint at)
{
    const GreyBlur levels(mask, QRect(0, 0, mask.width(), mask.height()));
    blendLevels(canvas, levels.levels(), at, levels.marked());
}

void blendLevels(Bitmap24& canvas, const GreyPlane& mask, QPoint at, const QRect& part)
{
    const QRect area = part.translated(at)
                           .intersected(QRect(at, QSize(mask.width, mask.height)))
                           .intersected(QRect(0, 0, canvas.width(), canvas.height()));
    if (area.isEmpty())
        return;
    for (int y = area.top(); y <= area.bottom(); ++y)
        blendRow(canvas.scanLine(y) + 4 * area.left(), mask.row(y - at.y()) + (area.left() - at.x()),
            area.width());
}

ShadowMask::ShadowMask(const QRect& area, const Bitmap24& canvas, int margin)
    : WorkingBitmap(keptPart(area, canvas, margin), 0xFFFFFF)
    , whole_(area.size())
{
}

void ShadowMask::apply(Bitmap24& canvas, int fade, double scale, const QRect& marks)
{
    if (empty())
        return;
    const Bitmap24& mask = finished();
    const QRect& kept = area();
    QSize small = blurSize(whole_, fade, scale);
    GreyBlur levels(mask, marks.isNull() ? markedPart(mask) : marks.translated(-kept.topLeft()));
    if (!small.isEmpty()) {
        if (kept.size() != whole_)
            small = QSize(
                std::max(kSmallestBlur, roundEven(double(kept.width()) * small.width() / whole_.width())),
                std::max(kSmallestBlur, roundEven(double(kept.height()) * small.height() / whole_.height())));
        levels.blur(small);
    }
    blendLevels(canvas, levels.levels(), kept.topLeft(), levels.marked());
}
