#include "canvas/Handles.h"

#include "base/Rounding.h"
#include "model/ItemKinds.h"
#include "model/ItemRecord.h"
#include "model/SelectionSummary.h"
#include "render/Geometry.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kQuarter = std::numbers::pi / 2;

QPoint anchor(const ItemRecord& item, int index)
{
    const PointEntry& p = item.pointList[static_cast<std::size_t>(index)];
    return { p.x(0), p.y(0) };
}

QPoint midpoint(QPoint a, QPoint b)
{
    return { roundEven((double(a.x()) + b.x()) / 2.0), roundEven((double(a.y()) + b.y()) / 2.0) };
}

bool isShownItem(const ItemRecord& r)
{
    const ItemBody& b = r.body;
    return b.recordClass == kinds::kClassItem && kinds::isDrawable(b.kind) && !b.hidden && !b.inProgress;
}

double referenceAngle(const ItemRecord& item, QPoint centre)
{
    const ItemBody& b = item.body;
    switch (b.kind) {
    case kinds::kText:
    case kinds::kLine:
    case kinds::kGroupFrame:
        return angleOf({ b.x1, b.y1 }, { b.x2, b.y2 });
    default:
        break;
    }
    const std::size_t n = item.pointList.size();
    if (n == 0)
        return 0.0;
    if (b.kind == kinds::kSquare || b.kind == kinds::kRectangle)
        return n >= 2 ? angleOf(anchor(item, 0), anchor(item, 1)) : 0.0;
    // Shapes whose first point is their centre measure to the second point.
    const bool centred = b.kind == kinds::kPolygon || b.kind == kinds::kStar || b.kind == kinds::kCircle
        || b.kind == kinds::kEllipse || b.kind == kinds::kPie || b.kind == kinds::kArc;
    if (centred)
        return n >= 2 ? angleOf(anchor(item, 0), anchor(item, 1)) : 0.0;
    return angleOf(centre, anchor(item, 0));
}

void addPointHandles(std::vector<Handle>& out, const ItemRecord& item, const DeviceMapping& view)
{
    const ItemBody& b = item.body;
    const int n = static_cast<int>(item.pointList.size());
    auto screen = [&](QPoint p) { return view.map(p.x(), p.y()); };
    switch (b.kind) {
    case kinds::kCircle: {
        if (n < 2)
            return;
        const QPoint c = screen(anchor(item, 0));
        const int r = roundEven(distanceOf(c, screen(anchor(item, 1))));
        out.push_back({ 1, c + QPoint(r, 0) });
        out.push_back({ 2, c + QPoint(0, -r) });
        out.push_back({ 3, c + QPoint(-r, 0) });
        out.push_back({ 4, c + QPoint(0, r) });
        return;
    }
    case kinds::kEllipse: {
        if (n < 3)
            return;
        const QPoint c = screen(anchor(item, 0));
        const QPoint p2 = screen(anchor(item, 1));
        const QPoint p3 = screen(anchor(item, 2));
        const double t = angleOf(c, p2);
        const double a = distanceOf(c, p2);
        const double w = distanceOf(p3, footOf(c, p2, p3).point);
        out.push_back({ 1, p2 });
        out.push_back({ 2, pointAt(c, w, t + kQuarter) });
        out.push_back({ 3, pointAt(c, a, t + std::numbers::pi) });
        out.push_back({ 4, pointAt(c, w, t - kQuarter) });
        return;
    }
    case kinds::kPie:
    case kinds::kArc: {
        if (n < 3)
            return;
        const QPoint c = screen(anchor(item, 0));
        const QPoint start = screen(anchor(item, 1));
        out.push_back({ 1, c });
        out.push_back({ 2, start });
        out.push_back({ 3, pointAt(c, distanceOf(c, start), angleOf(c, screen(anchor(item, 2)))) });
        return;
    }
    default:
        break;
    }
    // Polygons and stars keep their centre first; it is the centre handle.
    const int from = b.kind == kinds::kPolygon || b.kind == kinds::kStar ? 1 : 0;
    for (int i = from; i < n; ++i)
        out.push_back({ handlecode::pointCode(i), screen(anchor(item, i)) });
    const bool fourSided = (b.kind == kinds::kSquare || b.kind == kinds::kRectangle) && n == 4;
    if (fourSided && anchor(item, 0).y() == anchor(item, 1).y())
        for (int i = 0; i < 4; ++i)
            out.push_back({ handlecode::kSideFirst + i, screen(midpoint(anchor(item, i), anchor(item, (i + 1) % 4))) });
}

} // namespace

double itemAngle(const ItemRecord& item)
{
    return referenceAngle(item, itemCentre(item));
}

