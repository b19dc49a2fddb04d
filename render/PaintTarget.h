#pragma once

#include "base/ScreenMetrics.h"
#include "render/GeometryDeviceMapping.h"
#include "render/PaintColours.h"

#include <QPoint>

class DrawSurface;
class PaintResources;
struct ItemList;

// Where and how one paint call draws: the document window's canvas bitmap
// (zoom and tile offset) or an off-screen bitmap for printing and export
// (scale factors and pixel origin). Made per call, never stored.
struct PaintTarget {
    DrawSurface* canvas = nullptr;
    // The drawing being painted: pattern definitions, light direction, picture stores.
    const ItemList* items = nullptr;
    // The screen whose pixels the item coordinates are: turns millimetres and
    // points into canvas units, whatever the target's own resolution.
    ScreenMetrics screenMetrics;

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
    // Fonts and pattern definitions looked up once per call; null makes each
    // item look up its own.
    PaintResources* resources = nullptr;

    static PaintTarget screen(DrawSurface& canvas, const ItemList* items, const ScreenMetrics& metrics, double zoom,
        int tileX, int tileY)
    {
        PaintTarget t;
        t.canvas = &canvas;
        t.items = items;
        t.screenMetrics = metrics;
        t.zoom = zoom;
        t.tileX = tileX;
        t.tileY = tileY;
        return t;
    }

    static PaintTarget bitmap(DrawSurface& canvas, const ItemList* items, const ScreenMetrics& metrics, double scaleX,
        double scaleY, int pixelOriginX, int pixelOriginY)
    {
        PaintTarget t;
        t.canvas = &canvas;
        t.items = items;
        t.screenMetrics = metrics;
        t.onScreen = false;
        t.zoom = scaleY;
        t.scaleX = scaleX;
        t.scaleY = scaleY;
        t.pixelOriginX = pixelOriginX;
        t.pixelOriginY = pixelOriginY;
        return t;
    }

    // Canvas units to device pixels: round(zoom x v) - tile on the screen,
    // round(v x scale) + origin on bitmaps.
    DeviceMapping mapping() const
    {
        if (onScreen)
            return { zoom, zoom, -tileX, -tileY };
        return { scaleX, scaleY, pixelOriginX, pixelOriginY };
    }
    QPoint device(int x, int y) const { return mapping().map(x, y); }
    int deviceX(int v) const { return device(v, 0).x(); }
    int deviceY(int v) const { return device(0, v).y(); }
};
