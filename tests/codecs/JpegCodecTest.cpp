#include "CodecFixtures.h"

#include "platform/codecs/JpegEncoder.h"
#include "platform/codecs/PictureDecoder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using namespace codecfixture;

DecodedPicture decodeAt(const QByteArray& jpeg, int denominator)
{
    DecodeOptions options;
    options.scaleDenominator = denominator;
    return decodePicture(jpeg, PictureFormat::Jpeg, options);
}

bool near(std::uint32_t a, std::uint32_t b, int tolerance)
{
    for (int shift = 0; shift < 24; shift += 8)
        if (std::abs(int((a >> shift) & 0xff) - int((b >> shift) & 0xff)) > tolerance)
            return false;
    return true;
}

struct ScaleCase {
    int denominator;
    int width, height; // each side divided and rounded up
};

class JpegScaleTest : public testing::TestWithParam<ScaleCase> { };

TEST_P(JpegScaleTest, DecodesAtReducedSizeWithColoursKept)
{
    const ScaleCase c = GetParam();
    const QByteArray jpeg = encodeJpeg(quarters(203, 150), 90).bytes;
    const DecodedPicture d = decodeAt(jpeg, c.denominator);
    ASSERT_TRUE(d.ok()) << d.message.toStdString();
    EXPECT_EQ(d.bitmap.width(), c.width);
    EXPECT_EQ(d.bitmap.height(), c.height);
    EXPECT_EQ(scaledJpegSize(QSize(203, 150), c.denominator), QSize(c.width, c.height));
    // Probes a quarter of the way into each flat quarter.
    const int w = d.bitmap.width(), h = d.bitmap.height();
    EXPECT_TRUE(near(d.bitmap.pixel(w / 4, h / 4), 0x0000FF, 12));
    EXPECT_TRUE(near(d.bitmap.pixel(3 * w / 4, h / 4), 0x00FF00, 12));
    EXPECT_TRUE(near(d.bitmap.pixel(w / 4, 3 * h / 4), 0xFF0000, 12));
    EXPECT_TRUE(near(d.bitmap.pixel(3 * w / 4, 3 * h / 4), 0xFFFFFF, 12));
    // The unused fourth byte must stay 0xFF for painting to treat it as opaque.
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            ASSERT_EQ(d.bitmap.scanLine(y)[4 * x + 3], 0xff) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(Scales, JpegScaleTest,
    testing::Values(ScaleCase { 1, 203, 150 }, ScaleCase { 2, 102, 75 }, ScaleCase { 4, 51, 38 },
        ScaleCase { 8, 26, 19 }));

TEST(JpegEncoder, WritesBaselineAtQualityNinety)
{
    const QByteArray jpeg = encodeJpeg(quarters(64, 48), 90).bytes;
    ASSERT_GT(jpeg.size(), 4);
    EXPECT_EQ(std::uint8_t(jpeg[0]), 0xff);
    EXPECT_EQ(std::uint8_t(jpeg[1]), 0xd8);
    EXPECT_GE(findMarker(jpeg, 0xC0), 0) << "baseline frame header";
    EXPECT_EQ(findMarker(jpeg, 0xC2), -1) << "no progressive frame header";
    // Quality 90 scales the standard tables by 200 - 2 x 90 = 20 %: the
    // luminance table's first entry, 16, becomes (16 x 20 + 50) / 100 = 3.
    const qsizetype dqt = findMarker(jpeg, 0xDB);
    ASSERT_GE(dqt, 0);
    EXPECT_EQ(std::uint8_t(jpeg[dqt + 4]), 0) << "8-bit table 0";
    EXPECT_EQ(std::uint8_t(jpeg[dqt + 5]), 3);
    // Three components: a colour picture.
    const qsizetype sof = findMarker(jpeg, 0xC0);
    EXPECT_EQ(std::uint8_t(jpeg[sof + 9]), 3);
}

struct KindCase {
    const char* name;
    JpegKind kind;
    std::uint32_t centre; // expected colour in the middle, 0x00BBGGRR
};

class JpegKindTest : public testing::TestWithParam<KindCase> { };

TEST_P(JpegKindTest, DecodesAsColour)
{
    const KindCase c = GetParam();
    for (int denominator : { 1, 8 }) {
        const DecodedPicture d = decodeAt(makeJpeg(80, 40, c.kind), denominator);
        ASSERT_TRUE(d.ok()) << d.message.toStdString();
        EXPECT_EQ(d.bitmap.width(), 80 / denominator);
        EXPECT_TRUE(near(d.bitmap.pixel(d.bitmap.width() / 2, d.bitmap.height() / 2), c.centre, 8))
            << std::hex << d.bitmap.pixel(d.bitmap.width() / 2, d.bitmap.height() / 2);
        EXPECT_EQ(d.bitmap.scanLine(0)[3], 0xff);
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, JpegKindTest,
    testing::Values(KindCase { "progressive", JpegKind::Progressive, 0x3264C8 },
        KindCase { "grey", JpegKind::Grey, 0x808080 },
        KindCase { "adobeCmyk", JpegKind::AdobeCmyk, 0x0000FF }),
    [](const testing::TestParamInfo<KindCase>& i) { return std::string(i.param.name); });

struct DamageCase {
    const char* name;
    QByteArray (*damage)(const QByteArray&);
    PictureError expected;
};

class JpegDamageTest : public testing::TestWithParam<DamageCase> { };

TEST_P(JpegDamageTest, FailsCleanly)
{
    const DamageCase c = GetParam();
    for (JpegKind kind : { JpegKind::Baseline, JpegKind::Progressive }) {
        const QByteArray bytes = c.damage(makeJpeg(120, 90, kind));
        for (int denominator : { 1, 8 }) {
            const DecodedPicture d = decodeAt(bytes, denominator);
            EXPECT_EQ(d.error, c.expected) << d.message.toStdString();
            EXPECT_FALSE(d.message.isEmpty());
            EXPECT_TRUE(d.bitmap.isNull());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Damage, JpegDamageTest,
    testing::Values(
        DamageCase { "empty", [](const QByteArray&) { return QByteArray(); }, PictureError::Corrupt },
        DamageCase { "notAJpeg", [](const QByteArray&) { return QByteArray("GIF89a not a jpeg at all"); },
            PictureError::Corrupt },
        DamageCase { "headerOnly", [](const QByteArray& j) { return j.left(findMarker(j, 0xDA)); },
            PictureError::Corrupt },
        DamageCase {
            "cutInHalf", [](const QByteArray& j) { return j.left(j.size() / 2); }, PictureError::Corrupt },
        DamageCase {
            "noEndMarker", [](const QByteArray& j) { return j.left(j.size() - 40); }, PictureError::Corrupt },
        DamageCase { "zeroWidth", [](const QByteArray& j) { return withFrameSize(j, 0, 90); },
            PictureError::Corrupt }),
    [](const testing::TestParamInfo<DamageCase>& i) { return std::string(i.param.name); });

TEST(JpegDecoder, HugeFrameIsRefusedBeforeDecoding)
{
    // 65000 x 65000 is 4.2 gigapixels: refused before anything is allocated.
    const QByteArray bytes = withFrameSize(makeJpeg(120, 90, JpegKind::Baseline), 65000, 65000);
    EXPECT_EQ(decodeAt(bytes, 1).error, PictureError::TooLarge);
    // An eighth of it, 8125 x 8125, may be decoded, but the data of a small
    // picture end at once, and so does the decode.
    EXPECT_EQ(decodeAt(bytes, 8).error, PictureError::Corrupt);
}

TEST(JpegDecoder, HugeProgressiveFrameIsRefusedEvenAtOneEighth)
{
    // An eighth of 60000 x 60000 is within the pixel limit, but a progressive
    // file keeps the coefficients of the whole picture: 60000 x 60000 x 3
    // components x 2 bytes, far past what libjpeg is allowed to take.
    const QByteArray bytes = withFrameSize(makeJpeg(64, 64, JpegKind::Progressive), 60000, 60000);
    const DecodedPicture d = decodeAt(bytes, 8);
    EXPECT_EQ(d.error, PictureError::TooLarge) << d.message.toStdString();
}

TEST(JpegDecoder, FileWithEndlessScansIsRefused)
{
    // Repeating the last scan of a progressive file makes a small file that
    // would pass over the whole picture once per copy.
    const QByteArray jpeg = makeJpeg(64, 64, JpegKind::Progressive);
    qsizetype lastScan = -1;
    for (qsizetype at = findMarker(jpeg, 0xDA); at >= 0 && at < jpeg.size() - 2;) {
        lastScan = at;
        const qsizetype next = jpeg.indexOf(QByteArray("\xff\xda", 2), at + 2);
        at = next;
    }
    ASSERT_GT(lastScan, 0);
    const QByteArray scan = jpeg.mid(lastScan, jpeg.size() - 2 - lastScan);
    QByteArray endless = jpeg.left(jpeg.size() - 2);
    for (int i = 0; i < 600; ++i)
        endless += scan;
    endless += QByteArray("\xff\xd9", 2);
    const DecodedPicture d = decodeAt(endless, 8);
    EXPECT_EQ(d.error, PictureError::Corrupt) << d.message.toStdString();
}

TEST(JpegDecoder, RefusesScalesLibjpegDoesNotOffer)
{
    const QByteArray jpeg = encodeJpeg(quarters(16, 16), 90).bytes;
    for (int denominator : { 0, 3, 16, -1 })
        EXPECT_EQ(decodeAt(jpeg, denominator).error, PictureError::Unsupported) << denominator;
}

TEST(JpegDecoder, InfoReadsTheFullSizeOnly)
{
    const PictureInfo info
        = pictureInfo(withFrameSize(makeJpeg(64, 64, JpegKind::Baseline), 4000, 3000), PictureFormat::Jpeg);
    ASSERT_TRUE(info.ok());
    EXPECT_EQ(info.format, PictureFormat::Jpeg);
    EXPECT_EQ(info.size, QSize(4000, 3000));
    EXPECT_FALSE(pictureInfo(QByteArray("\xff\xd8\xff", 3), PictureFormat::Jpeg).ok());
}

} // namespace
