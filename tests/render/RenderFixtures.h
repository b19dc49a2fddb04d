#pragma once

// Small drawings for painter tests, built in memory: a pixel-unit header and
// items with their points, stacking positions and boxes set as the editor
// sets them.

#include "base/ScreenMetrics.h"
#include "model/DrawingHeader.h"
#include "model/ItemKinds.h"
#include "model/ItemRecord.h"
#include "render/ShapeConstruction.h"
#include "render/TextRendering.h"

#include <QPoint>

#include <algorithm>
#include <initializer_list>
#include <string>

namespace renderfixture {

// The screen the fixtures' coordinates are measured in: 96 dpi.
inline constexpr ScreenMetrics kScreen {};

inline ItemRecord* addHeader(ItemList& list, double width = 400, double height = 300, double zoom = 1.0)
{
    ItemRecord* h = createHeader(list);
    HeaderBody& b = h->header;
    b.units = units::kPixels;
    setPixelsPerUnit(b, kScreen);
    b.canvasWidth = width;
    b.canvasHeight = height;
    b.zoom = zoom;
    recomputeScreenExtent(b);
    return h;
}

inline void placeOnTop(ItemList& list, ItemRecord* r) { r->body.zOrder = maxZOrder(list) + 1; }

inline ItemRecord* addShape(ItemList& list, std::int32_t kind, std::initializer_list<QPoint> points,
    std::int32_t lineColor = 0, std::int32_t fillColor = -2, std::int32_t variant = kinds::kSolid)
{
    ItemRecord* r = createItem(list, kind);
    for (QPoint p : points) {
        PointEntry e;
        e.set(0, p.x(), p.y());
        r->pointList.push_back(e);
    }
    r->body.lineColor = lineColor;
    r->body.fillColor = fillColor;
    r->body.shapeVariant = variant;
    r->body.sides = 5;
    if (kind == kinds::kCurve)
        placeControlPoints(*r);
    shapeBox(*r, kScreen);
    placeOnTop(list, r);
    return r;
}

// An axis-parallel filled rectangle from its top left to its bottom right corner.
inline ItemRecord* addBox(ItemList& list, QPoint topLeft, QPoint bottomRight, std::int32_t colour)
{
    return addShape(list, kinds::kRectangle,
        { topLeft, { bottomRight.x(), topLeft.y() }, bottomRight, { topLeft.x(), bottomRight.y() } }, colour, -2);
}

inline ItemRecord* addLine(ItemList& list, QPoint a, QPoint b, std::int32_t colour = 0, std::int32_t pattern = 0,
    double weightMm = 0.0)
{
    ItemRecord* r = createItem(list, kinds::kLine);
    r->body.x1 = a.x();
    r->body.y1 = a.y();
    r->body.x2 = b.x();
    r->body.y2 = b.y();
    r->body.lineAngle = lineAngleOf(a.x(), a.y(), b.x(), b.y());
    r->body.lineColor = colour;
    r->body.pattern = pattern;
    r->body.lineWeight = weightMm;
    r->body.penWidth = 1;
    const int margin = 4;
    r->body.minX = std::min(a.x(), b.x()) - margin;
    r->body.maxX = std::max(a.x(), b.x()) + margin;
    r->body.minY = std::min(a.y(), b.y()) - margin;
    r->body.maxY = std::max(a.y(), b.y()) + margin;
    syncRealCoordinates(r, kScreen);
    placeOnTop(list, r);
    return r;
}

// A text item whose last line's baseline runs from s to e.
inline ItemRecord* addText(ItemList& list, const std::u16string& text, QPoint s, QPoint e, int angle = 0,
    std::int32_t colour = 0, int justification = 1)
{
    ItemRecord* r = createItem(list, kinds::kText);
    r->text = text;
    r->body.x1 = s.x();
    r->body.y1 = s.y();
    r->body.x2 = e.x();
    r->body.y2 = e.y();
    r->body.textAngle = angle;
    r->body.textColor = colour;
    r->body.justification = std::uint8_t(justification);
    syncRealCoordinates(r, kScreen);
    textBox(*r, kScreen);
    placeOnTop(list, r);
    return r;
}

inline ItemRecord* addGrid(ItemList& list, std::initializer_list<int> xs, std::initializer_list<int> ys)
{
    ItemRecord* g = createItem(list, kinds::kGrid);
    for (int p : xs)
        g->gridListX.push_back({ 0, 0, p - kAnchorHalf, 1, p + kAnchorHalf + 1, 12 });
    for (int p : ys)
        g->gridListY.push_back({ 0, 0, 1, p - kAnchorHalf, 12, p + kAnchorHalf + 1 });
    return g;
}

} // namespace renderfixture
