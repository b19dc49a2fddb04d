#include "render/ShapeDrawing.h"

#include "model/ItemKinds.h"
#include "model/ItemRecord.h"
#include "platform/Bitmap24.h"
#include "render/ClippedOutline.h"

#include <cmath>

namespace {

constexpr std::int32_t kFillSolid = -2;
constexpr std::int32_t kFillClear = -1;

DrawPen solidPen(std::int32_t colour, int width)
{
    DrawPen pen;
    pen.colour = std::uint32_t(colour);
    pen.width = width;
    return pen;
}

void strokeOnly(DrawSurface& surface, std::int32_t lineColor, int width)
{
    surface.setPen(solidPen(lineColor, width));
    surface.setBrush(DrawBrush {});
}

} // namespace

ShapeStyle fillRules(std::int32_t lineColor, std::int32_t fillColor, int penWidth)
{
    if (fillColor == kFillSolid)
        return { solidPen(lineColor, 1), DrawBrush { true, std::uint32_t(lineColor) } };
    if (fillColor == kFillClear)
        return { solidPen(lineColor, penWidth), DrawBrush {} };
    return { solidPen(lineColor, penWidth), DrawBrush { true, std::uint32_t(fillColor) } };
}

void mapEntries(std::vector<DeviceEntry>& out, const ItemRecord& item, const DeviceMapping& mapping)
{
    out.clear();
    const bool controls = item.body.kind == kinds::kCurve;
    for (const PointEntry& e : item.pointList) {
        DeviceEntry d;
        d.anchor = mapping.map(e.x(0), e.y(0));
        if (controls) {
            d.control1 = mapping.map(e.x(2), e.y(2));
            d.control2 = mapping.map(e.x(3), e.y(3));
        }
        out.push_back(d);
    }
}

void drawOutline(DrawSurface& surface, const Outline& outline, std::int32_t lineColor, std::int32_t fillColor,
    int penWidth)
{
    const QPoint* p = outline.points.data();
    const int n = int(outline.points.size());
    const ShapeStyle style = fillRules(lineColor, fillColor, penWidth);
    const QRect area = visibleArea(surface.bitmap().width(), surface.bitmap().height(), penWidth);
    // Outlines reaching far out, or of very many points, go to the platform
    // cut to what can show.
    const bool direct = drawsDirectly(outline, area);
    switch (outline.primitive) {
    case Outline::Primitive::Nothing:
        return;
    case Outline::Primitive::Segment:
    case Outline::Primitive::Polyline:
        strokeOnly(surface, lineColor,
            outline.primitive == Outline::Primitive::Segment && fillColor == kFillSolid ? 1 : penWidth);
        if (direct)
            surface.polyline(p, n);
        else
            drawClippedPolyline(surface, p, n, area);
        return;
    case Outline::Primitive::Bezier:
        strokeOnly(surface, lineColor, penWidth);
        if (direct)
            surface.polyBezier(p, n);
        else
            drawClippedBezier(surface, p, n, false, area);
        return;
    case Outline::Primitive::Polygon:
        surface.setPen(style.pen);
        surface.setBrush(style.brush);
        if (direct)
            surface.polygon(p, n);
        else
            drawClippedPolygon(surface, p, n, area);
        return;
    case Outline::Primitive::Ellipse:
        surface.setPen(style.pen);
        surface.setBrush(style.brush);
        if (direct)
            surface.ellipse(outline.box.left, outline.box.top, outline.box.right, outline.box.bottom);
        else
            drawClippedCircle(surface, outline.box, area);
        return;
    case Outline::Primitive::FilledBezier:
        if (fillColor == kFillClear) {
            strokeOnly(surface, lineColor, penWidth);
            if (direct)
                surface.polyBezier(p, n);
            else
                drawClippedBezier(surface, p, n, false, area);
            return;
        }
        surface.setPen(style.pen);
        surface.setBrush(style.brush);
        if (!direct) {
            drawClippedBezier(surface, p, n, true, area);
            return;
        }
        surface.beginPath();
        surface.polyBezier(p, n);
        surface.endPath();
        surface.strokeAndFillPath();
        return;
    }
}

void drawShape(DrawSurface& surface, const ItemRecord& item, const DeviceMapping& mapping, int penWidth)
{
    thread_local std::vector<DeviceEntry> entries;
    thread_local Outline outline;
    mapEntries(entries, item, mapping);
    const QRect area = visibleArea(surface.bitmap().width(), surface.bitmap().height(), penWidth);
    buildOutline(outline, item.body.kind, entries.data(), int(entries.size()), item.body.sides,
        item.body.shapeVariant, &area);
    drawOutline(surface, outline, item.body.lineColor, item.body.fillColor, penWidth);
}

void drawShapeGuides(DrawSurface& surface, const ItemRecord& item, const DeviceMapping& mapping,
    const DrawPen& guidePen)
{
    thread_local std::vector<DeviceEntry> entries;
    thread_local Outline outline;
    mapEntries(entries, item, mapping);
    const int kind = item.body.kind;
    surface.setPen(guidePen);
    surface.setBrush(DrawBrush {});
    if ((kind == kinds::kPie || kind == kinds::kArc) && entries.size() >= 3) {
        buildOutline(outline, kinds::kArc, entries.data(), int(entries.size()), 0, 0);
        const QPoint first[2] = { entries[0].anchor, entries[1].anchor };
        const QPoint last[2] = { entries[0].anchor, outline.points.back() };
        surface.polyline(first, 2);
        surface.polyline(last, 2);
    } else if (kind == kinds::kCurve) {
        for (std::size_t i = 1; i < entries.size(); ++i) {
            const QPoint segment[2] = { entries[i - 1].anchor, entries[i].anchor };
            surface.polyline(segment, 2);
        }
    }
}
