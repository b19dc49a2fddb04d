#include "platform/codecs/IcoEncoder.h"

#include <QtEndian>

#include <cstdint>

namespace {

constexpr int kDirectorySize = 6 + 16;
constexpr int kInfoHeaderSize = 40;

class LittleEndianWriter {
public:
    explicit LittleEndianWriter(QByteArray& out)
        : out_(out)
    {
    }
    void u8(std::uint8_t v) { out_.append(char(v)); }
    void u16(std::uint16_t v) { append(qToLittleEndian(v)); }
    void u32(std::uint32_t v) { append(qToLittleEndian(v)); }

private:
    template <typename T> void append(T v) { out_.append(reinterpret_cast<const char*>(&v), sizeof v); }
    QByteArray& out_;
};

bool isWhite(const std::uint8_t* p)
{
    return p[0] == 0xff && p[1] == 0xff && p[2] == 0xff;
}

} // namespace

QByteArray encodeIco(const Bitmap24& bitmap)
{
    const int w = bitmap.width(), h = bitmap.height();
    const std::uint32_t colourBytes = std::uint32_t(w) * 4 * std::uint32_t(h);
    const std::uint32_t maskStride = (std::uint32_t(w) + 31) / 32 * 4;
    const std::uint32_t maskBytes = maskStride * std::uint32_t(h);
    const std::uint32_t imageBytes = kInfoHeaderSize + colourBytes + maskBytes;

    QByteArray out;
    out.reserve(kDirectorySize + qsizetype(imageBytes));
    LittleEndianWriter put(out);
    put.u16(0); // reserved
    put.u16(1); // icon
    put.u16(1); // one image
    put.u8(w >= 256 ? 0 : std::uint8_t(w));
    put.u8(h >= 256 ? 0 : std::uint8_t(h));
    put.u8(0); // no palette
    put.u8(0);
    put.u16(1); // planes
    put.u16(32); // bits per pixel
    put.u32(imageBytes);
    put.u32(kDirectorySize);

    put.u32(kInfoHeaderSize);
    put.u32(std::uint32_t(w));
    put.u32(std::uint32_t(h) * 2); // colour rows and mask rows
    put.u16(1);
    put.u16(32);
    put.u32(0); // uncompressed
    put.u32(colourBytes + maskBytes);
    put.u32(0);
    put.u32(0);
    put.u32(0);
    put.u32(0);

    // Both parts run bottom row first.
    for (int y = h - 1; y >= 0; --y) {
        const std::uint8_t* p = bitmap.scanLine(y);
        for (int x = 0; x < w; ++x, p += Bitmap24::kBytesPerPixel) {
            const bool clear = isWhite(p);
            put.u8(p[0]);
            put.u8(p[1]);
            put.u8(p[2]);
            put.u8(clear ? 0 : 0xff);
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(qsizetype(maskStride), '\0');
        const std::uint8_t* p = bitmap.scanLine(y);
        for (int x = 0; x < w; ++x, p += Bitmap24::kBytesPerPixel)
            if (isWhite(p))
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        out.append(row);
    }
    return out;
}
