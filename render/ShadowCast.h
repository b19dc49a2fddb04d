#pragma once

#include <QPoint>

struct PaintTarget;
struct ItemRecord;

// How an item's shadow falls on a target: its offset in device pixels, the
// spread of its soft edge, the displacement away from the light, its level
// (the canvas under its core is multiplied by level / 255), its fade and the
// scale its blur is divided by (1 on the screen, the vertical scale factor on
// bitmaps, so a printed shadow is as soft as the one on the screen).
struct ShadowCast {
    int offset = 0;
    double spread = 1.0;
    QPoint displacement;
    int level = 255;
    int fade = 0;
    double blurScale = 1.0;

    // The margin a shadow mask keeps around the item's box: room for the
    // displacement and the blur, plus twice the item's pen width; held
    // within the extent of working bitmaps.
    int margin(int penWidth) const;
    // How far beyond the canvas a mask too large to keep whole must still
    // reach: the margin and the width of the blurred edge.
    int cropMargin(int penWidth) const;
};

// One elevation step of 8.5 is one point (1/96 inch) of offset at zoom 1.
ShadowCast shadowCast(const PaintTarget& target, const ItemRecord& item);
