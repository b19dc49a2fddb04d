#include "render/LineStyle.h"

#include "model/ItemRecord.h"
#include "base/Rounding.h"
#include "render/Geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

using std::numbers::pi;

namespace {

QPoint offset(QPoint p, double dx, double dy)
{
    return QPoint(roundEven(p.x() + dx), roundEven(p.y() + dy));
}

// Everything one line needs to draw its dashes.
struct LineJob {
    DrawSurface& surface;
    const ItemRecord& line;
    double t;
    int width;
    int outline;
    bool hollow;
    DrawBrush interior;
    DrawPen thinPen;
    DashShading* shading;
};

void drawDash(const LineJob& job, QPoint c, QPoint d)
{
    if (job.width < 2) {
        const QPoint segment[2] = { c, d };
        job.surface.polyline(segment, 2);
        return;
    }
    const std::array<QPoint, 4> corners = dashRectangle(c, d, job.t, job.width);
    if (job.shading && job.line.body.surface >= 1 && job.width >= 4) {
        job.shading->drawDash(job.surface, corners, job.line, job.width, job.outline, job.hollow);
        job.surface.setPen(job.thinPen);
        job.surface.setBrush(job.interior);
        return;
    }
    drawFlatDash(job.surface, corners, job.t, job.thinPen, job.interior, job.outline, job.hollow);
}

} // namespace

void drawFlatDash(DrawSurface& surface, const std::array<QPoint, 4>& c, double t, const DrawPen& pen,
    const DrawBrush& interior, int outline, bool hollow)
{
    surface.setPen(pen);
    surface.setBrush(interior);
    surface.polygon(c.data(), 4);
    if (!hollow || outline < 2)
        return;
    // Four bands of the outline width inside the rectangle: the left long
    // edge, the end edge, the right long edge, the start edge.
    const double o = outline;
    const double ux = std::cos(t) * o, uy = -std::sin(t) * o;
    const double nx = std::cos(t + pi / 2) * o, ny = -std::sin(t + pi / 2) * o;
    surface.setBrush(DrawBrush { true, pen.colour });
    const QPoint bands[4][4] = {
        { c[0], c[1], offset(c[1], -nx, -ny), offset(c[0], -nx, -ny) },
        { c[1], c[2], offset(c[2], -ux, -uy), offset(c[1], -ux, -uy) },
        { c[2], c[3], offset(c[3], nx, ny), offset(c[2], nx, ny) },
        { c[3], c[0], offset(c[0], ux, uy), offset(c[3], ux, uy) },
    };
    for (const auto& band : bands)
        surface.polygon(band, 4);
    surface.setBrush(interior);
}

void drawLine(DrawSurface& surface, const ItemRecord& line, QPoint s, QPoint e, const DashList& dashes, double zoom,
    const ScreenMetrics& screen, DashShading* shading)
{
    const ItemBody& b = line.body;
    const int w = std::max(1, int(roundEven(zoom * b.penWidth)));
    const int o = weightToPixels(zoom, b.outlineWeight, screen);
    const bool solid = 2 * std::int64_t(o) >= w || b.lineWeight < 0.0001
        || 2 * weightToPixels(1, b.outlineWeight, screen) >= weightToPixels(1, b.lineWeight, screen);
    DrawBrush interior { true, std::uint32_t(b.lineColor) };
    if (!solid && b.fillColor == -1)
        interior = DrawBrush {};
    else if (!solid && b.fillColor != -2)
        interior.colour = std::uint32_t(b.fillColor);
    DrawPen thin;
    thin.colour = std::uint32_t(b.lineColor);
    LineJob job { surface, line, b.lineAngle, w, o, !solid, interior, thin, shading };
    surface.setPen(thin);
    surface.setBrush(w < 2 ? DrawBrush {} : interior);

    const double length = distanceOf(s, e);
    std::int64_t period = 0;
    for (int i = 0; i < dashes.count; ++i)
        period += std::max(0, dashes.lengths[std::size_t(i)]);
    if (dashes.count <= 0 || period <= 0)
        return;

    // Dashes are placed from S on; whole periods before the visible part of
    // the line are skipped, and drawing stops after it, so very long lines
    // with fine patterns cost only what shows.
    const double margin = w + 2.0;
    const QRectF visible(-margin, -margin, surface.bitmap().width() + 2 * margin, surface.bitmap().height() + 2 * margin);
    double from = 0, to = length;
    if (!clipToRect(s, std::cos(b.lineAngle), -std::sin(b.lineAngle), visible, from, to) && length > 0)
        return;
    double sum = std::max<std::int64_t>(0, std::int64_t(from / double(period)) - 1) * double(period);
    QPoint c = pointAt(s, sum, b.lineAngle);
    for (;;) {
        for (int i = 0; i < dashes.count; i += 2) {
            sum += dashes.lengths[std::size_t(i)];
            QPoint d = pointAt(s, sum, b.lineAngle);
            const bool ended = distanceOf(s, d) >= length;
            if (ended)
                d = e;
            drawDash(job, c, d);
            if (ended)
                return;
            sum += i + 1 < dashes.count ? dashes.lengths[std::size_t(i + 1)] : 0;
            c = pointAt(s, sum, b.lineAngle);
            if (distanceOf(s, c) >= length || sum > to + margin + double(period))
                return;
        }
    }
}
