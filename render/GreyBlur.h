#pragma once

#include <QRect>
#include <QSize>

#include <cstdint>
#include <vector>

class Bitmap24;

// One grey level per pixel, rows one after another.
struct GreyPlane {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;

    void reset(int w, int h, std::uint8_t grey);
    std::uint8_t* row(int y) { return pixels.data() + std::size_t(y) * std::size_t(width); }
    const std::uint8_t* row(int y) const { return pixels.data() + std::size_t(y) * std::size_t(width); }
};

// The blur of a shadow mask, which is grey and white wherever nothing was
// drawn: resampled down to a smaller size and back with the cubic B-spline,
// giving every pixel the level resample() would give each channel of it,
// but on one channel instead of three, and only where the marks can reach.
// The passes run along rows; between them the plane is turned, so the
// pass along x reads rows too.
class GreyBlur {
public:
    // Takes the first byte of every pixel of the mask within `marked`
    // (mask coordinates); the rest is white.
    GreyBlur(const Bitmap24& mask, const QRect& marked);

    // Shrinks to `small` and enlarges back; nothing happens when either size
    // is 1 pixel or less in a direction, as with resample().
    void blur(QSize small);

    // The mask's levels, rows of its width, and the part of them that may be
    // below white.
    const GreyPlane& levels() const { return upright_; }
    const QRect& marked() const { return marked_; }

private:
    GreyPlane upright_;
    QRect marked_;
};
