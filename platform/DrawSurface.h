#pragma once

#include "platform/Bitmap24.h"

#include <QPainter>
#include <QPainterPath>
#include <QPoint>
#include <QRect>

#include <cstdint>

// A pen as the shape and line code sets it: a width in device pixels (0 and 1
// both mean the thinnest line), solid, dotted (one pixel on, one off) or none.
// A dotted pen paints its gaps in gapColour when hasGap is set, else leaves them.
struct DrawPen {
    enum class Style { Solid, Dotted, None };
    Style style = Style::Solid;
    int width = 1;
    std::uint32_t colour = 0;
    bool hasGap = false;
    std::uint32_t gapColour = 0xffffff;
};

// A brush: a solid colour or nothing.
struct DrawBrush {
    bool solid = false;
    std::uint32_t colour = 0;
};

// How overlapping parts of a filled outline are filled.
enum class FillMode { Alternate, Winding };

// How a bit-block copy combines source and destination.
enum class RasterOp { Copy, And, Or, Xor };

// Aliased drawing onto a Bitmap24, with the semantics of the classic device
// primitives: one pen and one brush are selected at a time, outlines are drawn
// over fills, right and bottom edges of rectangles and ellipses are exclusive.
// While a path is open (beginPath .. endPath) polygon, polyline and Bézier
// calls add figures to the path instead of drawing.
class DrawSurface {
public:
    explicit DrawSurface(Bitmap24& target);
    ~DrawSurface();
    DrawSurface(const DrawSurface&) = delete;
    DrawSurface& operator=(const DrawSurface&) = delete;

    Bitmap24& bitmap() { return target_; }

    void setPen(const DrawPen& pen);
    void setBrush(const DrawBrush& brush);
    const DrawPen& pen() const { return pen_; }
    const DrawBrush& brush() const { return brush_; }
    void setFillMode(FillMode mode);

    // Limits drawing to the rectangle (device pixels); clearClip lifts it.
    void setClipRect(const QRect& rect);
    void clearClip();
    // The bitmap within the clip: the only pixels drawing may change.
    QRect drawableRect() const;

    // Filled with the brush, outlined with the pen; closes itself. A thin
    // (1-pixel or dotted) outline passes through every vertex.
    void polygon(const QPoint* points, int count);
    // Each segment from its first point up to but not including its last, in
    // drawing direction, for thin pens as the classic primitive draws them:
    // only the polyline's very last point is left out.
    void polyline(const QPoint* points, int count);
    // Sub-pixel figures, for outlines already cut to the visible area, in
    // time that follows their edges and pixels even where edges crowd closer
    // than pixels: the polygon filled with the brush only; open polylines
    // stroked with the pen only, round at their ends and joins, run r from
    // point runEnds[r - 1] (0 for the first) up to runEnds[r] (a thin pen
    // draws them through the rounded points).
    void fillPolygon(const QPointF* points, int count);
    void strokePolylines(const QPointF* points, const int* runEnds, int runs);
    // points[0] then three points (two controls and an end) per segment.
    void polyBezier(const QPoint* points, int count);
    // The ellipse inscribed in [left, right) x [top, bottom), filled and outlined.
    void ellipse(int left, int top, int right, int bottom);
    // Fills the pixels of rect with the colour, ignoring pen and brush.
    void fillRect(const QRect& rect, std::uint32_t colour);
    void setPixel(int x, int y, std::uint32_t colour);

    // Path tracing: figures drawn between beginPath and endPath are collected;
    // strokeAndFillPath fills with the brush, outlines with the pen and drops the path.
    void beginPath();
    void moveTo(QPoint point);
    void lineTo(QPoint point);
    void closeFigure();
    void endPath();
    void strokeAndFillPath();
    void fillPath();
    void strokePath();

    // For platform text output and other Qt-level drawing by platform code.
    QPainter& painter() { return painter_; }

private:
    // Qt pens and brushes own heap data; a few recent ones are kept so that
    // drawing many items in the same colours allocates nothing.
    struct CachedPen {
        int style = -1;
        int width = 0;
        std::uint32_t colour = 0;
        QPen pen;
    };
    struct CachedBrush {
        bool used = false;
        std::uint32_t colour = 0;
        QBrush brush;
    };
    static constexpr int kCacheSize = 64;

    const QPen& qtPen(DrawPen::Style style, int width, std::uint32_t colour);
    const QBrush& qtBrush(std::uint32_t colour);
    void applyPenAndBrush();
    // 1-pixel and dotted pens, which thinFigure draws pixel by pixel.
    bool thinPen() const;
    void thinFigure(const QPoint* points, int count, bool closed);
    void thinSegment(QPoint from, QPoint to, const QRect& clip);
    // While a path is open, figures are collected instead of drawn.
    void addFigure(const QPoint* points, int count, bool closed);
    void strokeWithPen(const QPainterPath& path);

    Bitmap24& target_;
    QPainter painter_;
    DrawPen pen_;
    DrawBrush brush_;
    FillMode fillMode_ = FillMode::Alternate;
    bool pathOpen_ = false;
    QPainterPath path_;
    QPainterPath closedPath_;
    CachedPen pens_[kCacheSize];
    CachedBrush brushes_[kCacheSize];
    int nextPen_ = 0;
    int nextBrush_ = 0;
};

// Copies a width x height block of source at (sx, sy) to dest at (dx, dy),
// clipped to both bitmaps.
void bitBlt(Bitmap24& dest, int dx, int dy, int width, int height, const Bitmap24& source, int sx, int sy,
    RasterOp op = RasterOp::Copy);
// Copies the sw x sh block of source at (sx, sy) onto the dw x dh block of
// dest at (dx, dy), taking the nearest source pixel; a negative width or height
// on either side mirrors. Pixels outside either bitmap are skipped.
void stretchBlt(Bitmap24& dest, int dx, int dy, int dw, int dh, const Bitmap24& source, int sx, int sy, int sw,
    int sh);
