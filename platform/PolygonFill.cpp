#include "platform/PolygonFill.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

// Crossing counts kept at once, one per pixel of a band of rows; a larger
// clip is handled band by band, each visiting the figure again.
constexpr std::size_t kBandCounts = std::size_t(1) << 24;

// Per pixel of a band of rows, how many times the figure's edges cross the
// row's centre line just before it, each crossing counted with the edge's
// direction as seen from the inside of its polygon.
class Crossings {
public:
    Crossings(const QRect& area, int top, int rows)
        : left_(area.left())
        , width_(area.width())
        , top_(top)
        , bottom_(top + rows - 1)
        , counts_(std::size_t(width_ + 1) * std::size_t(rows), 0)
    {
    }

    // The edges of a closed polygon; `sign` +1 or -1 turns its inside positive.
    void addPolygon(const QPointF* points, int count, int sign)
    {
        for (int i = 0; i < count; ++i)
            addEdge(points[i], points[(i + 1) % count], sign);
    }

    void addEdge(QPointF a, QPointF b, int sign)
    {
        if (a.y() == b.y())
            return;
        const int direction = (b.y() > a.y() ? 1 : -1) * sign;
        const QPointF top = a.y() < b.y() ? a : b, bottom = a.y() < b.y() ? b : a;
        // Rows whose centre line y + 0.5 lies in [top, bottom).
        const double first = std::ceil(top.y() - 0.5), last = std::ceil(bottom.y() - 0.5) - 1;
        const int from = int(std::max<double>(first, top_)), to = int(std::min<double>(last, bottom_));
        const double slope = (bottom.x() - top.x()) / (bottom.y() - top.y());
        for (int y = from; y <= to; ++y) {
            const double x = top.x() + (y + 0.5 - top.y()) * slope;
            // The first pixel whose centre lies right of the crossing.
            const int at = int(std::clamp<double>(std::ceil(x - 0.5) - left_, 0, width_));
            counts_[std::size_t(y - top_) * std::size_t(width_ + 1) + std::size_t(at)] += direction;
        }
    }

    // Sets the pixels inside: an odd count for the alternate rule, any count
    // for the winding rule.
    void paint(Bitmap24& bitmap, bool winding, std::uint32_t colour) const
    {
        const QRgb rgb = toQColor(colour).rgb();
        for (int y = top_; y <= bottom_; ++y) {
            const std::int32_t* row = counts_.data() + std::size_t(y - top_) * std::size_t(width_ + 1);
            auto* pixels = reinterpret_cast<QRgb*>(bitmap.scanLine(y)) + left_;
            std::int32_t turns = 0;
            for (int x = 0; x < width_; ++x) {
                turns += row[x];
                if (winding ? turns != 0 : (turns & 1) != 0)
                    pixels[x] = rgb;
            }
        }
    }

private:
    int left_, width_, top_, bottom_;
    std::vector<std::int32_t> counts_;
};

// Runs `add` for each band of the clip and paints what it added.
template <typename Add>
void inBands(Bitmap24& bitmap, const QRect& clip, const QRect& reach, bool winding, std::uint32_t colour,
    Add&& add)
{
    // Only the pixels the figure can reach are counted and painted: a small
    // figure on a large bitmap costs what the figure costs.
    const QRect area = clip & reach & QRect(0, 0, bitmap.width(), bitmap.height());
    if (area.isEmpty())
        return;
    const int rows = int(
        std::clamp<std::size_t>(kBandCounts / std::size_t(area.width() + 1), 1, std::size_t(area.height())));
    for (int top = area.top(); top <= area.bottom(); top += rows) {
        Crossings crossings(area, top, std::min(rows, area.bottom() - top + 1));
        add(crossings);
        crossings.paint(bitmap, winding, colour);
    }
}

int orientation(const QPointF* points, int count)
{
    double area = 0;
    for (int i = 0; i < count; ++i) {
        const QPointF a = points[i], b = points[(i + 1) % count];
        area += a.x() * b.y() - b.x() * a.y();
    }
    return area >= 0 ? 1 : -1;
}

