#pragma once

#include <QPoint>

#include <cstdint>

// Where on a 3-D shaded body each pixel lies, as a row of its shading
// profile (shadeProfile). Rows are wrapped once into 0 .. n - 1; a row still
// outside leaves its pixel as it is.

// Bodies wider than this many pixels are drawn flat: their profiles would
// take more memory than any screen or sheet could show.
constexpr std::int64_t kLargestShadedBody = std::int64_t(1) << 20;

// A rounded body lit at a highlight point: the row grows with the distance
// from the highlight, the brightest row lying there. An ellipsoid stretches
// the distance across its longer axis so that the falloff follows its shape.
struct SphereBody {
    QPoint highlight;
    int n = 0;
    bool ellipsoid = false;
    double mainHalfAxis = 0; // a
    double minorHalfAxis = 0; // b
    double mainAxisAngle = 0; // radians, y up

    int row(int x, int y) const;
};

// A circle, or the disc that stands in for a compact shape, whose bounding
// square has its top left corner at `corner` and side d; `pen` is the
// outline's width. The highlight lies d / 6 from the middle towards the light.
SphereBody sphereOfSquare(QPoint corner, int d, int pen, int light);

// An ellipse whose 13 points span a box of w x h from `corner`, with half-axes
// a (along mainAxisAngle) and b.
SphereBody sphereOfEllipse(
    QPoint corner, int w, int h, int pen, int light, double a, double b, double mainAxisAngle);

// A band of width n standing on the reference edge from `from` to `to`, as
// across a rectangle, a line's dash or a line of text: darkest at both long
// edges and brightest along a line moved by up to n / 4 towards the light.
struct CylinderBand {
    QPoint from;
    QPoint to;
    int n = 0;
    int shift = 0;

    int row(int x, int y) const;
};

// `edgeAngle` is the edge's direction (radians, y up) and `offsetDegrees`
// the light's offset from it.
CylinderBand cylinderBand(QPoint from, QPoint to, int n, double edgeAngle, int offsetDegrees);
