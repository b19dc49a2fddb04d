#include "platform/codecs/QtImageDecoder.h"

#include "platform/codecs/PictureLimits.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

#include <cstdlib>

#include <mutex>

namespace {

QByteArray qtFormatName(PictureFormat format)
{
    switch (format) {
    case PictureFormat::Gif:
        return "gif";
    case PictureFormat::Bmp:
        return "bmp";
    case PictureFormat::Ico:
        return "ico";
    default:
        return {};
    }
}

// Qt's readers refuse, by themselves, images needing more memory than their
// allocation limit; it is raised once to the size our own check allows, so
// that check is the one that speaks.
void raiseQtAllocationLimit()
{
    static std::once_flag once;
    std::call_once(once, [] {
        const int megabytes = int(kMaxPicturePixels * Bitmap24::kBytesPerPixel / (1 << 20));
        if (QImageReader::allocationLimit() < megabytes)
            QImageReader::setAllocationLimit(megabytes);
    });
}

// A reader bound to one format, never guessing another from the contents.
struct BoundReader {
    QByteArray data;
    QBuffer buffer;
    QImageReader reader;

    BoundReader(const QByteArray& bytes, PictureFormat format)
        : data(bytes)
        , buffer(&data)
    {
        raiseQtAllocationLimit();
        buffer.open(QIODevice::ReadOnly);
        reader.setDevice(&buffer);
        reader.setFormat(qtFormatName(format));
        reader.setAutoDetectImageFormat(false);
        reader.setDecideFormatFromContent(false);
    }
};

// Real icons hold a few images, one for each size and colour depth.
constexpr int kMaxIconImages = 256;

// The image an icon file is shown by: its largest; -1 when the directory
// claims more images than an icon holds or than the file has room for
// (each costs Qt a look at the file, so a damaged count is slow as well).
int largestImage(QImageReader& reader, qsizetype fileSize)
{
    constexpr qsizetype kDirectoryHeader = 6, kEntry = 16;
    const int count = reader.imageCount();
    if (count > kMaxIconImages || kDirectoryHeader + kEntry * count > fileSize)
        return -1;
    int best = 0;
    qint64 bestArea = -1;
    for (int i = 0; i < count; ++i) {
        if (!reader.jumpToImage(i))
            break;
        const QSize s = reader.size();
        if (qint64(s.width()) * s.height() > bestArea) {
            bestArea = qint64(s.width()) * s.height();
            best = i;
        }
    }
    return best;
}

// Composites over white: what remains of a transparent pixel on a bitmap
// that has no transparency.
Bitmap24 overWhite(const QImage& image)
{
    const QImage premultiplied = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    Bitmap24 out(image.width(), image.height());
    if (out.isNull())
        return out;
    for (int y = 0; y < image.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(premultiplied.constScanLine(y));
        std::uint8_t* row = out.scanLine(y);
        for (int x = 0; x < image.width(); ++x, row += Bitmap24::kBytesPerPixel) {
            const QRgb p = in[x];
            const int white = 255 - qAlpha(p);
            row[0] = std::uint8_t(qBlue(p) + white);
            row[1] = std::uint8_t(qGreen(p) + white);
            row[2] = std::uint8_t(qRed(p) + white);
            row[3] = 0xff;
        }
    }
    return out;
}

// Qt's bitmap reader keeps what it read of an uncompressed bitmap whose
// pixels are cut short and leaves the rest undefined; such a file is refused.
bool bmpPixelsEndEarly(const QByteArray& b)
{
    constexpr qsizetype kFileHeader = 14;
    if (b.size() < kFileHeader + 16)
        return false; // the reader refuses it
    const std::uint32_t pixelsAt = qFromLittleEndian<std::uint32_t>(b.constData() + 10);
    const std::uint32_t infoSize = qFromLittleEndian<std::uint32_t>(b.constData() + kFileHeader);
    std::int64_t width = 0, height = 0, bits = 0, compression = 0;
    if (infoSize == 12) {
        width = qFromLittleEndian<std::uint16_t>(b.constData() + kFileHeader + 4);
        height = qFromLittleEndian<std::uint16_t>(b.constData() + kFileHeader + 6);
        bits = qFromLittleEndian<std::uint16_t>(b.constData() + kFileHeader + 10);
    } else if (infoSize >= 40 && b.size() >= kFileHeader + 20) {
        width = qFromLittleEndian<std::int32_t>(b.constData() + kFileHeader + 4);
        height = std::abs(std::int64_t(qFromLittleEndian<std::int32_t>(b.constData() + kFileHeader + 8)));
        bits = qFromLittleEndian<std::uint16_t>(b.constData() + kFileHeader + 14);
        compression = qFromLittleEndian<std::uint32_t>(b.constData() + kFileHeader + 16);
    } else {
        return false;
    }
    constexpr std::int64_t kUncompressed = 0, kBitFields = 3;
    if ((compression != kUncompressed && compression != kBitFields) || width <= 0 || bits <= 0 || bits > 32)
        return false;
    const std::int64_t stride = (width * bits + 31) / 32 * 4;
    return std::int64_t(pixelsAt) + stride * height > b.size();
}

// A GIF is decoded at its logical screen size, which Qt's reader does not
// report (it gives the first frame's size): read from the header itself.
QSize gifScreenSize(const QByteArray& b)
{
    if (b.size() < 10)
        return {};
    return QSize(qFromLittleEndian<std::uint16_t>(b.constData() + 6),
        qFromLittleEndian<std::uint16_t>(b.constData() + 8));
}

// The most a picture may need once decoded, as far as its header tells.
QSize claimedSize(BoundReader& r, const QByteArray& bytes, PictureFormat format)
{
    const QSize size = r.reader.size();
    if (format != PictureFormat::Gif || !size.isValid())
        return size;
    const QSize screen = gifScreenSize(bytes);
    return QSize(std::max(size.width(), screen.width()), std::max(size.height(), screen.height()));
}

} // namespace

