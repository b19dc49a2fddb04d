#include "render/ClippedOutline.h"

#include "model/ItemKinds.h"
#include "platform/DrawSurface.h"
#include "render/Geometry.h"
#include "render/ShapeOutline.h"

#include <QPointF>
#include <QRectF>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace {

// More points than this do not go to the platform as one figure: its
// rasteriser slows down with the edges it must sort.
constexpr std::size_t kPieceSize = 4096;
// How far a flattened curve may stray from the true one, in pixels.
constexpr double kFlatness = 0.2;
constexpr int kMaxSplits = 40;

QRectF edgesOf(const QRect& area)
{
    return QRectF(area.left(), area.top(), area.width(), area.height());
}

// Cuts a polygon to a rectangle, one side at a time (Sutherland-Hodgman).
// Inside the rectangle the result fills exactly the pixels the polygon fills;
// its new edges run along the rectangle's sides.
void clipPolygon(std::vector<QPointF>& polygon, const QRectF& r)
{
    thread_local std::vector<QPointF> next;
    struct Side {
        bool vertical;
        double at;
        bool keepAbove;
    };
    const Side sides[4] = { { true, r.left(), true }, { true, r.right(), false }, { false, r.top(), true },
        { false, r.bottom(), false } };
    for (const Side& side : sides) {
        if (polygon.empty())
            return;
        next.clear();
        const auto inside = [&](QPointF p) {
            const double v = side.vertical ? p.x() : p.y();
            return side.keepAbove ? v >= side.at : v <= side.at;
        };
        const auto cross = [&](QPointF a, QPointF b) {
            if (side.vertical) {
                const double f = (side.at - a.x()) / (b.x() - a.x());
                return QPointF(side.at, a.y() + f * (b.y() - a.y()));
            }
            const double f = (side.at - a.y()) / (b.y() - a.y());
            return QPointF(a.x() + f * (b.x() - a.x()), side.at);
        };
        QPointF prev = polygon.back();
        bool prevIn = inside(prev);
        for (QPointF cur : polygon) {
            const bool curIn = inside(cur);
            if (curIn != prevIn)
                next.push_back(cross(prev, cur));
            if (curIn)
                next.push_back(cur);
            prev = cur;
            prevIn = curIn;
        }
        polygon.swap(next);
    }
}

// The part of the segment a -> b inside r; false when none. cutStart and
// cutEnd tell whether an end was moved.
bool clipSegment(QPointF& a, QPointF& b, const QRectF& r, bool& cutStart, bool& cutEnd)
{
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    double from = 0, to = 1;
    if (!clipToRect(a, dx, dy, r, from, to))
        return false;
    cutStart = from > 0;
    cutEnd = to < 1;
    const QPointF start = a;
    if (cutStart)
        a = QPointF(start.x() + from * dx, start.y() + from * dy);
    if (cutEnd)
        b = QPointF(start.x() + to * dx, start.y() + to * dy);
    return true;
}

bool thinPen(const DrawPen& pen)
{
    return pen.style == DrawPen::Style::Dotted || (pen.style == DrawPen::Style::Solid && pen.width <= 1);
}

// Collects the visible parts of a figure as runs of joined segments and
// strokes them with the surface's pen all at once. Segments of wide pens are
// cut to r; a run ends where the figure leaves it, so its cut ends lie
// outside the pixels that show. Thin pens take whole segments, which they
// draw pixel by pixel within the target anyway.
class ClippedStroke {
public:
    ClippedStroke(DrawSurface& surface, const QRectF& r)
        : surface_(surface)
        , rect_(r)
        , cut_(!thinPen(surface.pen()))
    {
    }
    ~ClippedStroke()
    {
        endRun();
        surface_.strokePolylines(points_.data(), ends_.data(), int(ends_.size()));
    }
    ClippedStroke(const ClippedStroke&) = delete;
    ClippedStroke& operator=(const ClippedStroke&) = delete;

    void segment(QPointF a, QPointF b)
    {
        bool cutStart = false, cutEnd = false;
        if (cut_ && !clipSegment(a, b, rect_, cutStart, cutEnd)) {
            endRun();
            return;
        }
        if (cutStart || runStart_ == points_.size() || points_.back() != a) {
            endRun();
            points_.push_back(a);
        }
        points_.push_back(b);
        if (cutEnd)
            endRun();
    }

    void endRun()
    {
        if (points_.size() - runStart_ >= 2)
            ends_.push_back(int(points_.size()));
        else
            points_.resize(runStart_);
        runStart_ = points_.size();
    }

private:
    DrawSurface& surface_;
    QRectF rect_;
    bool cut_;
    std::vector<QPointF> points_;
    std::vector<int> ends_;
    std::size_t runStart_ = 0;
};

