#pragma once

#include "render/WorkingBitmap.h"

#include <QPoint>
#include <QRect>
#include <QSize>

struct GreyPlane;

// Blurs a shadow mask: shrunk to W' x H' with W' = round(W x 10 / (fade + 10)
// / scale) (H' likewise, both at least 6) and enlarged back, both times with
// the cubic B-spline. Nothing happens when W' or H' is not below the mask's
// own size, so a fade of 0 leaves a hard edge on the screen.
void softenMask(Bitmap24& mask, int fade, double scale);

// Multiplies the canvas pixels under the mask, placed at `at`, by the mask's
// level / 255 (read from its first byte); pixels under level 255 stay as they are.
void blendShadow(Bitmap24& canvas, const Bitmap24& mask, QPoint at);
// The same for the levels of a mask within `part` (mask coordinates) only.
void blendLevels(Bitmap24& canvas, const GreyPlane& mask, QPoint at, const QRect& part);

// The working mask of one shadow: white over a device rectangle of the
// canvas. A mask too large to be worth its memory is cut to the canvas grown
// by `margin`; its blur then keeps the ratio the whole mask would have had.
class ShadowMask : public WorkingBitmap {
public:
    ShadowMask(const QRect& area, const Bitmap24& canvas, int margin);

    // Softens the mask and darkens the canvas under it. `marks` is where the
    // shadow's shape was drawn (device pixels), when the caller knows; the
    // mask is searched for it otherwise.
    void apply(Bitmap24& canvas, int fade, double scale, const QRect& marks = {});

private:
    QSize whole_;
};