// The pixels whose centres may lie within `margin` of the points' bounds.
QRect reachOf(const QPointF* points, int count, double margin)
{
    double left = points[0].x(), right = left, top = points[0].y(), bottom = top;
    for (int i = 1; i < count; ++i) {
        left = std::min(left, points[i].x());
        right = std::max(right, points[i].x());
        top = std::min(top, points[i].y());
        bottom = std::max(bottom, points[i].y());
    }
    if (!std::isfinite(left + right + top + bottom))
        return QRect(QPoint(-1000000000, -1000000000), QPoint(1000000000, 1000000000));
    // Far-out coordinates are cut to the int range before they become a
    // rectangle; the clip takes them the rest of the way.
    const auto edge = [](double v) { return int(std::clamp(v, -1e9, 1e9)); };
    return QRect(QPoint(edge(std::floor(left - margin) - 1), edge(std::floor(top - margin) - 1)),
        QPoint(edge(std::ceil(right + margin) + 1), edge(std::ceil(bottom + margin) + 1)));
}

} // namespace

void fillPolygonPixels(
    Bitmap24& bitmap, const QRect& clip, const QPointF* points, int count, bool winding, std::uint32_t colour)
{
    if (count < 3)
        return;
    inBands(bitmap, clip, reachOf(points, count, 0), winding, colour,
        [&](Crossings& c) { c.addPolygon(points, count, 1); });
}

void strokePolylinesPixels(Bitmap24& bitmap, const QRect& clip, const QPointF* points, const int* runEnds,
    int runs, int width, std::uint32_t colour)
{
    if (runs < 1 || width < 1)
        return;
    const double half = width / 2.0;
    // A round end or join: a polygon whose edges stay within a tenth of a
    // pixel of the circle.
    const int sides
        = std::clamp(int(std::ceil(std::numbers::pi / std::acos(std::max(0.0, 1 - 0.1 / half)))), 8, 64);
    std::vector<QPointF> disk(static_cast<std::size_t>(sides));
    for (int k = 0; k < sides; ++k)
        disk[std::size_t(k)] = QPointF(half * std::cos(2 * std::numbers::pi * k / sides),
            half * std::sin(2 * std::numbers::pi * k / sides));
    const auto addDisk = [&](Crossings& c, QPointF centre) {
        QPointF ring[64];
        for (int k = 0; k < sides; ++k)
            ring[k] = centre + disk[std::size_t(k)];
        c.addPolygon(ring, sides, orientation(ring, sides));
    };
    const auto addRun = [&](Crossings& c, const QPointF* run, int count) {
        if (count == 1)
            addDisk(c, run[0]);
        for (int i = 1; i < count; ++i) {
            const QPointF a = run[i - 1], b = run[i];
            const double dx = b.x() - a.x(), dy = b.y() - a.y(), length = std::hypot(dx, dy);
            if (length > 0) {
                const QPointF n(-dy / length * half, dx / length * half);
                const QPointF quad[4] = { a + n, b + n, b - n, a - n };
                c.addPolygon(quad, 4, orientation(quad, 4));
            }
            // Ends and bends get their round cap or join; a join where the
            // line barely turns is covered by the two bands already.
            bool round = i == count - 1 || length == 0;
            if (!round) {
                const QPointF next = run[i + 1];
                const double ex = next.x() - b.x(), ey = next.y() - b.y(), nextLength = std::hypot(ex, ey);
                const double cross = std::fabs(dx * ey - dy * ex), dot = dx * ex + dy * ey;
                round = nextLength == 0 || dot < 0 || cross * half > 0.25 * length * nextLength;
            }
            if (i == 1)
                addDisk(c, a);
            if (round)
                addDisk(c, b);
        }
    };
    // Overlapping pieces all count positive, so the winding rule joins them.
    inBands(bitmap, clip, reachOf(points, runEnds[runs - 1], half), true, colour, [&](Crossings& c) {
        int start = 0;
        for (int r = 0; r < runs; ++r) {
            addRun(c, points + start, runEnds[r] - start);
            start = runEnds[r];
        }
    });
}