QRect handleRect(const Handle& handle, const HandleStyle& style)
{
    const int left = handle.at.x() - style.width / 2;
    const int top = handle.at.y() - style.height / 2;
    const int right = handle.at.x() + style.width / 2 + 1;
    const int bottom = handle.at.y() + style.height / 2 + 1;
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

QPoint itemCentre(const ItemRecord& item)
{
    const ItemBody& b = item.body;
    if (b.kind == kinds::kText || b.kind == kinds::kLine)
        return midpoint({ b.x1, b.y1 }, { b.x2, b.y2 });
    if (b.kind == kinds::kGroupFrame)
        return { b.x1, b.y1 };
    const std::size_t n = item.pointList.size();
    if (n == 0)
        return { b.x1, b.y1 };
    switch (b.kind) {
    case kinds::kSquare:
    case kinds::kRectangle:
        return n >= 3 ? midpoint(anchor(item, 0), anchor(item, 2)) : anchor(item, 0);
    case kinds::kPolygon:
    case kinds::kStar:
    case kinds::kCircle:
    case kinds::kEllipse:
    case kinds::kPie:
    case kinds::kArc:
        return anchor(item, 0);
    default:
        break;
    }
    // The triangle's centroid and the mean of a spline's or curve's points.
    double sx = 0, sy = 0;
    for (const PointEntry& p : item.pointList) {
        sx += p.x(0);
        sy += p.y(0);
    }
    return { roundEven(sx / double(n)), roundEven(sy / double(n)) };
}

std::vector<Handle> itemHandles(const ItemRecord& item, bool single, const DeviceMapping& view, const HandleStyle& style)
{
    std::vector<Handle> out;
    const ItemBody& b = item.body;
    const QPoint p1 = view.map(b.x1, b.y1);
    const QPoint p2 = view.map(b.x2, b.y2);
    if (b.kind == kinds::kGroupFrame) {
        out.push_back({ handlecode::kMiddle, p1 });
        out.push_back({ handlecode::kGroupRotate, pointAt(p1, style.dotDistance, b.lineAngle + kQuarter) });
        return out;
    }
    if (b.kind == kinds::kClip)
        return out; // clips get their corner and side handles with their scaling
    const bool ends = b.kind == kinds::kText || b.kind == kinds::kLine;
    if (ends) {
        out.push_back({ handlecode::kFirst, p1 });
        out.push_back({ handlecode::kSecond, p2 });
        out.push_back({ handlecode::kMiddle, midpoint(p1, p2) });
    } else {
        addPointHandles(out, item, view);
    }
    if (!single)
        return out;
    // A preset direction or angle keeps the item from turning.
    if ((b.kind == kinds::kLine && b.direction >= 0) || (b.kind == kinds::kText && b.presetTextAngle >= 0))
        return out;
    const QPoint centre = itemCentre(item);
    const QPoint c = view.map(centre.x(), centre.y());
    if (!ends)
        out.push_back({ handlecode::kCentre, c });
    out.push_back({ handlecode::kRotate, pointAt(c, style.dotDistance, referenceAngle(item, centre) + kQuarter) });
    return out;
}

bool singleSelection(const ItemList& list)
{
    int count = 0;
    for (const ItemRecord& r : list)
        if (isShownItem(r) && r.body.selected && r.body.kind != kinds::kGroupFrame && ++count > 1)
            return false;
    return count == 1;
}

std::optional<HandleHit> hitHandle(const ItemList& list, QPoint at, const DeviceMapping& view, const HandleStyle& style)
{
    const bool single = singleSelection(list);
    for (ItemRecord& r : list) {
        if (!isShownItem(r) || !r.body.selected)
            continue;
        for (const Handle& h : itemHandles(r, single, view, style)) {
            if (!handleRect(h, style).contains(at))
                continue;
            HandleHit hit { &r, h.code, EditMode::DragItem };
            switch (r.body.kind) {
            case kinds::kText:
                hit.mode = EditMode::DragText;
                break;
            case kinds::kLine:
                hit.mode = EditMode::DragLine;
                break;
            case kinds::kClip:
                hit.mode = EditMode::DragClip;
                break;
            case kinds::kCircle:
                hit.mode = EditMode::DragCircle;
                if (h.code >= 1 && h.code <= 4)
                    hit.code = 1;
                break;
            case kinds::kEllipse:
                hit.mode = EditMode::DragEllipse;
                if (h.code >= 1 && h.code <= 4)
                    hit.code = h.code % 2 == 1 ? 1 : 2;
                break;
            case kinds::kGroupFrame:
                hit.mode = h.code == handlecode::kGroupRotate ? EditMode::RotateGroup : EditMode::DragItem;
                break;
            default:
                break;
            }
            return hit;
        }
    }
    return std::nullopt;
}

HandleHit dragFor(const ItemList& list, HandleHit hit)
{
    if (hit.mode == EditMode::RotateGroup) {
        int frames = 0;
        bool allGrouped = true;
        for (const ItemRecord& r : list) {
            if (!isShownItem(r) || !r.body.selected)
                continue;
            if (r.body.kind == kinds::kGroupFrame)
                ++frames;
            if (r.body.groupId <= 0)
                allGrouped = false;
        }
        if (allGrouped && frames == 1)
            return hit;
        return { hit.item, handlecode::kCentre, EditMode::DragItem };
    }
    if (!sameKindSelection(list))
        hit.code = handlecode::kCentre;
    return hit;
}
