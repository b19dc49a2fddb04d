#include "render/WorkingBitmap.h"

WorkingBitmap::WorkingBitmap(const QRect& area, std::uint32_t fill)
    : area_(area)
{
    if (area_.isEmpty())
        return;
    bitmap_ = Bitmap24(area_.width(), area_.height());
    if (bitmap_.isNull()) {
        area_ = QRect();
        return;
    }
    bitmap_.fill(fill);
    surface_ = std::make_unique<DrawSurface>(bitmap_);
}

WorkingBitmap::~WorkingBitmap() = default;

const Bitmap24& WorkingBitmap::finished()
{
    surface_.reset();
    return bitmap_;
}
