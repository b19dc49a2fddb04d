#pragma once

#include <QPoint>
#include <QRect>

class DrawSurface;
struct EdgeBox;
struct Outline;

// Outlines that reach far beyond the target or hold very many points cost the
// platform time and memory by their size, not by what shows. These calls draw
// them as DrawSurface would, with the pen and brush already selected, but hand
// the platform only what can reach the visible area, in pieces of bounded size.

// The device pixels where a figure drawn with a pen `penWidth` pixels wide can
// show anything: the target's pixels grown by a margin that strokes, caps and
// mitred joins from outside it never cross.
QRect visibleArea(int targetWidth, int targetHeight, int penWidth);

// True when the outline may go to the surface as it is: every point within
// the area and few enough of them to stroke at once.
bool drawsDirectly(const Outline& outline, const QRect& area);

// A closed polygon, filled with the brush and outlined with the pen.
void drawClippedPolygon(DrawSurface& surface, const QPoint* points, int count, const QRect& area);
// An open polyline, stroked with the pen.
void drawClippedPolyline(DrawSurface& surface, const QPoint* points, int count, const QRect& area);
// A Bézier chain (points[0], then two controls and an end per segment),
// stroked, and when `filled` closed and filled with the brush as well.
void drawClippedBezier(DrawSurface& surface, const QPoint* points, int count, bool filled, const QRect& area);
// The ellipse primitive's circle in `box`, as a polygon fine enough that no
// edge strays half a pixel from the circle.
void drawClippedCircle(DrawSurface& surface, const EdgeBox& box, const QRect& area);
