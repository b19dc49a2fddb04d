#pragma once

#include "canvas/ToolTable.h"
#include "render/GeometryDeviceMapping.h"

#include <QPoint>
#include <QRect>

#include <cstdint>
#include <optional>
#include <vector>

struct ItemList;
struct ItemRecord;

// What a handle of a selected item does when it is dragged.
namespace handlecode {
constexpr int kFirst = 1; // a line's or text's first point; circle, ellipse and pie handles count from here
constexpr int kSecond = 2;
constexpr int kMiddle = 3; // the midpoint of a line or text (move); a group frame's point (move)
constexpr int kRotate = 5; // the rotation dot of a single item
constexpr int kCentre = 7; // the centre of a shape (move)
constexpr int kClipFirst = 101; // picture clip corners and sides 101 ... 108
constexpr int kClipLast = 108;
constexpr int kSideFirst = 205; // the middles of a square's or rectangle's sides 205 ... 208
constexpr int kSideLast = 208;
constexpr int kGroupRotate = 500;
// Point handles are negative: -1 - index into the point list.
constexpr int pointCode(int index) { return -1 - index; }
constexpr int pointIndex(int code) { return -1 - code; }
} // namespace handlecode

// How handles look and where the rotation dot goes, in screen pixels.
struct HandleStyle {
    int width = 8;
    int height = 8;
    int dotDistance = 40; // from the centre (or a group frame's point) to the rotation dot
};

struct Handle {
    int code = 0;
    QPoint at; // canvas-bitmap pixels
};

// The handle's square: s/2 to the left and above the point, s/2 + 1 to the
// right and below, all edges part of it.
QRect handleRect(const Handle& handle, const HandleStyle& style);

// The handles of one selected item in canvas-bitmap pixels, in the order a
// hit test tries them. `single` is whether it is the only selected item: only
// then does a shape show its centre and an item its rotation dot.
std::vector<Handle> itemHandles(
    const ItemRecord& item, bool single, const DeviceMapping& view, const HandleStyle& style = {});

// Where a centre handle sits and what a single item turns round, in canvas
// units: a triangle's centroid, a square's or rectangle's diagonal middle, a
// polygon's or star's first point, the rounded mean of a spline's or curve's
// points, a circle's, ellipse's, pie's or arc's centre, a line's or text's
// midpoint.
QPoint itemCentre(const ItemRecord& item);
// The direction a single item's rotation dot stands at right angles to: a
// line's, text's or group frame's own, a square's or rectangle's first side,
// from the centre to the first vertex of a polygon or star (to the second
// point of a circle, ellipse, pie or arc), else from the centre to the first point.
double itemAngle(const ItemRecord& item);

// Whether the selection shows centres and rotation dots: exactly one item
// other than group frames is selected.
bool singleSelection(const ItemList& list);

struct HandleHit {
    ItemRecord* item = nullptr;
    int code = 0; // after the per-kind folding (a circle's four become 1, ...)
    EditMode mode = EditMode::Select;
};

// The first handle of the visible selected items, in list order, whose
// square holds the point; the drag mode follows from the item's kind.
std::optional<HandleHit> hitHandle(
    const ItemList& list, QPoint at, const DeviceMapping& view, const HandleStyle& style = {});

// The drag a press on a handle starts, after the selection's rules: a
// selection of mixed kinds moves whatever handle is held, and a group turns
// only when every selected item is in a group and one group frame is selected.
HandleHit dragFor(const ItemList& list, HandleHit hit);
