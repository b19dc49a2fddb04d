#pragma once

// Drawings of one record each that cost the painter the most for their size:
// side counts, radii and point counts at the limits a file may hold. The
// paint-cost benchmark measures them; the fuzz seeds are written from them.

#include "render/ShapeConstruction.h"
#include "render/ShapeOutline.h"
#include "fixtures/RenderFixtures.h"

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace pathological {

using namespace renderfixture;

struct Case {
    const char* name;
    const char* file; // the seed file's name
    // `points` sets the size of the long curves and splines.
    void (*build)(ItemList& items, int points);
};

// The point count of the long curves and splines that the benchmark paints.
constexpr int kLongCurvePoints = 600000;

inline ItemRecord* addRing(
    ItemList& items, std::int32_t kind, QPoint centre, QPoint first, QPoint inner, int sides)
{
    ItemRecord* r = addShape(items, kind, { centre, first, inner }, 0x000080, 0x00C0FF);
    r->body.sides = sides;
    r->body.lineWeight = 1.0;
    shapeBox(*r, kScreen);
    return r;
}

// A spiral of `points` anchors winding over the canvas, with control points.
inline ItemRecord* addLongCurve(ItemList& items, std::int32_t kind, int points, std::int32_t variant)
{
    ItemRecord* r = createItem(items, kind);
    r->pointList.resize(std::size_t(points));
    for (int i = 0; i < points; ++i) {
        const double t = i * 0.01;
        const double radius = 50 + 700.0 * i / points;
        r->pointList[std::size_t(i)].set(0, 800 + int(radius * std::cos(t)), 800 - int(radius * std::sin(t)));
    }
    r->body.lineColor = 0x800000;
    r->body.fillColor = 0xFFE0C0;
    r->body.shapeVariant = variant;
    r->body.lineWeight = 2.0;
    r->body.curveTension = kDefaultCurveTension;
    if (kind == kinds::kCurve)
        placeControlPoints(*r);
    shapeBox(*r, kScreen);
    placeOnTop(items, r);
    return r;
}

inline const std::vector<Case>& cases()
{
    static const std::vector<Case> all = {
        { "star: a million spikes two billion pixels long", "star_million_spikes_far_out",
            [](ItemList& items, int) {
                addRing(items, kinds::kStar, { 800, 800 }, { 2000000800, 800 }, { 840, 800 }, 1000000);
            } },
        { "star: a ring a billion pixels wide through the canvas", "star_ring_through_canvas",
            [](ItemList& items, int) {
                addRing(items, kinds::kStar, { 800, -1000000000 }, { 800, 800 }, { 800, 760 }, 1000000);
            } },
        { "polygon: the most sides, two billion pixels out", "polygon_most_sides_far_out",
            [](ItemList& items, int) {
                addRing(items, kinds::kPolygon, { -2000000000, 800 }, { 2000000000, 1200 }, {}, 1024000);
            } },
        { "curve: long, filled", "curve_long_filled",
            [](ItemList& items, int points) { addLongCurve(items, kinds::kCurve, points, kinds::kSolid); } },
        { "curve: long, open", "curve_long_open",
            [](ItemList& items, int points) { addLongCurve(items, kinds::kCurve, points, kinds::kOpen); } },
        { "spline: long, filled", "spline_long_filled",
            [](ItemList& items, int points) { addLongCurve(items, kinds::kSpline, points, kinds::kSolid); } },
        { "circle: radius two billion, rim through the canvas", "circle_huge_radius",
            [](ItemList& items, int) {
                ItemRecord* r
                    = addShape(items, kinds::kCircle, { { 800, -2000000000 }, { 800, 800 } }, 0, 0x00FF00);
                r->body.lineWeight = 1.0;
            } },
        { "ellipse: two billion pixels long, through the canvas", "ellipse_huge",
            [](ItemList& items, int) {
                ItemRecord* r = addShape(items, kinds::kEllipse,
                    { { 800, 800 }, { 2000000000, 900 }, { 800, 2000000000 } }, 0, 0x00FF00);
                r->body.lineWeight = 1.0;
            } },
        { "arc: radius two billion, through the canvas", "arc_huge_radius",
            [](ItemList& items, int) {
                ItemRecord* r = addShape(items, kinds::kArc,
                    { { 800, 2000000000 }, { 2000000000, 0 }, { -2000000000, 0 } }, 0, -1);
                r->body.lineWeight = 2.0;
            } },
        { "line: dotted, four billion pixels long", "line_dotted_huge",
            [](ItemList& items, int) {
                ItemRecord* r = addLine(items, { -2000000000, 700 }, { 2000000000, 900 }, 0, 1, 0.0);
                r->body.penWidth = 1;
            } },
    };
    return all;
}

// The drawing of one case: a canvas of 1600 x 1600 pixels and the record.
inline void build(const Case& c, ItemList& items, int points = kLongCurvePoints)
{
    addHeader(items, 1600, 1600);
    c.build(items, points);
}

} // namespace pathological
