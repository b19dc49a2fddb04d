#include "CodecFixtures.h"

#include "platform/codecs/PictureDecoder.h"

#include <QColor>

#include <gtest/gtest.h>

namespace {

using namespace codecfixture;

bool reddish(std::uint32_t c)
{
    return (c & 0xff) > 200 && ((c >> 8) & 0xff) < 60 && ((c >> 16) & 0xff) < 60;
}

DecodeOptions atDpi(double dpi)
{
    DecodeOptions o;
    o.dpiX = o.dpiY = dpi;
    return o;
}

struct SizeCase {
    const char* name;
    QByteArray (*bytes)();
    double dpi;
    QSize size;
};

class MetafileSizeTest : public testing::TestWithParam<SizeCase> { };

TEST_P(MetafileSizeTest, DrawnAtItsOwnSize)
{
    const SizeCase c = GetParam();
    const QByteArray bytes = c.bytes();
    const PictureInfo info = pictureInfo(bytes, PictureFormat::Metafile, atDpi(c.dpi));
    ASSERT_TRUE(info.ok()) << info.message.toStdString();
    EXPECT_EQ(info.size, c.size);
    const DecodedPicture d = decodePicture(bytes, PictureFormat::Metafile, atDpi(c.dpi));
    ASSERT_TRUE(d.ok()) << d.message.toStdString();
    ASSERT_EQ(QSize(d.bitmap.width(), d.bitmap.height()), c.size);
    // The red rectangle covers the middle; the corners stay white.
    const int w = c.size.width(), h = c.size.height();
    EXPECT_TRUE(reddish(d.bitmap.pixel(w / 2, h / 2))) << std::hex << d.bitmap.pixel(w / 2, h / 2);
    EXPECT_EQ(d.bitmap.pixel(1, 1), 0xFFFFFFu);
    EXPECT_EQ(d.bitmap.pixel(w - 2, h - 2), 0xFFFFFFu);
}

INSTANTIATE_TEST_SUITE_P(Sizes, MetafileSizeTest,
    testing::Values(
        // A frame of 26.45 x 13.22 mm: 2645 x 96 / 2540 = 99.97 -> 100, 1322 x 96 / 2540 = 49.97 -> 50.
        SizeCase { "emf96", [] { return makeEmf(2645, 1322); }, 96, QSize(100, 50) },
        SizeCase { "emf192", [] { return makeEmf(2645, 1322); }, 192, QSize(200, 100) },
        // 1440 x 720 twips are 1 x 0.5 inch.
        SizeCase { "wmf96", [] { return makePlaceableWmf(1440, 720, 1440); }, 96, QSize(96, 48) },
        // 300 x 100 units at 100 per inch: 3 x 1 inch.
        SizeCase { "wmf120", [] { return makePlaceableWmf(300, 100, 100); }, 120, QSize(360, 120) }),
    [](const testing::TestParamInfo<SizeCase>& i) { return std::string(i.param.name); });

TEST(MetafileDecoder, WmfPiesSitOnTheirCentreAndPolylinesStayOpen)
{
    // One inch by half an inch: 96 x 48 pixels, 15 units a pixel.
    WmfRecords r;
    r.add(0x02FC, { 0, 0x00FF, 0, 0 }) // solid red brush
        .add(0x012D, { 0 })
        .add(0x02FA, { 0, 0, 0, 0, 0x00FF }) // blue pen: style, width x, y, colour
        .add(0x012D, { 1 })
        // PIE in the box (720, 0)-(1440, 720) from its top point counter-clockwise to
        // its bottom point: the left half of a disc of radius 24 pixels about (72, 24).
        .add(0x081A, { 720, 1080, 0, 1080, 720, 1440, 0, 720 })
        // An open V from the top left corner down to (24, 48) and up to (48, 0).
        .add(0x0325, { 3, 0, 0, 360, 720, 720, 0 });
    const DecodedPicture d = decodePicture(placeableWmf(1440, 720, 1440, r), PictureFormat::Metafile);
    ASSERT_TRUE(d.ok()) << d.message.toStdString();
    ASSERT_EQ(QSize(d.bitmap.width(), d.bitmap.height()), QSize(96, 48));
    EXPECT_TRUE(reddish(d.bitmap.pixel(62, 24))) << "inside the half disc";
    EXPECT_EQ(d.bitmap.pixel(82, 24), 0xFFFFFFu) << "the other half";
    EXPECT_EQ(d.bitmap.pixel(24, 14), 0xFFFFFFu) << "inside the V, which is not filled";
    EXPECT_EQ(d.bitmap.pixel(4, 4), 0xFFFFFFu) << "where a pie about the origin would fall";
}

// A 2 x 2 24-bit bitmap, bottom row first: red, green; then blue, white.
QByteArray smallDib()
{
    QByteArray dib;
    for (std::uint32_t v : { 40u, 2u, 2u })
        putU32(dib, v);
    putU16(dib, 1);
    putU16(dib, 24);
    for (int i = 0; i < 6; ++i)
        putU32(dib, 0);
    dib.append("\x00\x00\xff\x00\xff\x00\x00\x00", 8);
    dib.append("\xff\x00\x00\xff\xff\xff\x00\x00", 8);
    return dib;
}

TEST(MetafileDecoder, WmfBitmapsAreDrawnOnceAtTheirPlace)
{
    // Stretched over the box's left half, 720 x 720 units: 48 x 48 pixels.
    auto withBitmap = [](const QByteArray& dib) {
        QByteArray params;
        putU32(params, 0x00CC0020); // SRCCOPY
        for (std::int16_t v : { 2, 2, 0, 0, 720, 720, 0, 0 }) // source h, w, y, x; destination h, w, y, x
            putU16(params, std::uint16_t(v));
        WmfRecords r;
        r.addBytes(0x0B41, params + dib); // DIBSTRETCHBLT
        return placeableWmf(1440, 720, 1440, r, 0);
    };
    const DecodedPicture d = decodePicture(withBitmap(smallDib()), PictureFormat::Metafile);
    ASSERT_TRUE(d.ok()) << d.message.toStdString();
    auto dominant = [&](int x, int y) {
        const std::uint32_t c = d.bitmap.pixel(x, y);
        const int r = c & 0xff, g = (c >> 8) & 0xff, b = (c >> 16) & 0xff;
        return r > g + 60 && r > b + 60 ? 'r'
            : g > r + 60 && g > b + 60  ? 'g'
            : b > r + 60 && b > g + 60  ? 'b'
                                        : '-';
    };
    EXPECT_EQ(dominant(8, 8), 'b');
    EXPECT_EQ(dominant(8, 40), 'r');
    EXPECT_EQ(dominant(40, 40), 'g');
    EXPECT_EQ(d.bitmap.pixel(72, 24), 0xFFFFFFu) << "the right half stays empty";

    // A bitmap claiming 60000 x 60000 pixels over 16 bytes is left out.
    QByteArray huge = smallDib();
    qToLittleEndian<std::int32_t>(60000, huge.data() + 4);
    qToLittleEndian<std::int32_t>(60000, huge.data() + 8);
    const DecodedPicture without = decodePicture(withBitmap(huge), PictureFormat::Metafile);
    ASSERT_TRUE(without.ok()) << without.message.toStdString();
    EXPECT_EQ(without.bitmap.pixel(8, 8), 0xFFFFFFu);
}

TEST(MetafileDecoder, EmfDescriptionIsNeverRead)
{
    // No description, yet an offset far past the file: the converter would
    // read from there.
    QByteArray emf = makeEmf(2645, 1322);
    qToLittleEndian<std::uint32_t>(0, emf.data() + 60);
    qToLittleEndian<std::uint32_t>(4000, emf.data() + 64);
    const DecodedPicture d = decodePicture(emf, PictureFormat::Metafile);
    ASSERT_TRUE(d.ok()) << d.message.toStdString();
    EXPECT_TRUE(reddish(d.bitmap.pixel(50, 25)));
}

TEST(MetafileDecoder, EmfRecordWhosePointsReachPastItIsRefused)
{
    // POLYLINE16 claiming 1000 points in a record with room for two.
    QByteArray polyline;
    for (std::uint32_t v : { 87u, 36u, 0u, 0u, 10u, 10u, 1000u })
        putU32(polyline, v);
    putU32(polyline, 0);
    putU32(polyline, 0x000A000A);
    const DecodedPicture d = decodePicture(makeEmf(2645, 1322, true, polyline), PictureFormat::Metafile);
    EXPECT_EQ(d.error, PictureError::Corrupt) << d.message.toStdString();
}

TEST(MetafileDecoder, BareWmfTakesTheSizeOfWhatItDraws)
{
    // Without its placeable header the file has no physical size; it is as
    // large as its drawing, here about half the window.
    const QByteArray bare = makePlaceableWmf(1440, 720, 1440).mid(22);
    const DecodedPicture d = decodePicture(bare, PictureFormat::Metafile);
    ASSERT_TRUE(d.ok()) << d.message.toStdString();
    EXPECT_GT(d.bitmap.width(), 1);
    EXPECT_GT(d.bitmap.height(), 1);
    EXPECT_TRUE(reddish(d.bitmap.pixel(d.bitmap.width() / 2, d.bitmap.height() / 2)));
}

struct DamageCase {
    const char* name;
    QByteArray (*bytes)();
    PictureError expected;
};

class MetafileDamageTest : public testing::TestWithParam<DamageCase> { };

TEST_P(MetafileDamageTest, FailsCleanly)
{
    const DamageCase c = GetParam();
    const QByteArray bytes = c.bytes();
    const DecodedPicture d = decodePicture(bytes, PictureFormat::Metafile);
    EXPECT_EQ(d.error, c.expected) << d.message.toStdString();
    EXPECT_TRUE(d.bitmap.isNull());
    EXPECT_EQ(pictureInfo(bytes, PictureFormat::Metafile).error, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Damage, MetafileDamageTest,
    testing::Values(
        DamageCase { "emfWithoutEnd", [] { return makeEmf(2645, 1322, false); }, PictureError::Corrupt },
        DamageCase { "emfCut", [] { return makeEmf(2645, 1322).left(120); }, PictureError::Corrupt },
        DamageCase { "emfEmptyFrame", [] { return makeEmf(0, 1322); }, PictureError::Corrupt },
        DamageCase { "emfNegativeFrame", [] { return makeEmf(-2645, 1322); }, PictureError::Corrupt },
        // A frame of 100 x 100 metres.
        DamageCase { "emfHugeFrame", [] { return makeEmf(10000000, 10000000); }, PictureError::TooLarge },
        DamageCase { "emfFrameBeyondIntegers", [] { return makeEmf(2147483647, 2147483647); },
            PictureError::TooLarge },
        // 32767 units at 1 unit per inch: 32767 inches.
        DamageCase { "wmfHugeBox", [] { return makePlaceableWmf(32767, 32767, 1); }, PictureError::TooLarge },
        DamageCase { "wmfNoUnits", [] { return makePlaceableWmf(1440, 720, 0); }, PictureError::Corrupt },
        DamageCase {
            "wmfCut", [] { return makePlaceableWmf(1440, 720, 1440).left(60); }, PictureError::Corrupt },
        DamageCase { "notAMetafile", [] { return QByteArray("GIF89a\x01\x00\x01\x00 and more bytes here"); },
            PictureError::Corrupt },
        DamageCase { "empty", [] { return QByteArray(); }, PictureError::Corrupt }),
    [](const testing::TestParamInfo<DamageCase>& i) { return std::string(i.param.name); });

} // namespace