// Fills the polygon cut to the area with the selected brush.
void fillClipped(DrawSurface& surface, std::vector<QPointF>& polygon, const QRect& area)
{
    if (!surface.brush().solid)
        return;
    const QRectF r = edgesOf(area);
    if (!std::all_of(polygon.begin(), polygon.end(), [&](QPointF p) { return r.contains(p); }))
        clipPolygon(polygon, r);
    surface.fillPolygon(polygon.data(), int(polygon.size()));
}

// Visits the flattened points of a cubic after `a`; pieces whose control
// points all lie outside the area are not split but passed on as their chord,
// flagged as out of sight.
template <typename Visit>
void flattenCubic(QPointF a, QPointF c1, QPointF c2, QPointF b, const QRectF& r, int depth, Visit& visit)
{
    const double left = std::min({ a.x(), c1.x(), c2.x(), b.x() }),
                 right = std::max({ a.x(), c1.x(), c2.x(), b.x() });
    const double top = std::min({ a.y(), c1.y(), c2.y(), b.y() }),
                 bottom = std::max({ a.y(), c1.y(), c2.y(), b.y() });
    if (right < r.left() || left > r.right() || bottom < r.top() || top > r.bottom()) {
        visit(b, false);
        return;
    }
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double lengthSquared = dx * dx + dy * dy;
    // Squared distances of the controls from the chord, times its squared length.
    const auto near = [&](QPointF p) {
        const double px = p.x() - a.x(), py = p.y() - a.y();
        if (lengthSquared == 0)
            return px * px + py * py <= kFlatness * kFlatness;
        const double cross = px * dy - py * dx;
        return cross * cross <= kFlatness * kFlatness * lengthSquared;
    };
    if (depth >= kMaxSplits || (near(c1) && near(c2))) {
        visit(b, true);
        return;
    }
    const QPointF ab = (a + c1) / 2, bc = (c1 + c2) / 2, cd = (c2 + b) / 2;
    const QPointF abc = (ab + bc) / 2, bcd = (bc + cd) / 2, mid = (abc + bcd) / 2;
    flattenCubic(a, ab, abc, mid, r, depth + 1, visit);
    flattenCubic(mid, bcd, cd, b, r, depth + 1, visit);
}

// Collects a flattened chain, leaving out points that lie within the
// flatness of the straight piece that replaces them: a long smooth curve
// flattens to far fewer pieces than it has segments. Each new point must lie
// in the cone of directions from the last kept point that passes within the
// flatness of every point left out since.
class Chain {
public:
    Chain(std::vector<QPointF>& points, std::vector<std::uint8_t>& seen, QPointF first)
        : points_(points)
        , seen_(seen)
    {
        keep(first, false);
    }

    void add(QPointF p, bool visible)
    {
        if (!visible) {
            finish();
            keep(p, false);
            return;
        }
        if (pending_ && fits(p)) {
            last_ = p;
            return;
        }
        finish();
        open(p);
    }

    void finish()
    {
        if (pending_)
            keep(last_, true);
        pending_ = false;
    }

private:
    void keep(QPointF p, bool visible)
    {
        points_.push_back(p);
        seen_.push_back(visible);
        anchor_ = p;
    }

    // Starts a piece from the anchor towards p.
    void open(QPointF p)
    {
        pending_ = true;
        last_ = p;
        const double dx = p.x() - anchor_.x(), dy = p.y() - anchor_.y(), d = std::hypot(dx, dy);
        base_ = std::atan2(dy, dx);
        const double w = d > kFlatness ? std::asin(kFlatness / d) : std::numbers::pi;
        low_ = -w;
        high_ = w;
    }

    bool fits(QPointF p)
    {
        const double dx = p.x() - anchor_.x(), dy = p.y() - anchor_.y(), d = std::hypot(dx, dy);
        if (d <= kFlatness)
            return true;
        const double a = std::remainder(std::atan2(dy, dx) - base_, 2 * std::numbers::pi);
        if (a < low_ || a > high_)
            return false;
        const double w = std::asin(kFlatness / d);
        low_ = std::max(low_, a - w);
        high_ = std::min(high_, a + w);
        return true;
    }

    std::vector<QPointF>& points_;
    std::vector<std::uint8_t>& seen_;
    QPointF anchor_, last_;
    bool pending_ = false;
    double base_ = 0, low_ = 0, high_ = 0;
};

} // namespace

