#include "render/MarkerMask.h"

#include "platform/DrawSurface.h"

MarkerMask::MarkerMask(const QRect& area, const DrawSurface& canvas)
    : WorkingBitmap(area.intersected(canvas.drawableRect()), 0)
{
}
