#include "render/MarkerMask.h"

MarkerMask::MarkerMask(const QRect& area, const Bitmap24& canvas)
    : area_(area.intersected(QRect(0, 0, canvas.width(), canvas.height())))
{
    if (area_.isEmpty())
        return;
    bitmap_ = Bitmap24(area_.width(), area_.height());
    if (bitmap_.isNull()) {
        area_ = QRect();
        return;
    }
    bitmap_.fill(0);
    surface_ = std::make_unique<DrawSurface>(bitmap_);
}

MarkerMask::~MarkerMask() = default;

void MarkerMask::finishDrawing()
{
    surface_.reset();
}
