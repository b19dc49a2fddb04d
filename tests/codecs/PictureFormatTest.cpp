#include "platform/codecs/PictureFormat.h"
#include "platform/codecs/PictureDecoder.h"

#include <gtest/gtest.h>

namespace {

TEST(PictureFormat, OpenedByExtension)
{
    const struct {
        const char* path;
        PictureFormat format;
    } cases[] = {
        { "photo.jpg", PictureFormat::Jpeg },
        { "photo.JPEG", PictureFormat::Jpeg },
        { "/a.b/logo.gif", PictureFormat::Gif },
        { "scan.Bmp", PictureFormat::Bmp },
        { "icon.ico", PictureFormat::Ico },
        { "chart.emf", PictureFormat::Metafile },
        { "chart.WMF", PictureFormat::Metafile },
        { " photo.jpg ", PictureFormat::Jpeg },
        { "photo.png", PictureFormat::Unknown },
        { "/folder.jpg/photo", PictureFormat::Unknown },
        { "jpg", PictureFormat::Unknown },
        { "", PictureFormat::Unknown },
    };
    for (const auto& c : cases)
        EXPECT_EQ(pictureFormatForPath(QString::fromUtf8(c.path)), c.format) << c.path;
}

TEST(PictureFormat, UnknownExtensionIsNotDecoded)
{
    const DecodedPicture d = decodePictureFile(QStringLiteral("/nowhere/picture.tiff"));
    EXPECT_EQ(d.error, PictureError::Unsupported);
    EXPECT_EQ(decodePictureFile(QStringLiteral("/nowhere/picture.jpg")).error, PictureError::Unreadable);
}

} // namespace
