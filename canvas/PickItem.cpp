#include "canvas/PickItem.h"

#include "base/Rounding.h"
#include "base/ScreenMetrics.h"
#include "canvas/ItemPath.h"
#include "model/ItemKinds.h"
#include "model/ItemRecord.h"
#include "model/SelectionSummary.h"
#include "render/Geometry.h"
#include "render/LineStyle.h"
#include "render/ShapeOutline.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr std::int32_t kRoundClipShape = 2;

bool isPickable(const ItemRecord& r)
{
    const ItemBody& b = r.body;
    return b.recordClass == kinds::kClassItem && kinds::isDrawnItem(b.kind) && !b.hidden && !b.inProgress;
}

QPoint anchor(const ItemRecord& item, std::size_t index)
{
    return { item.pointList[index].x(0), item.pointList[index].y(0) };
}

std::optional<double> footDistance(QPoint a, QPoint b, QPoint click)
{
    const Foot f = footOf(a, b, click);
    if (!f.withinSegment)
        return std::nullopt;
    return distanceOf(click, f.point);
}

// Lines, texts and straight-sided shapes: half the weight comes off once it
// is more than a pixel, and a hit on the stroke still counts 1.
double lessHalfWeight(double d, const ItemRecord& item, const ScreenMetrics& screen)
{
    const double half = item.body.lineWeight * screen.pixelsPerMmX() / 2.0;
    if (half > 1.0)
        d -= half;
    return std::max(d, 1.0);
}

double halfPen(const ItemRecord& item, double zoom, const ScreenMetrics& screen)
{
    return weightToPixels(zoom, item.body.lineWeight, screen) / 2.0;
}

std::optional<double> minOpt(std::optional<double> a, std::optional<double> b)
{
    if (!a)
        return b;
    if (!b)
        return a;
    return std::min(*a, *b);
}

std::optional<double> sidesDistance(const ItemRecord& item, QPoint click)
{
    const ItemBody& b = item.body;
    std::vector<DeviceEntry> entries;
    for (const PointEntry& p : item.pointList)
        entries.push_back({ { p.x(0), p.y(0) }, { p.x(2), p.y(2) }, { p.x(3), p.y(3) } });
    Outline outline;
    buildOutline(outline, b.kind, entries.data(), int(entries.size()), b.sides, b.shapeVariant);
    const std::vector<QPoint>& v = outline.points;
    if (v.size() < 2)
        return std::nullopt;
    std::optional<double> best;
    for (std::size_t i = 0; i + 1 < v.size(); ++i)
        best = minOpt(best, footDistance(v[i], v[i + 1], click));
    const bool closed = b.kind == kinds::kSpline ? b.shapeVariant != kinds::kOpen : true;
    if (closed && v.front() != v.back())
        best = minOpt(best, footDistance(v.back(), v.front(), click));
    return best;
}

std::optional<double> pathDistance(const ItemPath& path, QPoint click)
{
    const std::vector<QPointF>& p = path.points;
    if (p.size() < 2)
        return std::nullopt;
    double best = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i + 1 < p.size(); ++i)
        best = std::min(best, segmentDistance(p[i], p[i + 1], click));
    if (path.closed)
        best = std::min(best, segmentDistance(p.back(), p.front(), click));
    return best;
}

double ellipseDistance(QPoint p1, QPoint p2, QPoint p3, QPoint click)
{
    const double a = distanceOf(p1, p2);
    const Foot f = footOf(p1, p2, p3);
    const double b = distanceOf(p3, f.point);
    if (roundEven(a) == roundEven(b))
        return double(roundEven(distanceOf(p1, click)) - roundEven(a));
    const double m = std::max(a, b), n = std::min(a, b);
    const double c = std::sqrt(m * m - n * n);
    const double t = a > b ? angleOf(p1, p2) : angleOf(f.point, p3);
    const QPoint offset(roundEven(c * std::cos(t)), -roundEven(c * std::sin(t)));
    const double sum = distanceOf(click, p1 + offset) + distanceOf(click, p1 - offset);
    return double(roundEven((2 * m - sum) * (2 * m - sum)));
}

