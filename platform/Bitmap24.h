#pragma once

#include <QImage>

#include <cstdint>

// A bitmap of 24-bit colours with direct row access. Each pixel is four bytes,
// blue, green, red and an unused byte kept at 0xFF: the painting engine fills
// this layout many times faster than packed three-byte pixels, and the blue,
// green, red order is the one the pixel code expects. toBgr888 gives packed
// three-byte rows for encoders and printers. Colours in and out are
// 0x00BBGGRR values.
class Bitmap24 {
public:
    static constexpr int kBytesPerPixel = 4;

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

    // Row y: width * kBytesPerPixel bytes, blue, green, red, 0xFF per pixel.
    // Writers keep the fourth byte at 0xFF. No bounds check.
    std::uint8_t* scanLine(int y) { return image_.scanLine(y); }
    const std::uint8_t* scanLine(int y) const { return image_.constScanLine(y); }

    // 0x00BBGGRR at (x, y); out-of-range reads give 0 and writes do nothing.
    std::uint32_t pixel(int x, int y) const;
    void setPixel(int x, int y, std::uint32_t colour);
    void fill(std::uint32_t colour);

    // Packed rows of blue, green, red bytes (QImage::Format_BGR888).
    QImage toBgr888() const;

    // The underlying image (QImage::Format_RGB32), for painting, saving, showing.
    QImage& image() { return image_; }
    const QImage& image() const { return image_; }

private:
    QImage image_;
};

// 0x00BBGGRR to and from Qt colours.
QColor toQColor(std::uint32_t colour);
std::uint32_t fromQColor(const QColor& colour);
