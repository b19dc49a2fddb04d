#pragma once

#include <QRect>

// Width of the rulers and the square where they meet.
constexpr int kRulerSize = 12;
// Thickness of the scroll bars.
constexpr int kScrollBarSize = 16;

// Where the parts of a document window go for a window size and a canvas
// extent (the canvas's far corner in zoomed pixels).
struct ViewLayout {
    QRect corner;
    QRect rulerX;
    QRect rulerY;
    QRect view; // the visible part of the canvas
    bool showScrollX = false;
    bool showScrollY = false;
    QRect scrollX;
    QRect scrollY;
    int scrollMaxX = 0;
    int scrollMaxY = 0;
    bool showFiller = false;
    QRect filler; // the square between both scroll bars
};

ViewLayout computeViewLayout(int baseWidth, int baseHeight, int screenMaxX, int screenMaxY);
