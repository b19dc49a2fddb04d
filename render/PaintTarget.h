#pragma once

#include "model/Rounding.h"
#include "render/PaintColours.h"

#include <QPoint>

class DrawSurface;
struct ItemList;

// Where and how one paint call draws: the document window's canvas bitmap
// (zoom and tile offset) or an off-screen bitmap for printing and export
// (scale factors and pixel origin). Made per call, never stored.
struct PaintTarget {
    DrawSurface* canvas = nullptr;
    // The drawing being painted: pattern definitions, light direction, picture stores.
    const ItemList* items = nullptr;

    bool onScreen = true;
    // Screen: the drawing's zoom. Bitmap: the vertical scale factor.
    double zoom = 1.0;
    int tileX = 0, tileY = 0;             // screen only
    double scaleX = 1.0, scaleY = 1.0;    // bitmap only: target pixels per canvas unit
    int pixelOriginX = 0, pixelOriginY = 0; // bitmap only

    bool drawShadows = true;
    bool draw3D = true;
    bool drawPictures = true;
    // Screen only: how picture clips are shown when not drawn in full.
    bool quick = false;
    bool openingPass = false;
    PaintColours colours;

    static PaintTarget screen(DrawSurface& canvas, const ItemList* items, double zoom, int tileX, int tileY)
    {
        PaintTarget t;
        t.canvas = &canvas;
        t.items = items;
        t.zoom = zoom;
        t.tileX = tileX;
        t.tileY = tileY;
        return t;
    }

    static PaintTarget bitmap(DrawSurface& canvas, const ItemList* items, double scaleX, double scaleY,
        int pixelOriginX, int pixelOriginY)
    {
        PaintTarget t;
        t.canvas = &canvas;
        t.items = items;
        t.onScreen = false;
        t.zoom = scaleY;
        t.scaleX = scaleX;
        t.scaleY = scaleY;
        t.pixelOriginX = pixelOriginX;
        t.pixelOriginY = pixelOriginY;
        return t;
    }

    // A canvas-unit coordinate as a device pixel.
    int deviceX(int v) const
    {
        return onScreen ? roundEven(zoom * v) - tileX : roundEven(v * scaleX) + pixelOriginX;
    }
    int deviceY(int v) const
    {
        return onScreen ? roundEven(zoom * v) - tileY : roundEven(v * scaleY) + pixelOriginY;
    }
    QPoint device(int x, int y) const { return { deviceX(x), deviceY(y) }; }
};
