#pragma once

#include "platform/DrawSurface.h"

#include <QPoint>

#include <array>
#include <cstdint>

struct ItemRecord;
struct ItemList;
struct ScreenMetrics;

// Dash and space lengths in device pixels, dash first.
struct DashList {
    int count = 1;
    std::array<std::int32_t, 12> lengths { 2147483647 };
};

// A pen width in pixels for a weight in millimetres on `screen`: never
// thinner than round(zoom) pixels.
int weightToPixels(double zoom, double weightMm, const ScreenMetrics& screen);

// The dash list of a line at a zoom: the built-in pattern scaled with the
// line's width, or the drawing's definition of a user pattern.
DashList buildDashList(
    const ItemRecord& line, const ItemList& drawing, double zoom, const ScreenMetrics& screen);
// The same with the definition already looked up (null: built-in or solid).
DashList buildDashList(
    const ItemRecord& line, const ItemRecord* definition, double zoom, const ScreenMetrics& screen);

// The four corners of a dash from c to d, W pixels wide, in the order left of
// c, left of d, right of d, right of c (left = towards t + pi/2, y up).
std::array<QPoint, 4> dashRectangle(QPoint c, QPoint d, double t, int width);

// Draws one dash rectangle flat with a 1-pixel pen: filled with `interior`,
// then, for a hollow line whose outline is 2 or more pixels wide, four bands
// of that width inside it in the pen's colour along its edges.
void drawFlatDash(DrawSurface& surface, const std::array<QPoint, 4>& corners, double t, const DrawPen& pen,
    const DrawBrush& interior, int outline, bool hollow);

// Draws one wide dash with surface shading; supplied by the effects code.
class DashShading {
public:
    virtual ~DashShading() = default;
    virtual void drawDash(DrawSurface& surface, const std::array<QPoint, 4>& corners, const ItemRecord& line,
        int width, int outlineWidth, bool hollow)
        = 0;
};

// Draws a line item from s to e (device pixels) at a zoom: solid, dashed or
// hollow, ends square. With shading set, dashes 4 or more pixels wide of a
// line with a surface are drawn by it.
void drawLine(DrawSurface& surface, const ItemRecord& line, QPoint s, QPoint e, const DashList& dashes,
    double zoom, const ScreenMetrics& screen, DashShading* shading = nullptr);

// Moves p onto the line through a at direction degrees (nothing when negative):
// the coordinate along the direction's dominant axis is kept.
void constrainToDirection(QPoint a, QPoint& p, double degrees);
