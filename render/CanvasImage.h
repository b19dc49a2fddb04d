#pragma once

#include "render/PaintColours.h"

#include <QImage>

struct ItemList;
struct ScreenMetrics;

// Whether a canvas image shows shadows and 3-D shading, as a document window
// does once its effects pass has run, or leaves them out.
enum class CanvasEffects { Shown, Flat };

// The whole zoomed canvas of a drawing as a document window shows it: the
// background, page guides, switched-on gridlines and every live item, painted
// tile by tile through a canvas bitmap of at most 1600 x 1600 pixels exactly
// as the window paints its tiles. The image is screenWidth x screenHeight of
// the header at its current zoom; null when that size is empty or larger
// than `maxPixels`.
QImage paintCanvasImage(ItemList& items, const ScreenMetrics& screen, const PaintColours& colours = {},
    qint64 maxPixels = qint64(1) << 28, CanvasEffects effects = CanvasEffects::Shown);

// Recomputes the derived boxes that repaints rely on, as a window does after
// loading: the text boxes of text items and the repaint boxes of shapes. The
// stored fields of shapes stay as the file had them.
void refreshItemBoxes(ItemList& items, const ScreenMetrics& screen);
