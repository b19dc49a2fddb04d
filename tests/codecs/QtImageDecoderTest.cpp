#include "CodecFixtures.h"

#include "platform/codecs/PictureDecoder.h"
#include "platform/codecs/PictureWriter.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

namespace {

using namespace codecfixture;

QByteArray qtEncoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A 3 x 2 GIF made by hand: top row red, green, blue; bottom row a
// transparent pixel, white and black. Its LZW stream clears the code table
// after every two pixels, so each code stays four bits wide.
QByteArray smallGif()
{
    QByteArray b("GIF89a");
    putU16(b, 3);
    putU16(b, 2);
    b.append("\xf2\x00\x00", 3); // global table of 8 colours
    const char palette[] = "\xff\x00\x00"
                           "\x00\xff\x00"
                           "\x00\x00\xff"
                           "\xff\xff\xff"
                           "\x00\x00\x00"
                           "\x80\x80\x80"
                           "\x00\x00\x00"
                           "\x00\x00\x00";
    b.append(palette, 24);
    b.append("\x21\xf9\x04\x01\x00\x00\x05\x00", 8); // colour 5 is transparent
    b.append(',');
    putU16(b, 0);
    putU16(b, 0);
    putU16(b, 3);
    putU16(b, 2);
    b.append('\0');
    const int clear = 8, end = 9;
    const int codes[] = { clear, 0, 1, clear, 2, 5, clear, 3, 4, end };
    QByteArray packed;
    unsigned bits = 0, count = 0;
    for (int code : codes) {
        bits |= unsigned(code) << count;
        count += 4;
        while (count >= 8) {
            packed.append(char(bits & 0xff));
            bits >>= 8;
            count -= 8;
        }
    }
    if (count)
        packed.append(char(bits));
    b.append('\3'); // minimum code size
    b.append(char(packed.size()));
    b.append(packed);
    b.append('\0');
    b.append(';');
    return b;
}

// An icon file holding the given images, each as a 32-bit bitmap.
QByteArray iconOf(const std::vector<QImage>& images)
{
    QByteArray dir, data;
    putU16(dir, 0);
    putU16(dir, 1);
    putU16(dir, std::uint16_t(images.size()));
    std::uint32_t offset = std::uint32_t(6 + 16 * images.size());
    for (const QImage& source : images) {
        const QImage image = source.convertToFormat(QImage::Format_ARGB32);
        QByteArray entry;
        putU32(entry, 40);
        putU32(entry, std::uint32_t(image.width()));
        putU32(entry, std::uint32_t(image.height() * 2));
        putU16(entry, 1);
        putU16(entry, 32);
        for (int i = 0; i < 6; ++i)
            putU32(entry, 0);
        for (int y = image.height() - 1; y >= 0; --y)
            entry.append(reinterpret_cast<const char*>(image.constScanLine(y)), image.width() * 4);
        entry.append(QByteArray((image.width() + 31) / 32 * 4 * image.height(), '\0'));
        dir.append(char(image.width()));
        dir.append(char(image.height()));
        dir.append(2, '\0');
        putU16(dir, 1);
        putU16(dir, 32);
        putU32(dir, std::uint32_t(entry.size()));
        putU32(dir, offset);
        offset += std::uint32_t(entry.size());
        data += entry;
    }
    return dir + data;
}

TEST(QtImageDecoder, GifGivesItsColoursWithTransparencyOverWhite)
{
    const DecodedPicture d = decodePicture(smallGif(), PictureFormat::Gif);
    ASSERT_TRUE(d.ok()) << d.message.toStdString();
    ASSERT_EQ(d.bitmap.width(), 3);
    ASSERT_EQ(d.bitmap.height(), 2);
    EXPECT_EQ(d.bitmap.pixel(0, 0), 0x0000FFu);
    EXPECT_EQ(d.bitmap.pixel(1, 0), 0x00FF00u);
    EXPECT_EQ(d.bitmap.pixel(2, 0), 0xFF0000u);
    EXPECT_EQ(d.bitmap.pixel(0, 1), 0xFFFFFFu) << "transparent";
    EXPECT_EQ(d.bitmap.pixel(2, 1), 0x000000u);
}

TEST(QtImageDecoder, BmpRoundTripsThroughOurWriter)
{
    const Bitmap24 source = quarters(31, 17);
    const QByteArray bmp = encodePicture(source, SaveFormat::Bmp).bytes;
    const DecodedPicture d = decodePicture(bmp, PictureFormat::Bmp);
    ASSERT_TRUE(d.ok()) << d.message.toStdString();
    EXPECT_EQ(d.bitmap.image(), source.image());
}

TEST(QtImageDecoder, IconGivesItsLargestImageWithHalfTransparencyOverWhite)
{
    QImage small(16, 16, QImage::Format_ARGB32);
    small.fill(qRgb(0, 0, 255));
    QImage large(48, 32, QImage::Format_ARGB32);
    large.fill(qRgba(0, 0, 0, 128)); // half-transparent black
    const DecodedPicture d = decodePicture(iconOf({ small, large }), PictureFormat::Ico);
    ASSERT_TRUE(d.ok()) << d.message.toStdString();
    EXPECT_EQ(d.bitmap.width(), 48);
    EXPECT_EQ(d.bitmap.height(), 32);
    // Black at alpha 128 over white: 255 - 128 = 127 in each channel.
    EXPECT_EQ(d.bitmap.pixel(10, 10), 0x7F7F7Fu);
    const PictureInfo info = pictureInfo(iconOf({ small, large }), PictureFormat::Ico);
    EXPECT_EQ(info.size, QSize(48, 32));
}

TEST(QtImageDecoder, EachFormatIsReadOnlyByItsOwnReader)
{
    // A GIF file named as a bitmap is not a bitmap.
    EXPECT_EQ(decodePicture(smallGif(), PictureFormat::Bmp).error, PictureError::Corrupt);
    const QByteArray png = qtEncoded(quarters(8, 8).image(), "png");
    EXPECT_EQ(decodePicture(png, PictureFormat::Gif).error, PictureError::Corrupt);
    EXPECT_EQ(decodePicture(png, PictureFormat::Ico).error, PictureError::Corrupt);
    EXPECT_EQ(decodePicture(png, PictureFormat::Unknown).error, PictureError::Unsupported);
}

// A 24-bit bitmap file header claiming the given size over a few bytes of data.
QByteArray bmpClaiming(std::int32_t width, std::int32_t height)
{
    QByteArray b("BM");
    putU32(b, 54 + 16);
    putU32(b, 0);
    putU32(b, 54);
    putU32(b, 40);
    putU32(b, std::uint32_t(width));
    putU32(b, std::uint32_t(height));
    putU16(b, 1);
    putU16(b, 24);
    for (int i = 0; i < 6; ++i)
        putU32(b, 0);
    return b + QByteArray(16, '\x7f');
}

// A GIF whose logical screen is the given size, with one frame of the
// frame size (the screen's when not given).
QByteArray gifClaiming(
    std::uint16_t width, std::uint16_t height, std::uint16_t frameWidth = 0, std::uint16_t frameHeight = 0)
{
    QByteArray b("GIF89a");
    putU16(b, width);
    putU16(b, height);
    b.append("\x80\x00\x00", 3); // two-colour table
    b.append("\x00\x00\x00\xff\xff\xff", 6);
    b.append(',');
    putU16(b, 0);
    putU16(b, 0);
    putU16(b, frameWidth ? frameWidth : width);
    putU16(b, frameHeight ? frameHeight : height);
    b.append("\x00\x02\x02\x4c\x01\x00\x3b", 7);
    return b;
}

struct DamageCase {
    const char* name;
    PictureFormat format;
    QByteArray (*bytes)();
    PictureError expected;
};

class QtImageDamageTest : public testing::TestWithParam<DamageCase> { };

TEST_P(QtImageDamageTest, FailsCleanly)
{
    const DamageCase c = GetParam();
    const DecodedPicture d = decodePicture(c.bytes(), c.format);
    EXPECT_EQ(d.error, c.expected) << d.message.toStdString();
    EXPECT_TRUE(d.bitmap.isNull());
}

INSTANTIATE_TEST_SUITE_P(Damage, QtImageDamageTest,
    testing::Values(DamageCase { "bmpTooWide", PictureFormat::Bmp, [] { return bmpClaiming(70000, 2); },
                        PictureError::TooLarge },
        DamageCase { "bmpNegativeWidth", PictureFormat::Bmp, [] { return bmpClaiming(-20, 20); },
            PictureError::Corrupt },
        DamageCase {
            "bmpTruncated", PictureFormat::Bmp, [] { return bmpClaiming(200, 200); }, PictureError::Corrupt },
        DamageCase {
            "gifHuge", PictureFormat::Gif, [] { return gifClaiming(65535, 65535); }, PictureError::TooLarge },
        // Decoding allocates the whole screen, however small the frames.
        DamageCase { "gifHugeScreenSmallFrame", PictureFormat::Gif,
            [] { return gifClaiming(65535, 65535, 1, 1); }, PictureError::TooLarge },
        DamageCase {
            "gifHeaderOnly", PictureFormat::Gif, [] { return smallGif().left(13); }, PictureError::Corrupt },
        // 65535 images claimed in a file with room for none.
        DamageCase { "icoCountBeyondFile", PictureFormat::Ico,
            [] { return QByteArray("\0\0\1\0\xff\xff", 6) + QByteArray(40, '\x01'); },
            PictureError::Corrupt },
        DamageCase { "icoEmpty", PictureFormat::Ico, [] { return iconOf({}); }, PictureError::Corrupt },
        DamageCase { "icoTruncated", PictureFormat::Ico,
            [] {
                QImage i(32, 32, QImage::Format_ARGB32);
                i.fill(Qt::red);
                return iconOf({ i }).left(100);
            },
            PictureError::Corrupt },
        DamageCase { "empty", PictureFormat::Gif, [] { return QByteArray(); }, PictureError::Corrupt }),
    [](const testing::TestParamInfo<DamageCase>& i) { return std::string(i.param.name); });

} // namespace
