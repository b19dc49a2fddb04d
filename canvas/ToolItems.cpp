#include "canvas/ToolItems.h"

#include "base/Rounding.h"
#include "base/ScreenMetrics.h"
#include "canvas/ToolPattern.h"
#include "model/History.h"
#include "model/ItemKinds.h"
#include "model/ItemRecord.h"
#include "render/Geometry.h"
#include "render/LineStyle.h"
#include "render/ShapeConstruction.h"
#include "render/ShapeOutline.h"
#include "render/TextRendering.h"
#include "settings/Preferences.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr int kBuiltInPatterns = 5; // Solid, Dot, Dash, Center, Phantom

void setShadow(ItemBody& b, const ShadowPreset& shadow)
{
    b.shadowElevation = shadow.elevation;
    b.shadowFade = shadow.fade;
    b.shadowLightness = shadow.lightness;
}

std::uint8_t surfaceByte(std::int32_t surface)
{
    return static_cast<std::uint8_t>(std::clamp(surface, 0, 255));
}

std::int32_t penWidthOf(double weightMm, const ScreenMetrics& screen)
{
    return std::max(1, roundEven(weightMm * screen.pixelsPerMmY()));
}

void setEnds(ItemBody& b, QPoint start, QPoint end)
{
    b.x1 = start.x();
    b.y1 = start.y();
    b.x2 = end.x();
    b.y2 = end.y();
}

QPoint pointOr(const std::vector<QPoint>& points, std::size_t i)
{
    if (points.empty())
        return {};
    return points[std::min(i, points.size() - 1)];
}

void fillLine(ItemRecord& item, const ToolItemRequest& r, const Preferences& p, const ScreenMetrics& screen)
{
    ItemBody& b = item.body;
    const QPoint start = pointOr(r.points, 0);
    QPoint end = pointOr(r.points, 1);
    // A preset direction holds however the mouse strayed.
    if (p.lineDirection >= 0)
        constrainToDirection(start, end, p.lineDirection);
    setEnds(b, start, end);
    b.lineColor = p.lineColor;
    b.lineWeight = p.lineWeight;
    b.outlineWeight = p.lineOutlineWeight;
    b.penWidth = penWidthOf(p.lineWeight, screen);
    b.pattern = p.linePattern >= 0 && p.linePattern < kBuiltInPatterns ? p.linePattern : 0;
    b.fillColor = p.lineFillColor;
    b.direction = p.lineDirection;
    b.surface = surfaceByte(p.lineSurface);
    setShadow(b, p.shapeShadow);
    syncRealCoordinates(&item, screen);
    syncExtentFields(&item);
}

// Tenths of a degree of the direction from a to b, 0 .. 3599.
std::int32_t tenthsOf(QPoint a, QPoint b)
{
    const std::int32_t t = roundEven(angleOf(a, b) * 1800.0 / std::numbers::pi);
    return ((t % 3600) + 3600) % 3600;
}

void fillText(ItemRecord& item, const ToolItemRequest& r, const Preferences& p, const ScreenMetrics& screen)
{
    ItemBody& b = item.body;
    const QPoint start = pointOr(r.points, 0);
    QPoint end = pointOr(r.points, 1);
    b.presetTextAngle = p.textDirection;
    if (p.textDirection >= 0) {
        if (end != start)
            constrainToDirection(start, end, p.textDirection);
        b.textAngle = (p.textDirection % 360) * 10;
    } else {
        b.textAngle = end == start ? 0 : tenthsOf(start, end);
    }
    setEnds(b, start, end);
    b.textColor = p.textColor;
    b.lineColor = p.textColor;
    b.fontSize = p.textSize;
    b.fontWeight = p.textWeight;
    b.italic = p.textStyle.italic;
    b.underline = p.textStyle.underline;
    b.strikeOut = p.textStyle.strikeOut;
    b.justification = p.textStyle.justification;
    b.charSet = p.textCharSet;
    setFontName(&item, p.textFont.toStdString());
    b.surface = surfaceByte(p.textSurface);
    setShadow(b, p.textShadow);
    syncRealCoordinates(&item, screen);
    textBox(item, screen);
}

void fillShape(ItemRecord& item, const ToolItemRequest& r, const Preferences& p, const ScreenMetrics& screen)
{
    ItemBody& b = item.body;
    b.lineColor = p.shapeColor;
    b.fillColor = p.shapeFillColor;
    b.lineWeight = p.shapeWeight;
    b.penWidth = penWidthOf(p.shapeWeight, screen);
    b.sides = std::clamp(p.shapeSides, kMinSides, kMaxSides);
    b.surface = surfaceByte(p.shapeSurface);
    setShadow(b, p.shapeShadow);
    const bool family = b.kind == kinds::kSpline || b.kind == kinds::kCurve;
    // Triangles, squares and rectangles are filled polygons; the spline and
    // curve families take the tool's shape.
    const bool polygon
        = b.kind == kinds::kTriangle || b.kind == kinds::kSquare || b.kind == kinds::kRectangle;
    b.shapeVariant = family ? std::clamp(r.shape, kinds::kOpen, kinds::kSolid) : polygon ? kinds::kSolid : 0;
    b.curveTension = kDefaultCurveTension;
    std::vector<QPoint> corners = r.points;
    if (b.kind == kinds::kSquare && r.points.size() >= 2) {
        const auto c = squareCorners(r.points[0], r.points[1]);
        corners.assign(c.begin(), c.end());
    } else if (b.kind == kinds::kRectangle && r.points.size() >= 3) {
        const auto c = rectangleCorners(r.points[0], r.points[1], r.points[2]);
        corners.assign(c.begin(), c.end());
    }
    item.pointList.assign(corners.size(), PointEntry {});
    for (std::size_t i = 0; i < corners.size(); ++i) {
        item.pointList[i].set(0, corners[i].x(), corners[i].y());
        item.pointList[i].set(1, corners[i].x(), corners[i].y());
    }
    if (b.kind == kinds::kCurve)
        placeControlPoints(item);
    for (PointEntry& e : item.pointList) {
        e.set(4, e.x(2), e.y(2));
        e.set(5, e.x(3), e.y(3));
    }
    shapeBox(item, screen);
}

} // namespace

void fillToolItem(ItemRecord& item, const ToolItemRequest& request, const Preferences& preferences,
    const ScreenMetrics& screen)
{
    item.body.kind = request.kind;
    if (request.kind == kinds::kLine)
        fillLine(item, request, preferences, screen);
    else if (request.kind == kinds::kText)
        fillText(item, request, preferences, screen);
    else if (kinds::isShape(request.kind))
        fillShape(item, request, preferences, screen);
}

ItemRecord* makeToolItem(ItemList& items, const ToolItemRequest& request, const Preferences& preferences,
    const ScreenMetrics& screen)
{
    selectOnly(items, nullptr);
    // Looked up first: adopting a definition makes a record, which the new
    // item's step must come after.
    const std::int32_t pattern = request.kind == kinds::kLine ? toolPatternId(items, preferences) : 0;
    ItemRecord* item = addNewItem(items, request.kind);
    fillToolItem(*item, request, preferences, screen);
    if (pattern != 0)
        item->body.pattern = pattern;
    return item;
}
