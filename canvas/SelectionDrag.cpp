#include "canvas/SelectionDrag.h"

#include "base/Rounding.h"
#include "model/ItemKinds.h"
#include "model/ItemList.h"
#include "render/Geometry.h"
#include "render/LineStyle.h"
#include "render/ScenePainter.h"
#include "render/ShapeConstruction.h"
#include "render/TextRendering.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kDegree = kPi / 180.0;

double normalised(double a)
{
    a = std::fmod(a, 2 * kPi);
    return a < 0 ? a + 2 * kPi : a;
}

std::int32_t tenthsOf(double radians)
{
    return roundEven(normalised(radians) / kDegree * 10.0) % 3600;
}

QPoint anchor(const std::vector<PointEntry>& points, std::size_t i)
{
    return { points[i].x(0), points[i].y(0) };
}

void setAnchor(ItemRecord& item, std::size_t i, QPoint p)
{
    item.pointList[i].set(0, p.x(), p.y());
}

QPoint turned(QPoint p, QPoint pivot, double delta)
{
    return pointAt(pivot, distanceOf(pivot, p), angleOf(pivot, p) + delta);
}

bool hasEnds(std::int32_t kind)
{
    return kind == kinds::kLine || kind == kinds::kText || kind == kinds::kGroupFrame || kind == kinds::kClip;
}

void shiftItem(ItemRecord& item, QPoint d)
{
    ItemBody& b = item.body;
    b.x1 = addClamped(b.x1, d.x());
    b.y1 = addClamped(b.y1, d.y());
    b.x2 = addClamped(b.x2, d.x());
    b.y2 = addClamped(b.y2, d.y());
    for (PointEntry& p : item.pointList)
        for (int k : { 0, 2, 3 })
            p.set(k, addClamped(p.x(k), d.x()), addClamped(p.y(k), d.y()));
}

// The direction an item's preset keeps, in degrees; negative for none.
double presetOf(const ItemBody& b)
{
    if (b.kind == kinds::kLine)
        return b.direction;
    if (b.kind == kinds::kText)
        return b.presetTextAngle;
    return -1.0;
}

} // namespace

double settleAngle(double radians)
{
    const double a = normalised(radians);
    return a < kDegree || a > 2 * kPi - kDegree ? 0.0 : a;
}

void SelectionDrag::begin(ItemList& list, const HandleHit& hit, QPoint down)
{
    starts_.clear();
    frame_ = nullptr;
    for (ItemRecord& r : list) {
        const ItemBody& b = r.body;
        if (b.recordClass != kinds::kClassItem || !kinds::isDrawable(b.kind) || b.hidden || !b.selected)
            continue;
        starts_.push_back({ &r, r.body, r.pointList });
        if (b.kind == kinds::kGroupFrame) {
            frame_ = &r;
            pivot_ = QPoint(b.x1, b.y1);
        }
    }
    mode_ = hit.mode;
    code_ = hit.code;
    hit_ = hit.item;
    down_ = down;
    active_ = true;
}

PaintRect SelectionDrag::update(QPoint mouse, const ScreenMetrics& screen)
{
    PaintRect area;
    bool first = true;
    auto include = [&](const ItemRecord& r) {
        const PaintRect box = paintBox(r, screen).normalised();
        if (first)
            area = box;
        else
            area.include(box);
        first = false;
    };
    for (const Start& s : starts_)
        include(*s.item);
    const QPoint d = mouse - down_;
    for (const Start& s : starts_) {
        s.item->body = s.body;
        s.item->pointList = s.points;
        apply(s, mouse, d, screen);
        finish(*s.item, screen);
        include(*s.item);
    }
    return area;
}

void SelectionDrag::apply(const Start& s, QPoint mouse, QPoint d, const ScreenMetrics&)
{
    ItemRecord& item = *s.item;
    const std::int32_t kind = s.body.kind;
    if (mode_ == EditMode::RotateGroup) {
        if (!frame_)
            return;
        turnAbout(item, pivot_, angleOf(pivot_, mouse) - angleOf(pivot_, down_));
        return;
    }
    const bool move = code_ == handlecode::kCentre || (code_ == handlecode::kMiddle && hasEnds(kind));
    if (move) {
        shiftItem(item, d);
        return;
    }
    if (kind == kinds::kGroupFrame)
        return; // a frame follows its members only when they move
    if (code_ == handlecode::kRotate) {
        rotateItem(s, mouse);
        return;
    }
    if ((kind == kinds::kLine || kind == kinds::kText) && (code_ == 1 || code_ == 2)) {
        moveEnd(s, mouse, d);
        return;
    }
    if (kind == kinds::kCircle || kind == kinds::kEllipse) {
        resizeRound(s, mouse);
        return;
    }
    if ((kind == kinds::kPie || kind == kinds::kArc) && code_ >= 1 && code_ <= 3) {
        const std::size_t i = std::size_t(code_ - 1);
        if (i < s.points.size())
            setAnchor(item, i, anchor(s.points, i) + d);
        return;
    }
    if (code_ < 0)
        dragPoint(s, d);
    else if (code_ >= handlecode::kSideFirst && code_ <= handlecode::kSideLast)
        dragSide(s, d);
}