QRect visibleArea(int targetWidth, int targetHeight, int penWidth)
{
    // A mitred join reaches at most twice half the width from its corner.
    const int margin = std::max(1, penWidth) + 2;
    return QRect(-margin, -margin, targetWidth + 2 * margin, targetHeight + 2 * margin);
}

bool drawsDirectly(const Outline& outline, const QRect& area)
{
    if (outline.primitive == Outline::Primitive::Ellipse)
        return area.contains(outline.box.left, outline.box.top)
            && area.contains(outline.box.right, outline.box.bottom);
    if (outline.points.size() > kPieceSize)
        return false;
    return std::all_of(
        outline.points.begin(), outline.points.end(), [&](QPoint p) { return area.contains(p); });
}

void drawClippedPolygon(DrawSurface& surface, const QPoint* points, int count, const QRect& area)
{
    if (count < 2)
        return;
    thread_local std::vector<QPointF> polygon;
    polygon.assign(points, points + count);
    fillClipped(surface, polygon, area);
    if (thinPen(surface.pen())) {
        // Thin outlines are set pixel by pixel within the target already.
        const DrawBrush brush = surface.brush();
        surface.setBrush(DrawBrush {});
        surface.polygon(points, count);
        surface.setBrush(brush);
        return;
    }
    if (surface.pen().style == DrawPen::Style::None)
        return;
    // Start where the outline comes in from outside, so that no run ends at
    // a corner the area shows.
    int first = 0;
    for (int i = 0; i < count; ++i)
        if (!area.contains(points[i])) {
            first = i;
            break;
        }
    ClippedStroke stroke(surface, edgesOf(area));
    for (int k = 0; k < count; ++k) {
        const int i = (first + k) % count, j = (i + 1) % count;
        stroke.segment(points[i], points[j]);
    }
}

void drawClippedPolyline(DrawSurface& surface, const QPoint* points, int count, const QRect& area)
{
    if (count < 2 || surface.pen().style == DrawPen::Style::None)
        return;
    if (thinPen(surface.pen())) {
        surface.polyline(points, count);
        return;
    }
    ClippedStroke stroke(surface, edgesOf(area));
    for (int i = 1; i < count; ++i)
        stroke.segment(points[i - 1], points[i]);
}

void drawClippedBezier(DrawSurface& surface, const QPoint* points, int count, bool filled, const QRect& area)
{
    if (count < 4)
        return;
    const QRectF r = edgesOf(area);
    // The flattened chain once, each point marked whether the piece before
    // it may be seen.
    thread_local std::vector<QPointF> flat;
    thread_local std::vector<std::uint8_t> seen;
    flat.clear();
    seen.clear();
    Chain chain(flat, seen, QPointF(points[0]));
    auto add = [&](QPointF p, bool visible) { chain.add(p, visible); };
    for (int i = 1; i + 2 < count; i += 3)
        flattenCubic(QPointF(points[i - 1]), QPointF(points[i]), QPointF(points[i + 1]),
            QPointF(points[i + 2]), r, 0, add);
    chain.finish();
    if (filled && surface.brush().solid) {
        thread_local std::vector<QPointF> polygon;
        polygon = flat;
        fillClipped(surface, polygon, area);
    }
    if (surface.pen().style == DrawPen::Style::None)
        return;
    ClippedStroke stroke(surface, r);
    for (std::size_t i = 1; i < flat.size(); ++i) {
        if (seen[i])
            stroke.segment(flat[i - 1], flat[i]);
        else
            stroke.endRun();
    }
}

void drawClippedCircle(DrawSurface& surface, const EdgeBox& box, const QRect& area)
{
    const std::int64_t r = (std::int64_t(box.right) - box.left) / 2;
    const QPoint centre(
        int((std::int64_t(box.left) + box.right) / 2), int((std::int64_t(box.top) + box.bottom) / 2));
    // Enough sides that no edge strays more than the flatness from the rim.
    const double step = r > kFlatness ? 2 * std::acos(1 - kFlatness / double(r)) : std::numbers::pi / 4;
    const int sides = int(std::clamp(std::ceil(2 * std::numbers::pi / step), 8.0, double(kMaxSides)));
    DeviceEntry entries[2];
    entries[0].anchor = centre;
    entries[1].anchor = QPoint(int(std::min<std::int64_t>(centre.x() + r, INT32_MAX)), centre.y());
    thread_local Outline ring;
    buildOutline(ring, kinds::kPolygon, entries, 2, sides, 0, &area);
    drawClippedPolygon(surface, ring.points.data(), int(ring.points.size()), area);
}
