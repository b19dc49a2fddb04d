#pragma once

#include <QImage>

#include <cstdint>

// A 24-bit bitmap whose rows are blue, green, red bytes, each row padded to a
// multiple of four bytes, so code written against device-independent bitmaps
// can walk the rows directly. Colours in and out are 0x00BBGGRR values.
class Bitmap24 {
public:
    Bitmap24() = default;
    Bitmap24(int width, int height);
    // Adopts an image of any format, converted to the blue-green-red layout.
    explicit Bitmap24(const QImage& image);

    // Reallocates to the given size; the contents are undefined afterwards.
    void resize(int width, int height);

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    bool isNull() const { return image_.isNull(); }
    // Bytes from one row to the next (a multiple of four).
    qsizetype bytesPerLine() const { return image_.bytesPerLine(); }

    // Row y: width * 3 bytes, blue, green, red per pixel. No bounds check.
    std::uint8_t* scanLine(int y) { return image_.scanLine(y); }
    const std::uint8_t* scanLine(int y) const { return image_.constScanLine(y); }

    // 0x00BBGGRR at (x, y); out-of-range reads give 0 and writes do nothing.
    std::uint32_t pixel(int x, int y) const;
    void setPixel(int x, int y, std::uint32_t colour);
    void fill(std::uint32_t colour);

    // The underlying image (QImage::Format_BGR888), for painting, saving, showing.
    QImage& image() { return image_; }
    const QImage& image() const { return image_; }

private:
    QImage image_;
};

// 0x00BBGGRR to and from Qt colours.
QColor toQColor(std::uint32_t colour);
std::uint32_t fromQColor(const QColor& colour);
