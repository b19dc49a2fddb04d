#pragma once

struct PaintTarget;
struct ItemRecord;

// Draws a shape item with its 3-D surface shading instead of flat: a sphere
// lit from the drawing's light for circles, ellipses, polygons, stars, pies,
// arcs, triangles and the spline and curve families; a cylinder across the
// width of squares and rectangles. Its outline pixels take the line colour's
// shading and its interior the fill colour's; everything else on the canvas
// stays. False when the shape has too few points to be shaded (the flat
// drawing, which draws nothing either, may run); true otherwise, also for a
// circle or ellipse too small to show, which the 3-D drawing leaves out.
bool shade3D(const PaintTarget& target, const ItemRecord& item);
