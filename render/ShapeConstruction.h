#pragma once

#include <QPoint>

#include <array>

struct ItemRecord;
struct ScreenMetrics;

// Corners of a square on the clicked side A -> B: A, B, then the two corners
// to the left of A -> B (y up).
std::array<QPoint, 4> squareCorners(QPoint a, QPoint b);
// Corners of a rectangle from three clicks: A, B, C moved onto the
// perpendicular through B, and the fourth corner.
std::array<QPoint, 4> rectangleCorners(QPoint a, QPoint b, QPoint c);

// Recomputes every control point of a curve item from its anchors and
// curveTension (open ends point at their neighbours, closed curves are rings).
void placeControlPoints(ItemRecord& curve);

// Recomputes a shape item's box fields (x1 .. y2, real positions, min/max,
// spans, length, the angle of x1, y1 -> x2, y2) and its repaint box from its
// points, grown by the handle margin; the real positions are in millimetres
// of `screen`. For shapes being made or edited.
void shapeBox(ItemRecord& item, const ScreenMetrics& screen, int handleWidth = 8, int handleHeight = 8);

// Works out only the repaint box of a shape from its points, leaving every
// stored field alone: for shapes as a file gave them.
void refreshRepaintBox(ItemRecord& item, int handleWidth = 8, int handleHeight = 8);
