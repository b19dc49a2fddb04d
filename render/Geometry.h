#pragma once

#include <QPoint>
#include <QPointF>
#include <QRectF>

#include <cstdint>

// Device and canvas points are whole pixels with y pointing down; angles are
// radians measured counter-clockwise with y pointing up.

// Direction from a to b in [0, 2 pi); exact for axis-parallel pairs.
double angleOf(QPoint a, QPoint b);
double distanceOf(QPoint a, QPoint b);
// The point at distance d from c in direction t, offsets rounded ties-to-even.
QPoint pointAt(QPoint c, double d, double t);

struct Foot {
    QPoint point;
    bool withinSegment = false;
};
// Foot of the perpendicular from p onto the line a b. Near-vertical lines
// (|dx| <= 2) and near-horizontal ones snap to the axis.
Foot footOf(QPoint a, QPoint b, QPoint p);

// Narrows [from, to], distances along the direction (dx, dy) from s, to the
// stretch that lies inside rect (Liang-Barsky); false when none does.
bool clipToRect(QPointF s, double dx, double dy, const QRectF& rect, double& from, double& to);

// Whether a direction in whole degrees is nearer the vertical than the
// horizontal; the exact diagonals count as horizontal, so a point constrained
// to 45 degrees follows the mouse's x.
constexpr bool isSteepDirection(int degrees)
{
    return (degrees > 45 && degrees < 135) || (degrees > 225 && degrees < 315);
}
