#include "base/ScreenMetrics.h"

namespace {
ScreenMetrics current;
}

const ScreenMetrics& screenMetrics() { return current; }

void setScreenDpi(double dpiX, double dpiY)
{
    if (dpiX > 0)
        current.dpiX = dpiX;
    if (dpiY > 0)
        current.dpiY = dpiY;
}
