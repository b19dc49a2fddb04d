#pragma once

#include "platform/DrawSurface.h"
#include "render/GeometryDeviceMapping.h"
#include "render/ShapeOutline.h"

#include <cstdint>
#include <vector>

struct ItemRecord;

// Pen and brush of a closed shape: "Solid" (-2) fills with the line colour and
// outlines 1 pixel wide; "Clear" (-1) does not fill; any other value is the
// fill colour. Outlines are always solid.
struct ShapeStyle {
    DrawPen pen;
    DrawBrush brush;
};
ShapeStyle fillRules(std::int32_t lineColor, std::int32_t fillColor, int penWidth);

// Maps an item's point list to device pixels into out (reusing its capacity).
void mapEntries(std::vector<DeviceEntry>& out, const ItemRecord& item, const DeviceMapping& mapping);

// Draws a built outline with the shape's colours and pen width.
void drawOutline(DrawSurface& surface, const Outline& outline, std::int32_t lineColor, std::int32_t fillColor,
    int penWidth);

// Draws a shape item (triangle .. curve family) without effects: its points
// mapped by mapping, pen width penWidth (weightToPixels of its lineWeight).
// Uses per-thread scratch buffers, so repeated calls do not allocate.
void drawShape(DrawSurface& surface, const ItemRecord& item, const DeviceMapping& mapping, int penWidth);

// The construction guides shown while a pie, arc or curve is being drawn:
// centre to start and centre to end for pies and arcs, the straight segments
// between anchors for curves. Other kinds draw nothing.
void drawShapeGuides(DrawSurface& surface, const ItemRecord& item, const DeviceMapping& mapping,
    const DrawPen& guidePen);
