#pragma once

#include <QPointF>

#include <cstdint>

class Bitmap24;
class DrawSurface;

// How a clip's frame looks: flat in its colour, or shaded as a rounded bar
// lit from the drawing's light.
struct ClipFrameStyle {
    int width = 0; // pixels; 0: no frame
    std::uint32_t colour = 0;
    bool shaded = false;
    int floor = 0; // the shading's brightness at the rim (the clip's surface)
    int light = 0; // 0 top left, 1 top right, 2 bottom left, 3 bottom right
};

// The picture grown by the frame's width on every side, the border filled
// with the frame. A shaded frame lays one profile across its sides, each
// band's bright line shifted towards the light as it falls on the clip
// turned by `rotation` (radians), with mitred top and bottom bands; frames
// wider than 12 pixels have the two corners where bands of opposite
// brightness meet softened.
Bitmap24 framedBitmap(const Bitmap24& picture, const ClipFrameStyle& frame, double rotation);

// The ring of a round clip: the pixels of the surface further than `radius`
// and at most radius + width from `centre` (device pixels, pixel edges),
// flat or shaded across the ring towards the light. Stays within what the
// surface may draw.
void drawClipRing(DrawSurface& surface, QPointF centre, int radius, const ClipFrameStyle& frame);