PictureInfo readQtImageInfo(const QByteArray& bytes, PictureFormat format)
{
    PictureInfo info;
    info.format = format;
    if (format == PictureFormat::Ico) {
        // An icon's directory may disagree with its images, and no icon is
        // larger than 256 x 256: decoding it is the reliable measure.
        const DecodedPicture icon = decodeQtImage(bytes, format, DecodeOptions {});
        if (!icon.ok())
            return infoFailure(format, icon.error, icon.message);
        info.size = QSize(icon.bitmap.width(), icon.bitmap.height());
        return info;
    }
    BoundReader r(bytes, format);
    info.size = r.reader.size();
    if (format == PictureFormat::Gif && info.size.isValid()) {
        // The decoded picture has the screen's size; a side the screen
        // leaves at 0 is the frame's.
        const QSize screen = gifScreenSize(bytes);
        info.size = QSize(screen.width() > 0 ? screen.width() : info.size.width(),
            screen.height() > 0 ? screen.height() : info.size.height());
    }
    if (!info.size.isValid() || info.size.isEmpty())
        return infoFailure(
            format, PictureError::Corrupt, QStringLiteral("the picture's header cannot be read"));
    return info;
}

DecodedPicture decodeQtImage(const QByteArray& bytes, PictureFormat format, const DecodeOptions& options)
{
    BoundReader r(bytes, format);
    if (format == PictureFormat::Ico) {
        const int image = largestImage(r.reader, bytes.size());
        if (image < 0)
            return decodeFailure(
                PictureError::Corrupt, QStringLiteral("the icon's list of images is damaged"));
        r.reader.jumpToImage(image);
    }
    // The header's size is checked before the reader allocates the picture;
    // the decoded one again, since a damaged file may disagree with itself.
    const QSize claimed = claimedSize(r, bytes, format);
    if (!claimed.isValid() || claimed.isEmpty())
        return decodeFailure(PictureError::Corrupt, QStringLiteral("the picture's header cannot be read"));
    QString problem = pictureSizeProblem(claimed.width(), claimed.height(), options);
    if (!problem.isNull())
        return decodeFailure(PictureError::TooLarge, problem);
    if (format == PictureFormat::Bmp && bmpPixelsEndEarly(bytes))
        return decodeFailure(PictureError::Corrupt, QStringLiteral("the picture's data end early"));
    QImage image;
    if (!r.reader.read(&image) || image.isNull())
        return decodeFailure(PictureError::Corrupt, r.reader.errorString());
    problem = pictureSizeProblem(image.width(), image.height(), options);
    if (!problem.isNull())
        return decodeFailure(PictureError::TooLarge, problem);
    DecodedPicture result;
    result.bitmap = image.hasAlphaChannel() ? overWhite(image) : Bitmap24(image);
    if (result.bitmap.isNull())
        return decodeFailure(PictureError::TooLarge, QStringLiteral("not enough memory for the picture"));
    return result;
}
