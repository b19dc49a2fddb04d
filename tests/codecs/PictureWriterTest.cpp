#include "CodecFixtures.h"

#include "support/TestPaths.h"

#include "platform/codecs/PictureDecoder.h"
#include "platform/codecs/PictureWriter.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

#include <random>

namespace {

using namespace codecfixture;

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString freshDir()
{
    static int n = 0;
    const QString dir = testpaths::scratchDir() + QStringLiteral("/writer%1").arg(++n);
    QDir().mkpath(dir);
    return dir;
}

struct ExtensionCase {
    const char* name;
    QByteArray magic; // the file's first bytes
};

class SaveByExtensionTest : public testing::TestWithParam<ExtensionCase> { };

TEST_P(SaveByExtensionTest, PicksTheFormatFromTheName)
{
    const QString path = freshDir() + u'/' + QString::fromLatin1(GetParam().name);
    ASSERT_TRUE(savePicture(quarters(20, 10), path).ok());
    EXPECT_TRUE(readAll(path).startsWith(GetParam().magic)) << GetParam().name;
}

const QByteArray kJpegMagic("\xff\xd8\xff", 3), kBmpMagic("BM"), kIcoMagic("\0\0\1\0", 4),
    kPngMagic("\x89PNG");

INSTANTIATE_TEST_SUITE_P(Names, SaveByExtensionTest,
    testing::Values(ExtensionCase { "a.jpg", kJpegMagic }, ExtensionCase { "a.JPEG", kJpegMagic },
        ExtensionCase { "a.bmp", kBmpMagic }, ExtensionCase { "a.Bmp", kBmpMagic },
        ExtensionCase { "a.ico", kIcoMagic }, ExtensionCase { "a.png", kPngMagic },
        ExtensionCase { "a.gif", kJpegMagic }, ExtensionCase { "noextension", kJpegMagic },
        ExtensionCase { "a.bmp.jpg", kJpegMagic }));

TEST(PictureWriter, BmpIsTwentyFourBitAndExact)
{
    const Bitmap24 source = quarters(13, 7);
    const QByteArray bmp = encodePicture(source, SaveFormat::Bmp).bytes;
    ASSERT_GE(bmp.size(), 54);
    EXPECT_EQ(qFromLittleEndian<std::uint16_t>(bmp.constData() + 28), 24) << "bits per pixel";
    // Rows of 13 x 3 = 39 bytes padded to 40.
    EXPECT_EQ(bmp.size(), 54 + 40 * 7);
    QImage back = QImage::fromData(bmp, "bmp");
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), source.image());
}

TEST(PictureWriter, IconMakesPureWhiteTransparent)
{
    Bitmap24 source(40, 4);
    source.fill(0xFFFFFF);
    source.setPixel(0, 0, 0xFEFFFF); // nearly white stays
    source.setPixel(1, 0, 0x000000);
    source.setPixel(39, 3, 0x0000FF);
    QImage back = QImage::fromData(encodePicture(source, SaveFormat::Ico).bytes, "ico");
    ASSERT_EQ(back.size(), QSize(40, 4));
    back = back.convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(back.pixel(5, 2)), 0) << "white";
    EXPECT_EQ(back.pixel(0, 0), qRgb(0xFF, 0xFF, 0xFE));
    EXPECT_EQ(back.pixel(1, 0), qRgb(0, 0, 0));
    EXPECT_EQ(back.pixel(39, 3), qRgb(0xFF, 0, 0));
}

