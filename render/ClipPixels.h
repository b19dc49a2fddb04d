#pragma once

#include <QPoint>
#include <QSize>

class Bitmap24;

// The per-pixel operations that turn a cut piece of a picture into a clip;
// the picture dialog's preview uses the same ones.

// Saturation, contrast and lightness, in that order, each only when not 0:
// saturation s moves every channel away from the pixel's middle grey m =
// (max + min) / 2 by s (x - m) / 128; contrast c moves it away from 128 by
// c (x - 128) / 256; lightness l adds l. Quotients truncate towards zero and
// every step's result is held to 0 .. 255.
void adjustColours(Bitmap24& bitmap, int saturation, int contrast, int lightness);

// Mirrors left-right when mx < 0 and top-bottom when my < 0.
void mirrorBitmap(Bitmap24& bitmap, int mx, int my);

// Draws `source` turned anticlockwise (on the screen, y down) by `angle`
// radians onto `destination`, the two centres laid on each other: every
// destination pixel takes the source pixel its centre turns back to, the
// nearest one; pixels that turn back to a point outside the source keep
// what they held.
void rotateBitmap(const Bitmap24& source, Bitmap24& destination, double angle);
// The same for the part of a destination of size `whole` that starts at
// `partOrigin` within it, `destination` holding that part only.
void rotateBitmap(const Bitmap24& source, Bitmap24& destination, double angle, QSize whole, QPoint partOrigin);

// Copies onto `destination` at (x, y) the pixels of `source` that lie in the
// ellipse filling it; the rest of the destination shows through. Clipped to
// the destination.
void maskRound(const Bitmap24& source, Bitmap24& destination, int x, int y);