std::optional<double> arcDistance(const ItemRecord& item, QPoint click, double zoom, const ScreenMetrics& screen)
{
    const QPoint c = anchor(item, 0), start = anchor(item, 1), end = anchor(item, 2);
    const double r = distanceOf(c, start);
    std::vector<QPoint> samples;
    sampleArc(samples, c, start, end, r);
    std::optional<double> best;
    for (std::size_t i = 1; i + 1 < samples.size(); ++i)
        best = minOpt(best, distanceOf(click, samples[i]));
    // A pie's radii are the drawn ones: to the start and to the arc's end.
    if (item.body.kind == kinds::kPie && !samples.empty()) {
        best = minOpt(best, footDistance(c, start, click));
        best = minOpt(best, footDistance(c, samples.back(), click));
    }
    if (!best)
        return std::nullopt;
    const int pen = weightToPixels(zoom, item.body.lineWeight, screen);
    return std::max(*best - pen / 2, 0.0);
}

std::optional<double> shapeDistance(const ItemRecord& item, QPoint click, double zoom, const ScreenMetrics& screen)
{
    const ItemBody& b = item.body;
    const std::size_t n = item.pointList.size();
    switch (b.kind) {
    case kinds::kCircle: {
        if (n < 2)
            return std::nullopt;
        const double d = std::abs(distanceOf(anchor(item, 0), click) - distanceOf(anchor(item, 0), anchor(item, 1)));
        return std::max(d - halfPen(item, zoom, screen), 0.0);
    }
    case kinds::kEllipse:
        if (n < 3)
            return std::nullopt;
        return std::max(
            ellipseDistance(anchor(item, 0), anchor(item, 1), anchor(item, 2), click) - halfPen(item, zoom, screen),
            0.0);
    case kinds::kPie:
    case kinds::kArc:
        return n < 3 ? std::nullopt : arcDistance(item, click, zoom, screen);
    case kinds::kCurve: {
        const std::optional<double> d = pathDistance(itemPath(item, screen), click);
        return d ? std::optional(lessHalfWeight(*d, item, screen)) : std::nullopt;
    }
    default: {
        const std::optional<double> d = sidesDistance(item, click);
        return d ? std::optional(lessHalfWeight(*d, item, screen)) : std::nullopt;
    }
    }
}

bool insidePolygon(const std::vector<QPointF>& poly, QPointF p)
{
    bool inside = false;
    for (std::size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
        const QPointF a = poly[i], b = poly[j];
        if ((a.y() > p.y()) != (b.y() > p.y())
            && p.x() < (b.x() - a.x()) * (p.y() - a.y()) / (b.y() - a.y()) + a.x())
            inside = !inside;
    }
    return inside;
}

// Whether any piece of the path reaches into the rectangle.
bool pathMeets(const ItemPath& path, const QRectF& area)
{
    const std::vector<QPointF>& p = path.points;
    const std::size_t pieces = path.closed ? p.size() : p.size() - 1;
    for (std::size_t i = 0; i < pieces; ++i) {
        const QPointF a = p[i], b = p[(i + 1) % p.size()];
        double from = 0.0, to = 1.0;
        if (clipToRect(a, b.x() - a.x(), b.y() - a.y(), area, from, to))
            return true;
    }
    // A closed outline round the whole rectangle still has a part in it.
    return path.closed && insidePolygon(p, area.center());
}

} // namespace

std::optional<double> itemDistance(const ItemRecord& item, QPoint click, double zoom, const ScreenMetrics& screen)
{
    const ItemBody& b = item.body;
    const QPoint p1(b.x1, b.y1), p2(b.x2, b.y2);
    switch (b.kind) {
    case kinds::kLine: {
        const std::optional<double> d = footDistance(p1, p2, click);
        return d ? std::optional(lessHalfWeight(*d, item, screen)) : std::nullopt;
    }
    case kinds::kText: {
        const ItemPath box = itemPath(item, screen);
        if (insidePolygon(box.points, click))
            return 1.0;
        const std::optional<double> d = footDistance(p1, p2, click);
        return d ? std::optional(lessHalfWeight(*d, item, screen)) : std::nullopt;
    }
    case kinds::kClip:
        if (b.clipShape == kRoundClipShape)
            return std::abs(distanceOf(p1, click) - distanceOf(p1, p2));
        return pathDistance(itemPath(item, screen), click);
    default:
        if (kinds::isShape(b.kind))
            return shapeDistance(item, click, zoom, screen);
        return std::nullopt;
    }
}