TEST(PictureWriter, IconKeepsTheBitmapsOwnSizeBeyondTheDirectorysRange)
{
    // Qt reads no icon over 256 pixels, so the file is checked by hand.
    Bitmap24 source(300, 4);
    source.fill(0xFFFFFF);
    source.setPixel(1, 0, 0x000000);
    const QByteArray ico = encodePicture(source, SaveFormat::Ico).bytes;
    const qsizetype info = 6 + 16;
    ASSERT_EQ(ico.size(), info + 40 + 300 * 4 * 4 + 40 * 4) << "colour rows, then mask rows of 40 bytes";
    EXPECT_EQ(std::uint8_t(ico[6]), 0) << "a width of 256 or more reads 0 in the directory";
    EXPECT_EQ(std::uint8_t(ico[7]), 4);
    EXPECT_EQ(qFromLittleEndian<std::int32_t>(ico.constData() + info + 4), 300);
    EXPECT_EQ(qFromLittleEndian<std::int32_t>(ico.constData() + info + 8), 8) << "colour and mask heights";
    EXPECT_EQ(qFromLittleEndian<std::uint16_t>(ico.constData() + info + 14), 32);
    // The AND mask marks white for readers without alpha. Rows run bottom
    // first, so the top row, whose second pixel is black, comes last.
    const qsizetype mask = info + 40 + 300 * 4 * 4;
    EXPECT_EQ(std::uint8_t(ico[mask]), 0xFF);
    EXPECT_EQ(std::uint8_t(ico[mask + 3 * 40]), 0xBF);
    // The black pixel's alpha in the top row, the last of the colour rows.
    EXPECT_EQ(std::uint8_t(ico[info + 40 + 3 * 1200 + 4 + 3]), 0xFF);
    EXPECT_EQ(std::uint8_t(ico[info + 40 + 3 * 1200 + 3]), 0x00);
}

TEST(PictureWriter, PngIsLossless)
{
    Bitmap24 source(57, 33);
    std::mt19937 random(7);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            source.setPixel(x, y, random() & 0xFFFFFF);
    const QByteArray png = encodePicture(source, SaveFormat::Png).bytes;
    EXPECT_EQ(QImage::fromData(png, "png").convertToFormat(QImage::Format_RGB32), source.image());
}

TEST(PictureWriter, SavedJpegReadsBackAtEveryScale)
{
    const QString path = freshDir() + QStringLiteral("/sheet.jpg");
    ASSERT_TRUE(savePicture(quarters(160, 120), path).ok());
    DecodeOptions eighth;
    eighth.scaleDenominator = 8;
    const DecodedPicture d = decodePictureFile(path, eighth);
    ASSERT_TRUE(d.ok());
    EXPECT_EQ(QSize(d.bitmap.width(), d.bitmap.height()), QSize(20, 15));
}

TEST(PictureWriter, FailureLeavesNoFileAndKeepsTheOldOne)
{
    const QString dir = freshDir();
    // A folder that does not exist.
    const SaveResult missing = savePicture(quarters(8, 8), dir + QStringLiteral("/none/a.jpg"));
    EXPECT_FALSE(missing.ok());
    EXPECT_FALSE(missing.message.isEmpty());
    // A picture that cannot be encoded leaves the existing file as it was.
    const QString existing = dir + QStringLiteral("/old.bmp");
    ASSERT_TRUE(savePicture(quarters(8, 8), existing).ok());
    const QByteArray before = readAll(existing);
    EXPECT_FALSE(savePicture(Bitmap24(), existing).ok());
    EXPECT_EQ(readAll(existing), before);
    // The target is a folder.
    QDir(dir).mkdir(QStringLiteral("folder.png"));
    EXPECT_FALSE(savePicture(quarters(8, 8), dir + QStringLiteral("/folder.png")).ok());
    // No temporary files stay behind.
    EXPECT_EQ(QDir(dir).entryList(QDir::Files), QStringList { QStringLiteral("old.bmp") });
}

TEST(PictureWriter, ReplacesAnExistingFileWhole)
{
    const QString path = freshDir() + QStringLiteral("/a.png");
    ASSERT_TRUE(savePicture(quarters(300, 300), path).ok());
    ASSERT_TRUE(savePicture(quarters(4, 4), path).ok());
    EXPECT_EQ(QImageReader(path).size(), QSize(4, 4));
}

} // namespace
