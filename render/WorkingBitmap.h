#pragma once

#include "platform/Bitmap24.h"
#include "platform/DrawSurface.h"

#include <QPoint>
#include <QRect>

#include <cstdint>
#include <memory>

// A bitmap standing for a device rectangle of a canvas, filled with one
// colour, into which an item is drawn before its pixels reach the canvas.
// Drawing uses device coordinates moved by -origin(). Empty when the
// rectangle is, or when its memory cannot be had.
class WorkingBitmap {
public:
    WorkingBitmap(const QRect& area, std::uint32_t fill);
    ~WorkingBitmap();
    WorkingBitmap(const WorkingBitmap&) = delete;
    WorkingBitmap& operator=(const WorkingBitmap&) = delete;

    bool empty() const { return area_.isEmpty(); }
    const QRect& area() const { return area_; }
    // Device position of the bitmap's top left pixel.
    QPoint origin() const { return area_.topLeft(); }
    // Only while not empty.
    DrawSurface& surface() { return *surface_; }
    // The pixels, once drawing is finished.
    const Bitmap24& finished();

private:
    QRect area_;
    Bitmap24 bitmap_;
    std::unique_ptr<DrawSurface> surface_;
};
