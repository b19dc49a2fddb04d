#pragma once

#include "platform/Bitmap24.h"

#include <QPointF>
#include <QRect>

#include <cstdint>

// Fills a polygon with one colour, the pixels whose centres lie inside it,
// within `clip` (which must lie within the bitmap). The work is one step per
// row an edge crosses plus one per pixel of the clip, however many edges
// cross a row: figures with more edges than pixels fill in bounded time and
// memory, where a general rasteriser slows down with the edges it must sort.
void fillPolygonPixels(Bitmap24& bitmap, const QRect& clip, const QPointF* points, int count, bool winding,
    std::uint32_t colour);

// Strokes open polylines `width` pixels wide with round ends and joins, the
// same way: all their pieces are filled as one figure. Run r holds the points
// from runEnds[r - 1] (0 for the first) up to runEnds[r].
void strokePolylinesPixels(Bitmap24& bitmap, const QRect& clip, const QPointF* points, const int* runEnds,
    int runs, int width, std::uint32_t colour);
