#include "canvas/RulerPainter.h"

#include "canvas/ViewLayout.h"
#include "base/Rounding.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Positions from the band's edge, in ruler pixels, of the multiples of
// `interval` that lie inside the band and inside the image.
template <typename F> void forEachMultiple(const RulerView& v, double interval, F&& draw)
{
    if (interval < 1.0)
        return; // ticks closer than a pixel would fill the band
    const int end = std::min(v.bandStart + v.bandLength, v.length);
    const int firstK = std::max(1, static_cast<int>(std::floor(-v.bandStart / interval)));
    for (int k = firstK;; ++k) {
        const int pos = v.bandStart + roundEven(k * interval);
        if (pos >= end)
            break;
        if (pos >= 0)
            draw(pos, k);
    }
}

void drawTick(QImage& image, bool horizontal, int pos, int length, QRgb colour)
{
    const int thickness = horizontal ? image.height() : image.width();
    for (int i = thickness - length - 1; i < thickness - 1; ++i) {
        if (i < 0)
            continue;
        if (horizontal)
            image.setPixel(pos, i, colour);
        else
            image.setPixel(i, pos, colour);
    }
}

void drawLabel(QPainter& painter, bool horizontal, int pos, const QString& text)
{
    if (horizontal) {
        painter.drawText(QRect(pos + 2, -1, 200, kRulerSize + 2), Qt::AlignLeft | Qt::AlignTop, text);
        return;
    }
    // Turned a quarter anticlockwise: the text runs upwards from just above the tick.
    painter.save();
    painter.translate(0, pos - 2);
    painter.rotate(-90);
    painter.drawText(QRect(0, 0, 200, kRulerSize + 2), Qt::AlignLeft | Qt::AlignTop, text);
    painter.restore();
}

} // namespace

QImage paintRuler(const RulerView& v, const RulerStyle& style)
{
    const int length = std::max(1, v.length);
    QImage image = v.horizontal ? QImage(length, kRulerSize, QImage::Format_RGB32)
                                : QImage(kRulerSize, length, QImage::Format_RGB32);
    image.fill(style.outsideColour);
    const int bandFrom = std::max(0, v.bandStart);
    const int bandTo = std::min(length, v.bandStart + v.bandLength);
    if (bandTo <= bandFrom)
        return image;
    const QRect band = v.horizontal ? QRect(bandFrom, 0, bandTo - bandFrom, kRulerSize)
                                    : QRect(0, bandFrom, kRulerSize, bandTo - bandFrom);
    {
        QPainter painter(&image);
        painter.fillRect(band, style.canvasColour);
    }
    const QRgb tick = style.tickColour.rgb();
    for (const RulerTicks::Fine& f : v.ticks.fine)
        forEachMultiple(
            v, f.interval, [&](int pos, int) { drawTick(image, v.horizontal, pos, f.length, tick); });
    if (v.ticks.major < 1)
        return image;
    forEachMultiple(v, v.ticks.major,
        [&](int pos, int) { drawTick(image, v.horizontal, pos, v.ticks.majorLength, tick); });
    if (!v.ticks.labelled)
        return image;
    QPainter painter(&image);
    painter.setClipRect(band);
    painter.setFont(style.labelFont);
    painter.setPen(style.labelColour);
    forEachMultiple(v, v.ticks.major, [&](int pos, int k) {
        drawLabel(painter, v.horizontal, pos, QString::number(static_cast<long long>(k) * v.ticks.labelStep));
    });
    return image;
}
