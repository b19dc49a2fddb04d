#pragma once

#include "render/WorkingBitmap.h"

class DrawSurface;

#include <cstdint>
#include <vector>

// Marker colours of 3-D shading: an item drawn into a black working bitmap
// with its outline in the outline marker (first byte set) and its interior in
// the interior marker (third byte set) tells, pixel by pixel, which of its
// two colours a shaded pixel takes.
constexpr std::uint32_t kOutlineMarker = 0xFF0000;
constexpr std::uint32_t kInteriorMarker = 0x0000FF;

// A black working bitmap over a device rectangle of a canvas, cropped to
// what the canvas's surface may draw on (the shading of a pixel depends only
// on where it lies, so the parts outside need no work, and a repaint clipped
// to part of the canvas leaves the rest alone). Drawing uses device coordinates moved by
// -origin().
class MarkerMask : public WorkingBitmap {
public:
    MarkerMask(const QRect& area, const DrawSurface& canvas);

    // Paints every marked pixel of the canvas with a profile colour: the
    // row that `rowOf(device x, device y)` gives, looked up in the outline
    // or the interior profile by the pixel's marker. Rows outside the
    // profile leave the pixel as it is. Ends the drawing into the mask.
    template <class RowOf>
    void recolour(Bitmap24& canvas, const std::vector<std::uint32_t>& outline,
        const std::vector<std::uint32_t>& interior, RowOf rowOf);
};

// Wraps a profile row once into 0 .. n - 1 (n added or taken away); rows still
// outside stay outside.
constexpr int wrapRow(int row, int n)
{
    return row > n - 1 ? row - n : row < 0 ? row + n : row;
}

template <class RowOf>
void MarkerMask::recolour(Bitmap24& canvas, const std::vector<std::uint32_t>& outline,
    const std::vector<std::uint32_t>& interior, RowOf rowOf)
{
    if (empty())
        return;
    const Bitmap24& mask = finished();
    const QRect& a = area();
    for (int y = 0; y < a.height(); ++y) {
        const std::uint8_t* marks = mask.scanLine(y);
        std::uint8_t* out = canvas.scanLine(a.top() + y) + Bitmap24::kBytesPerPixel * a.left();
        for (int x = 0; x < a.width(); ++x, marks += 4, out += 4) {
            const std::vector<std::uint32_t>* profile = marks[0] ? &outline : marks[2] ? &interior : nullptr;
            if (!profile || profile->empty())
                continue;
            const int row = rowOf(a.left() + x, a.top() + y);
            if (row < 0 || row >= int(profile->size()))
                continue;
            const std::uint32_t c = (*profile)[std::size_t(row)];
            out[0] = std::uint8_t(c >> 16);
            out[1] = std::uint8_t(c >> 8);
            out[2] = std::uint8_t(c);
        }
    }
}
