#include "platform/codecs/PictureWriter.h"

#include "platform/codecs/IcoEncoder.h"
#include "platform/codecs/JpegEncoder.h"

#include <QBuffer>
#include <QSaveFile>

namespace {

EncodedPicture encodeWithQt(const Bitmap24& bitmap, const char* format)
{
    EncodedPicture result;
    QBuffer buffer(&result.bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!bitmap.image().save(&buffer, format)) {
        result.bytes.clear();
        result.message = QStringLiteral("the picture cannot be encoded");
    }
    return result;
}

// A failure always carries a message, since an empty one would read as success.
SaveResult failure(const QString& why)
{
    return { why.isEmpty() ? QStringLiteral("the file cannot be written") : why };
}

} // namespace

EncodedPicture encodePicture(const Bitmap24& bitmap, SaveFormat format)
{
    if (bitmap.isNull())
        return { {}, QStringLiteral("there is no picture to write") };
    switch (format) {
    case SaveFormat::Jpeg: {
        EncodedJpeg jpeg = encodeJpeg(bitmap, kJpegSaveQuality);
        return { jpeg.bytes, jpeg.message };
    }
    case SaveFormat::Bmp:
        // Qt writes images of 32-bit pixels as 24-bit bitmaps.
        return encodeWithQt(bitmap, "bmp");
    case SaveFormat::Ico:
        return { encodeIco(bitmap), {} };
    case SaveFormat::Png:
        return encodeWithQt(bitmap, "png");
    }
    return { {}, QStringLiteral("unknown picture format") };
}

SaveResult savePicture(const Bitmap24& bitmap, const QString& path)
{
    const EncodedPicture encoded = encodePicture(bitmap, saveFormatForPath(path));
    if (encoded.bytes.isEmpty())
        return failure(encoded.message);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(file.errorString());
    if (file.write(encoded.bytes) != encoded.bytes.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return failure(why);
    }
    if (!file.commit())
        return failure(file.errorString());
    return {};
}
