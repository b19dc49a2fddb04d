#include "canvas/ItemPath.h"

#include "model/ItemKinds.h"
#include "model/ItemRecord.h"
#include "render/Geometry.h"
#include "render/PaintClipForms.h"
#include "render/ShapeOutline.h"
#include "render/TextRendering.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr int kBezierPieces = 16;
constexpr int kCircleSamples = 72;
constexpr std::int32_t kRoundClipShape = 2;

void addCircle(ItemPath& path, QPointF centre, double r)
{
    for (int i = 0; i < kCircleSamples; ++i) {
        const double t = 2 * std::numbers::pi * i / kCircleSamples;
        path.points.emplace_back(centre.x() + r * std::cos(t), centre.y() - r * std::sin(t));
    }
    path.closed = true;
}

// points[0], then three points (two controls and the next anchor) per segment.
void addBezier(ItemPath& path, const std::vector<QPoint>& points)
{
    if (points.empty())
        return;
    path.points.emplace_back(points[0]);
    for (std::size_t s = 0; s + 3 < points.size(); s += 3) {
        const QPointF p0 = points[s], c1 = points[s + 1], c2 = points[s + 2], p1 = points[s + 3];
        for (int k = 1; k <= kBezierPieces; ++k) {
            const double t = double(k) / kBezierPieces, u = 1 - t;
            path.points.push_back(u * u * u * p0 + 3 * u * u * t * c1 + 3 * u * t * t * c2 + t * t * t * p1);
        }
    }
}

void addShape(ItemPath& path, const ItemRecord& item)
{
    const ItemBody& b = item.body;
    std::vector<DeviceEntry> entries;
    entries.reserve(item.pointList.size());
    for (const PointEntry& p : item.pointList)
        entries.push_back({ { p.x(0), p.y(0) }, { p.x(2), p.y(2) }, { p.x(3), p.y(3) } });
    Outline outline;
    buildOutline(outline, b.kind, entries.data(), int(entries.size()), b.sides, b.shapeVariant);
    switch (outline.primitive) {
    case Outline::Primitive::Nothing:
        return;
    case Outline::Primitive::Segment:
    case Outline::Primitive::Polyline:
        path.points.assign(outline.points.begin(), outline.points.end());
        return;
    case Outline::Primitive::Polygon:
        path.points.assign(outline.points.begin(), outline.points.end());
        path.closed = true;
        return;
    case Outline::Primitive::Ellipse: {
        const EdgeBox& box = outline.box;
        addCircle(path, QPointF((box.left + box.right) / 2.0, (box.top + box.bottom) / 2.0),
            (box.right - box.left) / 2.0);
        return;
    }
    case Outline::Primitive::Bezier:
    case Outline::Primitive::FilledBezier:
        addBezier(path, outline.points);
        path.closed = b.kind != kinds::kCurve || b.shapeVariant != kinds::kOpen;
        return;
    }
}

} // namespace

double segmentDistance(QPointF a, QPointF b, QPointF p)
{
    const QPointF d = b - a;
    const double len2 = QPointF::dotProduct(d, d);
    double t = len2 > 0 ? QPointF::dotProduct(p - a, d) / len2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    const QPointF f = a + t * d;
    return std::hypot(p.x() - f.x(), p.y() - f.y());
}

ItemPath itemPath(const ItemRecord& item, const ScreenMetrics& screen)
{
    ItemPath path;
    const ItemBody& b = item.body;
    const QPoint p1(b.x1, b.y1), p2(b.x2, b.y2);
    switch (b.kind) {
    case kinds::kLine:
        path.points = { p1, p2 };
        break;
    case kinds::kText: {
        const std::array<QPointF, 4> corners = textBoxCorners(item, screen);
        path.points.assign(corners.begin(), corners.end());
        path.closed = true;
        break;
    }
    case kinds::kClip:
        if (b.clipShape == kRoundClipShape) {
            addCircle(path, p1, distanceOf(p1, p2));
        } else {
            const std::array<QPoint, 5> corners = clipRectangleOutline(p1, p2, b.clipRotation);
            path.points.assign(corners.begin(), corners.end() - 1);
            path.closed = true;
        }
        break;
    default:
        if (kinds::isShape(b.kind))
            addShape(path, item);
        break;
    }
    return path;
}
