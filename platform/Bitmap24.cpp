#include "platform/Bitmap24.h"

#include <QColor>

Bitmap24::Bitmap24(int width, int height)
    : image_(width, height, QImage::Format_RGB32)
{
}

Bitmap24::Bitmap24(const QImage& image)
    : image_(image.convertToFormat(QImage::Format_RGB32))
{
}

void Bitmap24::resize(int width, int height)
{
    if (width == image_.width() && height == image_.height())
        return;
    image_ = QImage(width, height, QImage::Format_RGB32);
}

std::uint32_t Bitmap24::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width() || y >= height())
        return 0;
    const std::uint8_t* p = scanLine(y) + kBytesPerPixel * x;
    return std::uint32_t(p[0]) << 16 | std::uint32_t(p[1]) << 8 | p[2];
}

void Bitmap24::setPixel(int x, int y, std::uint32_t colour)
{
    if (x < 0 || y < 0 || x >= width() || y >= height())
        return;
    std::uint8_t* p = scanLine(y) + kBytesPerPixel * x;
    p[0] = std::uint8_t(colour >> 16);
    p[1] = std::uint8_t(colour >> 8);
    p[2] = std::uint8_t(colour);
    p[3] = 0xff;
}

QImage Bitmap24::toBgr888() const { return image_.convertToFormat(QImage::Format_BGR888); }

void Bitmap24::fill(std::uint32_t colour)
{
    image_.fill(toQColor(colour));
}

QColor toQColor(std::uint32_t colour)
{
    return QColor(int(colour & 0xff), int((colour >> 8) & 0xff), int((colour >> 16) & 0xff));
}

std::uint32_t fromQColor(const QColor& colour)
{
    return std::uint32_t(colour.blue()) << 16 | std::uint32_t(colour.green()) << 8 | std::uint32_t(colour.red());
}