void setSelectedWithGroup(ItemList& list, ItemRecord& item, bool selected)
{
    const std::uint8_t value = selected ? 255 : 0;
    item.body.selected = value;
    const std::int32_t group = item.body.groupId;
    if (group <= 0)
        return;
    for (ItemRecord& r : list)
        if (r.body.recordClass == kinds::kClassItem && !r.body.hidden && r.body.groupId == group
            && kinds::isDrawable(r.body.kind))
            r.body.selected = value;
}

ItemRecord* pickItem(ItemList& list, QPoint click, bool shift, double zoom, const ScreenMetrics& screen)
{
    ItemRecord* best = nullptr;
    double bestDistance = 0.0;
    for (ItemRecord& r : list) {
        if (!isPickable(r))
            continue;
        const std::optional<double> d = itemDistance(r, click, zoom, screen);
        if (!d || *d > kPickLimit)
            continue;
        if (!best || *d < bestDistance || (*d == bestDistance && r.body.zOrder > best->body.zOrder)) {
            best = &r;
            bestDistance = *d;
        }
    }
    if (shift) {
        if (best)
            setSelectedWithGroup(list, *best, !best->body.selected);
        return best;
    }
    for (ItemRecord& r : list)
        if (r.body.recordClass == kinds::kClassItem)
            r.body.selected = 0;
    if (best)
        setSelectedWithGroup(list, *best, true);
    return best;
}

int selectInRect(ItemList& list, const QRect& area, bool partial, const ScreenMetrics& screen)
{
    const QRectF box(QPointF(area.left(), area.top()), QPointF(area.right(), area.bottom()));
    for (ItemRecord& r : list)
        if (r.body.recordClass == kinds::kClassItem)
            r.body.selected = 0;
    for (ItemRecord& r : list) {
        if (!isPickable(r))
            continue;
        const ItemPath path = itemPath(r, screen);
        if (path.points.empty())
            continue;
        const bool whole = std::all_of(path.points.begin(), path.points.end(), [&](QPointF p) {
            return p.x() >= box.left() && p.x() <= box.right() && p.y() >= box.top() && p.y() <= box.bottom();
        });
        if (whole || (partial && pathMeets(path, box)))
            r.body.selected = 255;
    }
    int count = 0;
    for (ItemRecord& r : list)
        if (isPickable(r) && r.body.selected && r.body.groupId > 0)
            setSelectedWithGroup(list, r, true);
    for (ItemRecord& r : list)
        if (isPickable(r) && r.body.selected)
            ++count;
    return count;
}

Page selectionPage(const ItemList& list)
{
    const ItemRecord* first = nullptr;
    for (const ItemRecord& r : list)
        if (isPickable(r) && r.body.selected) {
            first = &r;
            break;
        }
    if (!first)
        return Page::Select;
    if (!sameKindSelection(list))
        return Page::Mixed;
    const bool filled = first->body.shapeVariant == kinds::kSolid;
    switch (first->body.kind) {
    case kinds::kText:
        return Page::TextProperties;
    case kinds::kLine:
        return Page::LineProperties;
    case kinds::kTriangle:
        return Page::TriangleProperties;
    case kinds::kSquare:
        return Page::SquareProperties;
    case kinds::kRectangle:
        return Page::RectangleProperties;
    case kinds::kCircle:
        return Page::CircleProperties;
    case kinds::kEllipse:
        return Page::EllipseProperties;
    case kinds::kPolygon:
        return Page::PolygonProperties;
    case kinds::kStar:
        return Page::StarProperties;
    case kinds::kPie:
        return Page::PieProperties;
    case kinds::kArc:
        return Page::ArcProperties;
    case kinds::kSpline:
        return filled ? Page::SolidProperties : Page::SplineProperties;
    case kinds::kCurve:
        return filled ? Page::OblongProperties : Page::CurveProperties;
    case kinds::kClip:
        return Page::ClipProperties;
    default:
        return Page::Mixed;
    }
}
