#pragma once

#include <QColor>
#include <QFont>

// Colours and font of the rulers and of the drag hint; the window fills it
// from the settings.
struct RulerStyle {
    QColor tickColour = Qt::black;
    QColor labelColour = Qt::black;
    QFont labelFont;
    QColor outsideColour = QColor(192, 192, 192); // silver, outside the canvas
    QColor canvasColour = QColor(255, 255, 215); // light yellow, the canvas's extent
    QColor hintColour = QColor(0, 0, 128);
    QColor hintBackground = QColor(215, 255, 215); // light green
};
