#include "canvas/ViewLayout.h"

#include <algorithm>

ViewLayout computeViewLayout(int baseWidth, int baseHeight, int screenMaxX, int screenMaxY)
{
    ViewLayout l;
    const int w = baseWidth - kRulerSize;
    const int h = baseHeight - kRulerSize;
    // The 12 extra pixels keep room beyond the canvas's far edge.
    const bool expectX = w < screenMaxX + kRulerSize;
    const bool expectY = h < screenMaxY + kRulerSize + (expectX ? kScrollBarSize : 0);
    const bool expectXAgain = w < screenMaxX + kRulerSize + (expectY ? kScrollBarSize : 0);
    const int viewW = std::max(0, w - (expectY ? kScrollBarSize : 0));
    const int viewH = std::max(0, h - (expectXAgain ? kScrollBarSize : 0));

    l.corner = QRect(0, 0, kRulerSize, kRulerSize);
    l.rulerX = QRect(kRulerSize, 0, viewW, kRulerSize);
    l.rulerY = QRect(0, kRulerSize, kRulerSize, viewH);
    l.view = QRect(kRulerSize, kRulerSize, viewW, viewH);

    l.showScrollX = viewW < screenMaxX + kRulerSize;
    l.showScrollY = viewH < screenMaxY + kRulerSize;
    const int scrollW = baseWidth - (l.showScrollY ? kScrollBarSize : 0);
    const int scrollH = baseHeight - (l.showScrollX ? kScrollBarSize : 0);
    const int extra = (l.showScrollX && l.showScrollY) ? kScrollBarSize : 0;
    if (l.showScrollX) {
        l.scrollX = QRect(0, kRulerSize + viewH, scrollW, kScrollBarSize);
        l.scrollMaxX = std::max(0, screenMaxX - viewW + kRulerSize + extra);
    }
    if (l.showScrollY) {
        l.scrollY = QRect(kRulerSize + viewW, 0, kScrollBarSize, scrollH);
        l.scrollMaxY = std::max(0, screenMaxY - viewH + kRulerSize + extra);
    }
    l.showFiller = l.showScrollX && l.showScrollY;
    if (l.showFiller)
        l.filler = QRect(scrollW, scrollH, kScrollBarSize, kScrollBarSize);
    return l;
}
