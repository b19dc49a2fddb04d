#pragma once

#include <QPoint>
#include <QRect>

#include <cstdint>
#include <vector>

// A box by its edges; for the ellipse primitive right and bottom are exclusive.
struct EdgeBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// One point-list entry in device pixels: the anchor and the two Bézier
// control points of the segment that leaves it (used by curves only).
struct DeviceEntry {
    QPoint anchor;
    QPoint control1;
    QPoint control2;
};

// What a shape draws, built from its device points. The vectors keep their
// capacity between builds, so a caller that reuses one Outline allocates
// nothing once it has grown.
struct Outline {
    enum class Primitive {
        Nothing,
        Segment,  // two points, pen 1 pixel for "Solid" fills, else the weight
        Polyline, // open, pen at the weight, no fill
        Polygon,  // closed, the fill rules
        Ellipse,  // inscribed in box (right and bottom exclusive), the fill rules
        Bezier,   // points[0] then three per segment, pen at the weight, no fill
        FilledBezier, // a closed Bézier chain with the fill rules
    };
    Primitive primitive = Primitive::Nothing;
    std::vector<QPoint> points;
    // Ellipse: the square of the circle. Rotated ellipse: the box of its 13 points.
    EdgeBox box;

    void clear()
    {
        primitive = Primitive::Nothing;
        points.clear();
        box = EdgeBox();
    }
};

constexpr int kMinSides = 3;
constexpr int kMaxSides = 1024000;
// Bézier control distance for a quarter circle, as a fraction of the diameter.
constexpr double kDefaultCurveTension = 0.27614237;

// Builds the outline of a shape of the given kind from its entries in device
// pixels. Kinds that are not shapes, too few points and side counts outside
// 3 .. 1024000 give Primitive::Nothing.
//
// `area`, when given, is where anything of the shape can be seen (the
// target's pixels grown by the pen's reach). Polygons and stars then leave
// out what only costs drawing time there: corners packed closer than half a
// pixel within sight, and corners of edges that cannot reach the area (see
// buildRing); what the area shows stays the same.
void buildOutline(Outline& out, std::int32_t kind, const DeviceEntry* entries, int count, int sides,
    int shapeVariant, const QRect* area = nullptr);

// The number of corners worth drawing for a ring of `sides` corners whose
// radii reach `radius` (the larger one), seen to distance `reach` from its
// centre: enough that neighbours are at most half a pixel apart within
// reach and that no edge strays more than half a pixel from the true ring.
// An infinite reach keeps every corner.
int drawnSides(int sides, double radius, double reach);

// The arc samples of a pie or arc (without the pie's closing points): P2, the
// intermediate samples with repeats dropped, then the end on the ray to P3.
void sampleArc(std::vector<QPoint>& out, QPoint centre, QPoint start, QPoint end, double radius);

// The sweep of a pie or arc from start to end, counter-clockwise, in [0, 2 pi),
// and the number of samples it gets (one per 0.9 degrees, at least 2).
double arcSweep(QPoint centre, QPoint start, QPoint end);
int arcSampleCount(double sweep);
