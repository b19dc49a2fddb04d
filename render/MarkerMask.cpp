#include "render/MarkerMask.h"

MarkerMask::MarkerMask(const QRect& area, const Bitmap24& canvas)
    : WorkingBitmap(area.intersected(QRect(0, 0, canvas.width(), canvas.height())), 0)
{
}
