#include "render/ClipSource.h"

#include "model/ItemKinds.h"
#include "model/ItemList.h"
#include "model/ItemRecord.h"
#include "platform/DrawSurface.h"
#include "platform/codecs/PictureDecoder.h"
#include "render/ClipPixels.h"

#include <numbers>

namespace {

PictureFormat storedFormat(std::int32_t code)
{
    switch (code) {
    case int(PictureFormat::Gif):
    case int(PictureFormat::Bmp):
    case int(PictureFormat::Ico):
    case int(PictureFormat::Jpeg):
    case int(PictureFormat::Metafile):
        return PictureFormat(code);
    default:
        return PictureFormat::Unknown;
    }
}

ClipSource failed(const QString& why)
{
    ClipSource s;
    s.failure = why;
    return s;
}

// A quarter turn needs both sides even so that the turned picture's pixels
// land on whole positions about the common centre.
Bitmap24 turnedQuarter(const Bitmap24& picture, int degrees)
{
    const int w = picture.width() & ~1, h = picture.height() & ~1;
    Bitmap24 even(w, h);
    bitBlt(even, 0, 0, w, h, picture, 0, 0);
    Bitmap24 turned(h, w);
    turned.fill(0xFFFFFF);
    rotateBitmap(even, turned, degrees * std::numbers::pi / 180.0);
    return turned;
}

} // namespace

ClipSource loadClipSource(const ItemRecord& clip, const ItemList& items, const ScreenMetrics& screen)
{
    const ItemRecord* store = findPictureStore(items, clip.body.pictureId);
    if (!store)
        return failed(QStringLiteral("the clip's picture is missing"));
    if (store->imageStream.empty())
        return failed(QStringLiteral("the clip's picture holds no bytes"));
    const PictureFormat format = storedFormat(store->body.clipShape);
    if (format == PictureFormat::Unknown)
        return failed(QStringLiteral("the clip's picture is of an unknown format"));

    const QByteArray bytes = QByteArray::fromRawData(
        reinterpret_cast<const char*>(store->imageStream.data()), qsizetype(store->imageStream.size()));
    DecodeOptions options;
    options.dpiX = screen.dpiX;
    options.dpiY = screen.dpiY;
    DecodedPicture decoded = decodePicture(bytes, format, options);
    if (!decoded.ok())
        return failed(decoded.message.isEmpty() ? QStringLiteral("the clip's picture cannot be read") : decoded.message);
    if (decoded.bitmap.width() <= 1 || decoded.bitmap.height() <= 1)
        return failed(QStringLiteral("the clip's picture is too small"));

    ClipSource source;
    int mx = clip.body.mirrorX < 0 ? -1 : 1;
    int my = clip.body.mirrorY < 0 ? -1 : 1;
    switch (clip.body.pictureRotation) {
    case 90:
    case 270:
        source.bitmap = turnedQuarter(decoded.bitmap, mx * my * clip.body.pictureRotation);
        break;
    case 180:
        source.bitmap = std::move(decoded.bitmap);
        mx = -mx;
        my = -my;
        break;
    default: // 0, and 360, which stands for no turn
        source.bitmap = std::move(decoded.bitmap);
        break;
    }
    mirrorBitmap(source.bitmap, mx, my);
    return source;
}