// A line's or text's end goes to the mouse (the held item) or by the
// mouse's offset (the others); a preset direction holds, and an end that
// would turn the line round stays where it was.
void SelectionDrag::moveEnd(const Start& s, QPoint mouse, QPoint d)
{
    ItemBody& b = s.item->body;
    const bool firstEnd = code_ == 1;
    const QPoint other = firstEnd ? QPoint(s.body.x2, s.body.y2) : QPoint(s.body.x1, s.body.y1);
    QPoint end = s.item == hit_ ? mouse : (firstEnd ? QPoint(s.body.x1, s.body.y1) : QPoint(s.body.x2, s.body.y2)) + d;
    const double preset = presetOf(s.body);
    if (preset >= 0) {
        constrainToDirection(other, end, preset);
        const QPoint p1 = firstEnd ? end : other, p2 = firstEnd ? other : end;
        const int degrees = roundEven(angleOf(p1, p2) / kDegree) % 360;
        if (p1 == p2 || degrees != roundEven(preset) % 360)
            return;
    }
    if (firstEnd) {
        b.x1 = end.x();
        b.y1 = end.y();
    } else {
        b.x2 = end.x();
        b.y2 = end.y();
    }
    if (b.kind == kinds::kText && preset < 0 && (b.x1 != b.x2 || b.y1 != b.y2))
        b.textAngle = tenthsOf(angleOf({ b.x1, b.y1 }, { b.x2, b.y2 }));
}

void SelectionDrag::rotateItem(const Start& s, QPoint mouse)
{
    ItemRecord& item = *s.item;
    ItemBody& b = item.body;
    const QPoint centre = itemCentre(item);
    const double delta = angleOf(centre, mouse) - angleOf(centre, down_);
    if (b.kind == kinds::kLine || b.kind == kinds::kText) {
        double angle = settleAngle(
            (b.kind == kinds::kText ? s.body.textAngle / 10.0 * kDegree : angleOf({ b.x1, b.y1 }, { b.x2, b.y2 }))
            + delta);
        if (b.kind == kinds::kText) {
            b.textAngle = tenthsOf(angle);
            angle = b.textAngle / 10.0 * kDegree;
        }
        // Round the midpoint, keeping the length.
        const double mx = (double(s.body.x1) + s.body.x2) / 2.0, my = (double(s.body.y1) + s.body.y2) / 2.0;
        const double half = distanceOf({ s.body.x1, s.body.y1 }, { s.body.x2, s.body.y2 }) / 2.0;
        const double cx = half * std::cos(angle), cy = -half * std::sin(angle);
        b.x1 = roundEven(mx - cx);
        b.y1 = roundEven(my - cy);
        b.x2 = roundEven(mx + cx);
        b.y2 = roundEven(my + cy);
        return;
    }
    const double start = itemAngle(item);
    turnAbout(item, centre, settleAngle(start + delta) - start);
}

void SelectionDrag::turnAbout(ItemRecord& item, QPoint pivot, double delta)
{
    ItemBody& b = item.body;
    if (hasEnds(b.kind)) {
        const QPoint p1 = turned({ b.x1, b.y1 }, pivot, delta), p2 = turned({ b.x2, b.y2 }, pivot, delta);
        b.x1 = p1.x();
        b.y1 = p1.y();
        b.x2 = p2.x();
        b.y2 = p2.y();
        if (b.kind == kinds::kText)
            b.textAngle = tenthsOf(b.textAngle / 10.0 * kDegree + delta);
        if (b.kind == kinds::kGroupFrame)
            b.lineAngle = normalised(b.lineAngle + delta);
        if (b.kind == kinds::kClip)
            b.clipRotation = normalised(b.clipRotation + delta);
        return;
    }
    for (PointEntry& p : item.pointList)
        for (int k : { 0, 2, 3 }) {
            const QPoint q = turned({ p.x(k), p.y(k) }, pivot, delta);
            p.set(k, q.x(), q.y());
        }
}

