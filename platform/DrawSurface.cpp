#include "platform/DrawSurface.h"

#include "base/Rounding.h"
#include "platform/PolygonFill.h"
#include "platform/ThinLine.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

namespace {

QPen makePen(DrawPen::Style style, int width, std::uint32_t colour)
{
    if (style == DrawPen::Style::None)
        return QPen(Qt::NoPen);
    if (style == DrawPen::Style::Dotted || width <= 1) {
        // The thinnest line leaves out its last pixel, as the classic primitives
        // do; dotted pens are always this thin.
        QPen pen(toQColor(colour), 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
        pen.setCosmetic(true);
        if (style == DrawPen::Style::Dotted)
            pen.setDashPattern({ 1.0, 1.0 });
        return pen;
    }
    // Wide pens have round ends and joins; below four pixels these look the
    // same as square ones, which the engine strokes several times faster.
    if (width < 4)
        return QPen(toQColor(colour), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    return QPen(toQColor(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

Qt::FillRule toQt(FillMode mode) { return mode == FillMode::Winding ? Qt::WindingFill : Qt::OddEvenFill; }

// The path with every figure closed, for the fill-and-outline call.
void closeFigures(const QPainterPath& path, QPainterPath& closed)
{
    closed.clear();
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            if (i > 0)
                closed.closeSubpath();
            closed.moveTo(e.x, e.y);
        } else if (e.isLineTo()) {
            closed.lineTo(e.x, e.y);
        } else if (e.isCurveTo()) {
            const QPainterPath::Element c2 = path.elementAt(i + 1);
            const QPainterPath::Element to = path.elementAt(i + 2);
            closed.cubicTo(e.x, e.y, c2.x, c2.y, to.x, to.y);
            i += 2;
        }
    }
    closed.closeSubpath();
}

} // namespace

DrawSurface::DrawSurface(Bitmap24& target)
    : target_(target)
    , painter_(&target.image())
{
    painter_.setRenderHint(QPainter::Antialiasing, false);
    applyPenAndBrush();
}

DrawSurface::~DrawSurface() = default;

void DrawSurface::setPen(const DrawPen& pen)
{
    pen_ = pen;
    applyPenAndBrush();
}

void DrawSurface::setBrush(const DrawBrush& brush)
{
    brush_ = brush;
    applyPenAndBrush();
}

void DrawSurface::setFillMode(FillMode mode) { fillMode_ = mode; }

void DrawSurface::setClipRect(const QRect& rect) { painter_.setClipRect(rect); }

void DrawSurface::clearClip() { painter_.setClipping(false); }

const QPen& DrawSurface::qtPen(DrawPen::Style style, int width, std::uint32_t colour)
{
    if (style != DrawPen::Style::Solid || width < 1)
        width = 1;
    for (const CachedPen& c : pens_)
        if (c.style == int(style) && c.width == width && c.colour == colour)
            return c.pen;
    CachedPen& slot = pens_[nextPen_];
    nextPen_ = (nextPen_ + 1) % kCacheSize;
    slot = { int(style), width, colour, makePen(style, width, colour) };
    return slot.pen;
}

const QBrush& DrawSurface::qtBrush(std::uint32_t colour)
{
    for (const CachedBrush& c : brushes_)
        if (c.used && c.colour == colour)
            return c.brush;
    CachedBrush& slot = brushes_[nextBrush_];
    nextBrush_ = (nextBrush_ + 1) % kCacheSize;
    slot = { true, colour, QBrush(toQColor(colour)) };
    return slot.brush;
}

void DrawSurface::applyPenAndBrush()
{
    painter_.setPen(qtPen(pen_.style, pen_.width, pen_.colour));
    if (brush_.solid)
        painter_.setBrush(qtBrush(brush_.colour));
    else
        painter_.setBrush(Qt::NoBrush);
}

// Outlines a path with the selected pen, gap colour first for a dotted pen.
void DrawSurface::strokeWithPen(const QPainterPath& path)
{
    if (pen_.style == DrawPen::Style::None)
        return;
    painter_.setBrush(Qt::NoBrush);
    if (pen_.style == DrawPen::Style::Dotted && pen_.hasGap) {
        painter_.setPen(qtPen(DrawPen::Style::Solid, 1, pen_.gapColour));
        painter_.drawPath(path);
        painter_.setPen(qtPen(pen_.style, pen_.width, pen_.colour));
    }
    painter_.drawPath(path);
    applyPenAndBrush();
}

void DrawSurface::addFigure(const QPoint* points, int count, bool closed)
{
    path_.moveTo(points[0]);
    for (int i = 1; i < count; ++i)
        path_.lineTo(points[i]);
    if (closed)
        path_.closeSubpath();
}

bool DrawSurface::thinPen() const
{
    return pen_.style == DrawPen::Style::Dotted || (pen_.style == DrawPen::Style::Solid && pen_.width <= 1);
}

QRect DrawSurface::drawableRect() const
{
    const QRect all(0, 0, target_.width(), target_.height());
    if (!painter_.hasClipping())
        return all;
    return painter_.clipBoundingRect().toAlignedRect() & all;
}

// The engine draws a thin line from its left end (top end when steep) and
// leaves out the other, whichever way the line runs; the classic primitive
// draws from the first point and leaves out the last. A line that runs the
// other way therefore gets its first pixel set and its last one put back.
// Dots are counted from the first point along the whole figure, so dotted
// lines are set pixel by pixel.
void DrawSurface::thinSegment(QPoint from, QPoint to, const QRect& clip)
{
    const std::int64_t dx = std::int64_t(to.x()) - from.x(), dy = std::int64_t(to.y()) - from.y();
    if (dx == 0 && dy == 0)
        return;
    const bool engineStartsHere = std::llabs(dx) >= std::llabs(dy) ? dx > 0 : dy > 0;
    if (engineStartsHere) {
        painter_.drawLine(from, to);
        return;
    }
    const bool keepEnd = clip.contains(to);
    const std::uint32_t under = keepEnd ? target_.pixel(to.x(), to.y()) : 0;
    painter_.drawLine(from, to);
    if (keepEnd)
        target_.setPixel(to.x(), to.y(), under);
    if (clip.contains(from))
        target_.setPixel(from.x(), from.y(), pen_.colour);
}

void DrawSurface::thinFigure(const QPoint* points, int count, bool closed)
{
    const QRect clip = drawableRect();
    if (pen_.style != DrawPen::Style::Dotted) {
        for (int i = 1; i < count; ++i)
            thinSegment(points[i - 1], points[i], clip);
        if (closed)
            thinSegment(points[count - 1], points[0], clip);
        return;
    }
    const std::uint32_t colour = pen_.colour, gap = pen_.gapColour;
    const bool paintGaps = pen_.hasGap;
    const auto plot = [&](int x, int y, std::int64_t i) {
        if (i % 2 == 0)
            target_.setPixel(x, y, colour);
        else if (paintGaps)
            target_.setPixel(x, y, gap);
    };
    std::int64_t index = 0;
    for (int i = 1; i < count; ++i)
        index = thinline::forEachPixel(points[i - 1], points[i], clip, index, plot);
    if (closed)
        thinline::forEachPixel(points[count - 1], points[0], clip, index, plot);
}

void DrawSurface::polygon(const QPoint* points, int count)
{
    if (count < 2)
        return;
    if (pathOpen_) {
        addFigure(points, count, true);
        return;
    }
    if (!thinPen()) {
        painter_.drawPolygon(points, count, toQt(fillMode_));
        return;
    }
    if (brush_.solid) {
        painter_.setPen(Qt::NoPen);
        painter_.drawPolygon(points, count, toQt(fillMode_));
        applyPenAndBrush();
    }
    thinFigure(points, count, true);
}

void DrawSurface::polyline(const QPoint* points, int count)
{
    if (count < 2)
        return;
    if (pathOpen_) {
        addFigure(points, count, false);
        return;
    }
    if (pen_.style == DrawPen::Style::None)
        return;
    if (thinPen()) {
        thinFigure(points, count, false);
        return;
    }
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPolyline(points, count);
    applyPenAndBrush();
}

void DrawSurface::fillPolygon(const QPointF* points, int count)
{
    if (count < 3 || !brush_.solid)
        return;
    fillPolygonPixels(target_, drawableRect(), points, count, fillMode_ == FillMode::Winding, brush_.colour);
}

void DrawSurface::strokePolylines(const QPointF* points, const int* runEnds, int runs)
{
    if (runs < 1 || pen_.style == DrawPen::Style::None)
        return;
    if (!thinPen()) {
        strokePolylinesPixels(target_, drawableRect(), points, runEnds, runs, pen_.width, pen_.colour);
        return;
    }
    thread_local std::vector<QPoint> rounded;
    int start = 0;
    for (int r = 0; r < runs; ++r) {
        rounded.clear();
        for (int i = start; i < runEnds[r]; ++i)
            rounded.push_back(points[i].toPoint());
        if (rounded.size() >= 2)
            thinFigure(rounded.data(), int(rounded.size()), false);
        start = runEnds[r];
    }
}

void DrawSurface::polyBezier(const QPoint* points, int count)
{
    if (count < 4)
        return;
    const bool wasOpen = pathOpen_;
    if (!wasOpen)
        path_.clear();
    path_.moveTo(points[0]);
    for (int i = 1; i + 2 < count; i += 3)
        path_.cubicTo(points[i], points[i + 1], points[i + 2]);
    if (wasOpen)
        return;
    strokeWithPen(path_);
    path_.clear();
}

void DrawSurface::ellipse(int left, int top, int right, int bottom)
{
    if (right < left)
        std::swap(left, right);
    if (bottom < top)
        std::swap(top, bottom);
    const QRect box(left, top, clampToInt32(std::max<std::int64_t>(0, std::int64_t(right) - left - 1)),
        clampToInt32(std::max<std::int64_t>(0, std::int64_t(bottom) - top - 1)));
    if (pathOpen_) {
        path_.addEllipse(box);
        return;
    }
    if (pen_.style != DrawPen::Style::Dotted) {
        painter_.drawEllipse(box);
        return;
    }
    if (brush_.solid) {
        painter_.setPen(Qt::NoPen);
        painter_.drawEllipse(box);
    }
    QPainterPath outline;
    outline.addEllipse(box);
    strokeWithPen(outline);
}

void DrawSurface::fillRect(const QRect& rect, std::uint32_t colour) { painter_.fillRect(rect, toQColor(colour)); }

void DrawSurface::setPixel(int x, int y, std::uint32_t colour)
{
    const QRect clip = painter_.hasClipping() ? painter_.clipBoundingRect().toAlignedRect() : QRect();
    if (clip.isValid() && !clip.contains(x, y))
        return;
    target_.setPixel(x, y, colour);
}

void DrawSurface::beginPath()
{
    path_.clear();
    pathOpen_ = true;
}

void DrawSurface::moveTo(QPoint point)
{
    if (pathOpen_)
        path_.moveTo(point);
}

void DrawSurface::lineTo(QPoint point)
{
    if (pathOpen_)
        path_.lineTo(point);
}

void DrawSurface::closeFigure()
{
    if (pathOpen_)
        path_.closeSubpath();
}

void DrawSurface::endPath() { pathOpen_ = false; }

void DrawSurface::strokeAndFillPath()
{
    closeFigures(path_, closedPath_);
    closedPath_.setFillRule(toQt(fillMode_));
    if (brush_.solid)
        painter_.fillPath(closedPath_, qtBrush(brush_.colour));
    strokeWithPen(closedPath_);
    path_.clear();
}

void DrawSurface::fillPath()
{
    if (brush_.solid) {
        path_.setFillRule(toQt(fillMode_));
        painter_.fillPath(path_, qtBrush(brush_.colour));
    }
    path_.clear();
}

void DrawSurface::strokePath()
{
    strokeWithPen(path_);
    path_.clear();
}

namespace {

// The part of a w x h block at (x, y) of one bitmap and (ox, oy) of another
// that lies inside both; false when nothing does.
bool clipBlock(int& x, int& y, int& w, int& h, int& ox, int& oy, const Bitmap24& a, const Bitmap24& b)
{
    const int left = std::max({ 0, -x, -ox });
    const int top = std::max({ 0, -y, -oy });
    x += left, ox += left, w -= left;
    y += top, oy += top, h -= top;
    w = std::min({ w, a.width() - x, b.width() - ox });
    h = std::min({ h, a.height() - y, b.height() - oy });
    return w > 0 && h > 0;
}

// Combines one row of pixels; walks backwards when the source lies before
// the destination in the same row, so no source pixel is read after it changed.
void combineRow(std::uint32_t* to, const std::uint32_t* from, int width, RasterOp op)
{
    const bool backwards = std::less<>()(from, to) && std::less<>()(to, from + width);
    for (int k = 0; k < width; ++k) {
        const int i = backwards ? width - 1 - k : k;
        switch (op) {
        case RasterOp::And:
            to[i] &= from[i];
            break;
        case RasterOp::Or:
            to[i] |= from[i];
            break;
        case RasterOp::Xor:
            to[i] = (to[i] ^ from[i]) | 0xff000000u; // the unused byte stays 0xFF
            break;
        case RasterOp::Copy:
            to[i] = from[i];
            break;
        }
    }
}

} // namespace

void bitBlt(Bitmap24& dest, int dx, int dy, int width, int height, const Bitmap24& source, int sx, int sy, RasterOp op)
{
    if (!clipBlock(dx, dy, width, height, sx, sy, dest, source))
        return;
    const bool sameRows = &dest == &source && dy > sy;
    for (int r = 0; r < height; ++r) {
        const int row = sameRows ? height - 1 - r : r; // copy bottom-up when the block moves down
        // Pixels are 32-bit words; the unused top byte stays 0xFF.
        auto* to = reinterpret_cast<std::uint32_t*>(dest.scanLine(dy + row)) + dx;
        const auto* from = reinterpret_cast<const std::uint32_t*>(source.scanLine(sy + row)) + sx;
        switch (op) {
        case RasterOp::Copy:
            std::memmove(to, from, std::size_t(width) * sizeof(std::uint32_t));
            break;
        default:
            combineRow(to, from, width, op);
            break;
        }
    }
}

namespace {

// The i-th pixel along an oriented span: forward from origin, or backward
// from origin - 1 when the extent is negative.
int alongSpan(int origin, int extent, int i) { return extent > 0 ? origin + i : origin - 1 - i; }

// The source step that lands on destination step i, by pixel centres.
int nearestStep(int i, int sourceExtent, int destExtent)
{
    return int((std::int64_t(2 * i + 1) * std::abs(sourceExtent)) / (2 * std::int64_t(std::abs(destExtent))));
}

} // namespace

void stretchBlt(Bitmap24& dest, int dx, int dy, int dw, int dh, const Bitmap24& source, int sx, int sy, int sw, int sh)
{
    if (dw == 0 || dh == 0 || sw == 0 || sh == 0)
        return;
    for (int j = 0; j < std::abs(dh); ++j) {
        const int ty = alongSpan(dy, dh, j);
        const int fy = alongSpan(sy, sh, nearestStep(j, sh, dh));
        if (ty < 0 || ty >= dest.height() || fy < 0 || fy >= source.height())
            continue;
        const auto* from = reinterpret_cast<const std::uint32_t*>(source.scanLine(fy));
        auto* to = reinterpret_cast<std::uint32_t*>(dest.scanLine(ty));
        for (int i = 0; i < std::abs(dw); ++i) {
            const int tx = alongSpan(dx, dw, i);
            const int fx = alongSpan(sx, sw, nearestStep(i, sw, dw));
            if (tx >= 0 && tx < dest.width() && fx >= 0 && fx < source.width())
                to[tx] = from[fx];
        }
    }
}
