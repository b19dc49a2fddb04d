#include "render/ClipPixels.h"

#include "base/Rounding.h"
#include "platform/Bitmap24.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

namespace {

int limited(int v)
{
    return std::clamp(v, 0, 255);
}

} // namespace

void adjustColours(Bitmap24& bitmap, int saturation, int contrast, int lightness)
{
    if (saturation == 0 && contrast == 0 && lightness == 0)
        return;
    for (int y = 0; y < bitmap.height(); ++y) {
        std::uint8_t* p = bitmap.scanLine(y);
        for (int x = 0; x < bitmap.width(); ++x, p += Bitmap24::kBytesPerPixel) {
            int c[3] = { p[0], p[1], p[2] };
            if (saturation != 0) {
                const int m = (std::max({ c[0], c[1], c[2] }) + std::min({ c[0], c[1], c[2] })) / 2;
                for (int& v : c)
                    v = limited(v + saturation * (v - m) / 128);
            }
            if (contrast != 0)
                for (int& v : c)
                    v = limited(v + contrast * (v - 128) / 256);
            if (lightness != 0)
                for (int& v : c)
                    v = limited(v + lightness);
            p[0] = std::uint8_t(c[0]);
            p[1] = std::uint8_t(c[1]);
            p[2] = std::uint8_t(c[2]);
        }
    }
}

void mirrorBitmap(Bitmap24& bitmap, int mx, int my)
{
    const int w = bitmap.width(), h = bitmap.height();
    if (mx < 0)
        for (int y = 0; y < h; ++y) {
            auto* row = reinterpret_cast<std::uint32_t*>(bitmap.scanLine(y));
            std::reverse(row, row + w);
        }
    if (my < 0) {
        const std::size_t bytes = std::size_t(w) * Bitmap24::kBytesPerPixel;
        for (int top = 0, bottom = h - 1; top < bottom; ++top, --bottom)
            std::swap_ranges(bitmap.scanLine(top), bitmap.scanLine(top) + bytes, bitmap.scanLine(bottom));
    }
}

void rotateBitmap(const Bitmap24& source, Bitmap24& destination, double angle)
{
    rotateBitmap(source, destination, angle, QSize(destination.width(), destination.height()), QPoint());
}

void rotateBitmap(const Bitmap24& source, Bitmap24& destination, double angle, QSize whole, QPoint partOrigin)
{
    const int w = source.width(), h = source.height();
    const int w2 = whole.width(), h2 = whole.height();
    if (w <= 0 || h <= 0)
        return;
    const double c = std::cos(angle), s = std::sin(angle);
    // k and e below are twice the offset of a destination pixel's centre
    // from the point where the source's centre is laid.
    const int shiftX = (w2 - w) / 2 + w / 2 - partOrigin.x(), shiftY = (h2 - h) / 2 + h / 2 - partOrigin.y();
    for (int j = 0; j < destination.height(); ++j) {
        const int e = 2 * (j - shiftY) + 1;
        auto* out = reinterpret_cast<std::uint32_t*>(destination.scanLine(j));
        for (int i = 0; i < destination.width(); ++i) {
            const int k = 2 * (i - shiftX) + 1;
            const int sx = w / 2 + (roundEven(c * k - s * e) - 1) / 2;
            const int sy = h / 2 + (roundEven(s * k + c * e) - 1) / 2;
            if (sx >= 0 && sx < w && sy >= 0 && sy < h)
                out[i] = reinterpret_cast<const std::uint32_t*>(source.scanLine(sy))[sx];
        }
    }
}

void maskRound(const Bitmap24& source, Bitmap24& destination, int x, int y)
{
    const int w = source.width(), h = source.height();
    if (w <= 0 || h <= 0)
        return;
    const double rx = w / 2.0, ry = h / 2.0;
    for (int j = 0; j < h; ++j) {
        const int dy = y + j;
        if (dy < 0 || dy >= destination.height())
            continue;
        // The span of pixel centres of this row that lie inside the ellipse.
        const double v = (j + 0.5 - ry) / ry;
        if (v * v > 1.0)
            continue;
        const double half = rx * std::sqrt(1.0 - v * v);
        const int from = std::max({ 0, int(std::ceil(rx - half - 0.5)), -x });
        const int to = std::min({ w - 1, int(std::floor(rx + half - 0.5)), destination.width() - 1 - x });
        if (from > to)
            continue;
        std::memcpy(destination.scanLine(dy) + std::size_t(x + from) * Bitmap24::kBytesPerPixel,
            source.scanLine(j) + std::size_t(from) * Bitmap24::kBytesPerPixel,
            std::size_t(to - from + 1) * Bitmap24::kBytesPerPixel);
    }
}