void SelectionDrag::dragPoint(const Start& s, QPoint d)
{
    ItemRecord& item = *s.item;
    const std::size_t i = std::size_t(handlecode::pointIndex(code_));
    if (i >= s.points.size())
        return;
    const QPoint dragged = anchor(s.points, i) + d;
    const bool fourSided = s.points.size() == 4
        && (s.body.kind == kinds::kSquare || s.body.kind == kinds::kRectangle);
    if (!fourSided) {
        setAnchor(item, i, dragged);
        return;
    }
    const std::size_t o = (i + 2) % 4, n1 = (o + 1) % 4, n2 = (o + 3) % 4;
    const QPointF origin = anchor(s.points, o);
    const QPointF to = QPointF(dragged) - origin;
    setAnchor(item, i, dragged);
    if (s.body.kind == kinds::kSquare) {
        // The square on the new diagonal, its corners on the sides they were.
        const QPoint po = anchor(s.points, o);
        const double t = angleOf(po, dragged), len = distanceOf(po, dragged) / std::sqrt(2.0);
        const QPoint left = pointAt(po, len, t + kPi / 4), right = pointAt(po, len, t - kPi / 4);
        const QPointF oldDiagonal = QPointF(anchor(s.points, i)) - origin;
        const QPointF oldN1 = QPointF(anchor(s.points, n1)) - origin;
        const QPointF leftOffset = QPointF(left) - origin;
        const double oldSide = oldDiagonal.x() * oldN1.y() - oldDiagonal.y() * oldN1.x();
        const double leftSide = to.x() * leftOffset.y() - to.y() * leftOffset.x();
        const bool n1Left = (oldSide < 0) == (leftSide < 0);
        setAnchor(item, n1, n1Left ? left : right);
        setAnchor(item, n2, n1Left ? right : left);
        return;
    }
    // A rectangle keeps the directions of its sides from the fixed corner.
    for (std::size_t n : { n1, n2 }) {
        const QPointF side = QPointF(anchor(s.points, n)) - origin;
        const double len2 = QPointF::dotProduct(side, side);
        if (len2 <= 0)
            continue;
        const QPointF p = origin + side * (QPointF::dotProduct(to, side) / len2);
        setAnchor(item, n, { roundEven(p.x()), roundEven(p.y()) });
    }
}

void SelectionDrag::dragSide(const Start& s, QPoint d)
{
    if (s.points.size() != 4)
        return;
    const std::size_t i = std::size_t(code_ - handlecode::kSideFirst), j = (i + 1) % 4;
    const QPointF e = QPointF(anchor(s.points, j) - anchor(s.points, i));
    const double len = std::hypot(e.x(), e.y());
    if (len <= 0)
        return;
    const QPointF normal(-e.y() / len, e.x() / len);
    const double along = QPointF::dotProduct(QPointF(d), normal);
    const QPoint offset(roundEven(along * normal.x()), roundEven(along * normal.y()));
    setAnchor(*s.item, i, anchor(s.points, i) + offset);
    setAnchor(*s.item, j, anchor(s.points, j) + offset);
    if (s.body.kind == kinds::kSquare && !offset.isNull())
        s.item->body.kind = kinds::kRectangle;
}

// Circles and ellipses change by what the held one changes: its radius or
// half-axis becomes the distance from its centre to the mouse.
void SelectionDrag::resizeRound(const Start& s, QPoint mouse)
{
    const Start* held = nullptr;
    for (const Start& h : starts_)
        if (h.item == hit_)
            held = &h;
    if (!held || held->points.size() < 2 || s.points.size() < 2 || held->body.kind != s.body.kind)
        return;
    const bool width = s.body.kind == kinds::kEllipse && code_ == 2;
    if (width && (held->points.size() < 3 || s.points.size() < 3))
        return;
    auto size = [&](const Start& x) {
        const QPoint c = anchor(x.points, 0), p2 = anchor(x.points, 1);
        if (!width)
            return distanceOf(c, p2);
        const QPoint p3 = anchor(x.points, 2);
        return distanceOf(p3, footOf(c, p2, p3).point);
    };
    const double change = distanceOf(anchor(held->points, 0), mouse) - size(*held);
    const double value = std::max(0.0, size(s) + change);
    const QPoint c = anchor(s.points, 0);
    const double axis = angleOf(c, anchor(s.points, 1));
    if (width)
        setAnchor(*s.item, 2, pointAt(c, value, axis + kPi / 2));
    else
        setAnchor(*s.item, 1, pointAt(c, value, axis));
}

void SelectionDrag::finish(ItemRecord& item, const ScreenMetrics& screen)
{
    const std::int32_t kind = item.body.kind;
    if (kinds::isShape(kind)) {
        if (kind == kinds::kCurve)
            placeControlPoints(item);
        shapeBox(item, screen);
        return;
    }
    syncRealCoordinates(&item, screen);
    if (kind == kinds::kText)
        textBox(item, screen);
    else
        syncExtentFields(&item);
}
