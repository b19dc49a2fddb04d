#include "render/ClipFrame.h"

#include "base/Rounding.h"
#include "platform/Bitmap24.h"
#include "platform/DrawSurface.h"
#include "render/Resample.h"
#include "render/ShadeProfile.h"

#include <QPoint>
#include <QRect>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr double kPi = std::numbers::pi;
constexpr std::uint32_t kWhite = 0xFFFFFF;
// Frames wider than this get their two contrasting corners softened.
constexpr int kSoftCornerWidth = 12;

// The direction each light falls on a frame from, in degrees.
double frameLight(int light)
{
    constexpr int degrees[4] = { 45, 315, 135, 225 };
    return degrees[light & 3] * kPi / 180.0;
}

int wrapped(int row, int n)
{
    row %= n;
    return row < 0 ? row + n : row;
}

void setRaw(Bitmap24& b, int x, int y, std::uint32_t bgr)
{
    reinterpret_cast<std::uint32_t*>(b.scanLine(y))[x] = bgr;
}

// 0x00BBGGRR as the bitmap's own word (blue low, 0xFF on top).
std::uint32_t word(std::uint32_t colour)
{
    return 0xFF000000u | (colour & 0xFF) << 16 | (colour & 0xFF00) | (colour >> 16 & 0xFF);
}

void shadeBorder(Bitmap24& b, const ClipFrameStyle& frame, double rotation)
{
    const int f = frame.width, w = b.width(), h = b.height();
    std::vector<std::uint32_t> profile = shadeProfile(f, frame.floor, frame.colour);
    for (std::uint32_t& c : profile)
        c = word(c);
    const double phi = frameLight(frame.light) - rotation;
    const int quarter = f / 4;
    const int sideShift = roundEven(std::sin(kPi - phi) * quarter);
    const int topShift = roundEven(std::sin(kPi / 2 - phi) * quarter);

    // Left and right: the same band, column i from each band's left edge.
    for (int y = 0; y < h; ++y)
        for (int i = 0; i < f; ++i) {
            const std::uint32_t c = profile[std::size_t(wrapped(i + sideShift, f))];
            setRaw(b, i, y, c);
            setRaw(b, w - f + i, y, c);
        }
    // Top and bottom: the same band, row j from each band's top edge, mitred
    // so that the side bands keep the corners' outer triangles.
    for (int j = 0; j < f; ++j) {
        const std::uint32_t c = profile[std::size_t(wrapped(j + topShift, f))];
        for (int x = j; x <= w - 1 - j; ++x)
            setRaw(b, x, j, c);
        const int d = f - 1 - j; // the bottom row's distance from the outer edge
        for (int x = d + 1; x <= w - 2 - d; ++x)
            setRaw(b, x, h - f + j, c);
    }
    if (f <= kSoftCornerWidth)
        return;
    const bool leftTop = frame.light == 1 || frame.light == 2;
    const QPoint corners[2] = { leftTop ? QPoint(0, 0) : QPoint(w - f, 0),
        leftTop ? QPoint(w - f, h - f) : QPoint(0, h - f) };
    Bitmap24 corner(f, f), large(2 * f, 2 * f);
    for (const QPoint& at : corners) {
        bitBlt(corner, 0, 0, f, f, b, at.x(), at.y());
        resample(corner, large, ResampleKernel::BSpline);
        resample(large, corner, ResampleKernel::BSpline);
        bitBlt(b, at.x(), at.y(), f, f, corner, 0, 0);
    }
}

} // namespace

Bitmap24 framedBitmap(const Bitmap24& picture, const ClipFrameStyle& frame, double rotation)
{
    const int f = std::max(0, frame.width);
    if (f == 0)
        return picture;
    Bitmap24 framed(picture.width() + 2 * f, picture.height() + 2 * f);
    if (frame.shaded)
        shadeBorder(framed, frame, rotation);
    else
        framed.fill(frame.colour);
    bitBlt(framed, f, f, picture.width(), picture.height(), picture, 0, 0);
    return framed;
}

void drawClipRing(DrawSurface& surface, QPointF centre, int radius, const ClipFrameStyle& frame)
{
    const int f = frame.width;
    if (f <= 0)
        return;
    const double outer = double(radius) + f;
    const QRect area = QRect(QPoint(int(std::floor(centre.x() - outer)), int(std::floor(centre.y() - outer))),
                           QPoint(int(std::ceil(centre.x() + outer)), int(std::ceil(centre.y() + outer))))
        & surface.drawableRect();
    if (area.isEmpty())
        return;
    std::vector<std::uint32_t> profile;
    if (frame.shaded) {
        profile = shadeProfile(f, frame.floor, frame.colour);
        for (std::uint32_t& c : profile)
            c = word(c);
    }
    const std::uint32_t flat = word(frame.colour);
    // The row at the ring's outer edge, counted as across a bitmap holding
    // the whole ring: (2 (radius + f) + 1 - 3) / 2.
    const int outerRow = radius + f - 1;
    const int quarter = f / 4;
    const double phi = frameLight(frame.light);
    Bitmap24& canvas = surface.bitmap();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const double dx = x + 0.5 - centre.x(), dy = centre.y() - (y + 0.5);
            const double q = std::sqrt(dx * dx + dy * dy);
            if (q <= radius || q > outer)
                continue;
            if (!frame.shaded) {
                setRaw(canvas, x, y, flat);
                continue;
            }
            const double u = std::atan2(dy, dx) - phi;
            const int row = outerRow + roundEven(std::sin(u) * quarter) - roundEven(q);
            setRaw(canvas, x, y, profile[std::size_t(wrapped(row, f))]);
        }
}
