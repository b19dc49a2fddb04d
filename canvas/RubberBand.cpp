#include "canvas/RubberBand.h"

#include "canvas/ToolMachine.h"
#include "model/ItemKinds.h"
#include "model/ItemRecord.h"
#include "platform/Bitmap24.h"
#include "platform/DrawSurface.h"
#include "render/GeometryDeviceMapping.h"
#include "render/PaintColours.h"
#include "render/ShapeDrawing.h"
#include "render/TextRendering.h"

#include <QPainter>

#include <array>
#include <cmath>
#include <numbers>

namespace {

// Room around the outline for pens and rounding.
constexpr int kBandMargin = 3;

QRect boundsOf(const QPoint* points, int count)
{
    QRect r(points[0], points[0]);
    for (int i = 1; i < count; ++i)
        r |= QRect(points[i], points[i]);
    return r.adjusted(-kBandMargin, -kBandMargin, kBandMargin, kBandMargin);
}

DrawPen guidePen()
{
    const PaintColours colours;
    DrawPen pen;
    pen.style = DrawPen::Style::Dotted;
    pen.colour = colours.dragOutline;
    pen.hasGap = true;
    pen.gapColour = colours.dragOutlineGap;
    return pen;
}

// The four corners of a text line's box: the baseline and the line height above it.
std::array<QPoint, 4> textBoxCorners(
    const ItemRecord& text, const DeviceMapping& m, const ScreenMetrics& screen, double zoom)
{
    const QPoint s = m.map(text.body.x1, text.body.y1);
    const QPoint e = m.map(text.body.x2, text.body.y2);
    const double t = text.body.textAngle / 10.0 * std::numbers::pi / 180.0 + std::numbers::pi / 2;
    const double h = lineHeight(text, screen) * zoom;
    const QPoint up(
        static_cast<int>(std::lround(std::cos(t) * h)), -static_cast<int>(std::lround(std::sin(t) * h)));
    return { s, e, e + up, s + up };
}

} // namespace

QRect RubberBand::erase(Bitmap24& bitmap)
{
    if (saved_.isNull())
        return {};
    QPainter painter(&bitmap.image());
    painter.drawImage(savedAt_, saved_);
    const QRect changed(savedAt_, saved_.size());
    saved_ = QImage();
    return changed;
}

QRect RubberBand::draw(Bitmap24& bitmap, const ToolBand& band, const Preferences& preferences,
    const ScreenMetrics& screen, const BandView& view)
{
    ItemRecord item;
    fillToolItem(item, band.shape, preferences, screen);
    const DeviceMapping m { view.zoom, view.zoom, -view.tileX, -view.tileY };
    std::array<QPoint, 4> corners {};
    QRect area;
    const std::int32_t kind = band.shape.kind;
    if (kind == kinds::kLine) {
        corners[0] = m.map(item.body.x1, item.body.y1);
        corners[1] = m.map(item.body.x2, item.body.y2);
        area = boundsOf(corners.data(), 2);
    } else if (kind == kinds::kText) {
        corners = textBoxCorners(item, m, screen, view.zoom);
        area = boundsOf(corners.data(), 4);
    } else {
        // The shape's box holds its outline, control points and arc samples.
        const QPoint a = m.map(item.body.minX, item.body.minY), b = m.map(item.body.maxX, item.body.maxY);
        area = QRect(a, b).normalized().adjusted(-kBandMargin, -kBandMargin, kBandMargin, kBandMargin);
    }
    area &= QRect(0, 0, bitmap.width(), bitmap.height());
    if (area.isEmpty())
        return {};
    saved_ = bitmap.image().copy(area);
    savedAt_ = area.topLeft();

    DrawSurface surface(bitmap);
    DrawPen pen;
    pen.colour = static_cast<std::uint32_t>(kind == kinds::kText ? item.body.textColor : item.body.lineColor);
    if (kind == kinds::kLine) {
        surface.setPen(pen);
        surface.polyline(corners.data(), 2);
    } else if (kind == kinds::kText) {
        surface.setPen(guidePen());
        surface.setBrush(DrawBrush {});
        if (corners[0] == corners[1]) {
            // A click: a caret the line's height.
            const std::array<QPoint, 2> caret { corners[0], corners[3] };
            surface.polyline(caret.data(), 2);
        } else {
            surface.polygon(corners.data(), 4);
        }
    } else {
        // In outline: the fill would hide what the band is drawn over.
        item.body.fillColor = -1;
        drawShape(surface, item, m, 1);
        if (band.guides)
            drawShapeGuides(surface, item, m, guidePen());
    }
    return area;
}
