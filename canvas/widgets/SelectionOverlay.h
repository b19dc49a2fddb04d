#pragma once

#include "canvas/Handles.h"

#include <QRect>
#include <QWidget>

#include <functional>
#include <vector>

// Draws the selection's handles and the area-selection frame over the canvas
// image, as a transparent child that covers it: the canvas bitmap stays free
// of them, so nothing has to be saved from under a handle and put back.
// Mouse events pass through to the canvas.
class SelectionOverlay : public QWidget {
    Q_OBJECT
public:
    struct Marks {
        std::vector<Handle> handles;
        // Pairs of centre and rotation dot, joined by a dotted line.
        std::vector<std::pair<QPoint, QPoint>> dotLines;
        QRect area; // the area-selection frame, empty for none
    };
    using Provider = std::function<Marks()>;

    SelectionOverlay(QWidget* canvas, Provider provider, HandleStyle style = {});

    // What is drawn now, as the provider gives it.
    Marks marks() const { return provider_(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Provider provider_;
    HandleStyle style_;
};
