#pragma once

#include "platform/DrawSurface.h"

#include <QPoint>

#include <array>

struct PaintTarget;
struct ItemRecord;

// Draws a picture clip in the form its target asks for. On the screen, the
// first that applies: during the opening pass a silver outline (with the
// picture's file name inside an upright rectangular clip); when quick a
// dotted outline in the drag-outline colours, with the frame's outer outline
// when the frame is wider than 2 pixels; when pictures are shown the shadow
// and the full clip; otherwise, or when the full clip cannot be drawn, a
// dotted outline in the hidden-picture colours. Bitmap targets always get
// the shadow and the full clip, and nothing for a clip that cannot be drawn.
void paintClipItem(const PaintTarget& target, const ItemRecord& clip);

// The clip's outline with the given pen: its device rectangle, rotated by the
// clip angle about its centre, as a closed 5-point polyline; for a round clip
// the circle through its rim and, when rotated, the radius at the clip angle.
// `grow` widens it by that many pixels on every side (a frame's outer edge).
void drawClipOutline(const PaintTarget& target, const ItemRecord& clip, const DrawPen& pen, int grow = 0);

// The corners of a rectangular clip placed from a to b (device pixels),
// turned anticlockwise (y up) by `angle` about its centre and grown by `grow`
// on every side; closed by repeating the first.
std::array<QPoint, 5> clipRectangleOutline(QPoint a, QPoint b, double angle, int grow = 0);
