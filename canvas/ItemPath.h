#pragma once

#include <QPointF>

#include <vector>

struct ItemRecord;
struct ScreenMetrics;

// An item's outline in canvas units as a chain of straight pieces: curves and
// ellipses flattened, circles and round clips sampled, a text by its rotated
// box. Area selection tests it against the rectangle; click selection measures
// curves by it.
struct ItemPath {
    std::vector<QPointF> points;
    bool closed = false;
};

ItemPath itemPath(const ItemRecord& item, const ScreenMetrics& screen);

// The distance from p to the segment a b (to the nearer end past either end).
double segmentDistance(QPointF a, QPointF b, QPointF p);
