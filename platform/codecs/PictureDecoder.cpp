#include "platform/codecs/PictureDecoder.h"

#include "platform/codecs/JpegDecoder.h"
#include "platform/codecs/MetafileDecoder.h"
#include "platform/codecs/PictureLimits.h"
#include "platform/codecs/QtImageDecoder.h"

#include <QFile>

namespace {

QString unknownFormat()
{
    return QStringLiteral("the picture's format is not one that can be read");
}

} // namespace

PictureInfo pictureInfo(const QByteArray& bytes, PictureFormat format, const DecodeOptions& options)
{
    switch (format) {
    case PictureFormat::Jpeg:
        return readJpegInfo(bytes);
    case PictureFormat::Gif:
    case PictureFormat::Bmp:
    case PictureFormat::Ico:
        return readQtImageInfo(bytes, format);
    case PictureFormat::Metafile:
        return readMetafileInfo(bytes, options);
    case PictureFormat::Unknown:
        break;
    }
    return infoFailure(format, PictureError::Unsupported, unknownFormat());
}

DecodedPicture decodePicture(const QByteArray& bytes, PictureFormat format, const DecodeOptions& options)
{
    if (bytes.isEmpty())
        return decodeFailure(PictureError::Corrupt, QStringLiteral("the picture is empty"));
    switch (format) {
    case PictureFormat::Jpeg:
        return decodeJpeg(bytes, options);
    case PictureFormat::Gif:
    case PictureFormat::Bmp:
    case PictureFormat::Ico:
        return decodeQtImage(bytes, format, options);
    case PictureFormat::Metafile:
        return decodeMetafile(bytes, options);
    case PictureFormat::Unknown:
        break;
    }
    return decodeFailure(PictureError::Unsupported, unknownFormat());
}

PictureFileBytes readPictureFile(const QString& path)
{
    PictureFileBytes result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = PictureError::Unreadable;
        result.message = file.errorString();
        return result;
    }
    if (file.size() > kMaxPictureFileBytes) {
        result.error = PictureError::TooLarge;
        result.message = QStringLiteral("the file is larger than %1 MB").arg(kMaxPictureFileBytes >> 20);
        return result;
    }
    result.bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.error = PictureError::Unreadable;
        result.message = file.errorString();
        result.bytes.clear();
    }
    return result;
}

DecodedPicture decodePictureFile(const QString& path, const DecodeOptions& options)
{
    const PictureFormat format = pictureFormatForPath(path);
    if (format == PictureFormat::Unknown)
        return decodeFailure(PictureError::Unsupported, unknownFormat());
    const PictureFileBytes file = readPictureFile(path);
    if (!file.ok())
        return decodeFailure(file.error, file.message);
    return decodePicture(file.bytes, format, options);
}

QSize scaledJpegSize(QSize full, int denominator)
{
    if (denominator < 1)
        return full;
    return QSize(
        (full.width() + denominator - 1) / denominator, (full.height() + denominator - 1) / denominator);
}
