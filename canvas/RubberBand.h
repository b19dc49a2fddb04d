#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

class Bitmap24;
class Preferences;
struct ScreenMetrics;
struct ToolBand;

// Where the canvas bitmap sits on the zoomed canvas.
struct BandView {
    double zoom = 1.0;
    int tileX = 0;
    int tileY = 0;
};

// The rubber band of a drawing tool on the canvas bitmap. The pixels under
// the band are saved before it is drawn and put back before it moves, so
// following the mouse costs the band's area, never a repaint of the canvas.
class RubberBand {
public:
    // Puts back the pixels saved under the band drawn last; returns the
    // bitmap rectangle that changed (empty when no band was drawn).
    QRect erase(Bitmap24& bitmap);
    // Saves the pixels under `band` and draws it in outline; returns the
    // bitmap rectangle that changed.
    QRect draw(Bitmap24& bitmap, const ToolBand& band, const Preferences& preferences,
        const ScreenMetrics& screen, const BandView& view);
    // The canvas was repainted under the band: its saved pixels are stale.
    void forget() { saved_ = QImage(); }
    bool shown() const { return !saved_.isNull(); }

private:
    QImage saved_;
    QPoint savedAt_;
};
