#include "platform/codecs/MetafileDecoder.h"

#include "platform/codecs/MetafileHeader.h"
#include "platform/codecs/PictureLimits.h"
#include "platform/codecs/WmfToSvg.h"

#include <QPainter>
#include <QSvgRenderer>

#include <cmath>
#include <mutex>

namespace {

// Neither converter library promises to be safe from several threads.
std::mutex& converterLock()
{
    static std::mutex lock;
    return lock;
}

struct SizedMetafile {
    MetafileHeader header;
    QSize size;
    PictureError error = PictureError::None;
    QString message;
};

SizedMetafile measure(const QByteArray& bytes, const DecodeOptions& options)
{
    SizedMetafile m;
    m.header = readMetafileHeader(bytes);
    if (!m.header.ok()) {
        m.error = PictureError::Corrupt;
        m.message = m.header.problem;
        return m;
    }
    QSizeF inches = m.header.inches;
    if (m.header.kind == MetafileKind::Wmf) {
        const std::lock_guard<std::mutex> hold(converterLock());
        inches = bareWmfInches(bytes);
    }
    const double width = std::round(inches.width() * options.dpiX),
                 height = std::round(inches.height() * options.dpiY);
    if (!(width >= 1 && height >= 1)) {
        m.error = PictureError::Corrupt;
        m.message = QStringLiteral("the metafile has no size");
        return m;
    }
    // Compared as doubles: a damaged frame may hold sizes no integer can.
    const double limit = double(kMaxPictureSide) + 1;
    m.message = pictureSizeProblem(
        std::int64_t(std::min(width, limit)), std::int64_t(std::min(height, limit)), options);
    if (!m.message.isNull()) {
        m.error = PictureError::TooLarge;
        return m;
    }
    m.size = QSize(int(width), int(height));
    return m;
}

} // namespace

PictureInfo readMetafileInfo(const QByteArray& bytes, const DecodeOptions& options)
{
    const SizedMetafile m = measure(bytes, options);
    if (m.error != PictureError::None)
        return infoFailure(PictureFormat::Metafile, m.error, m.message);
    PictureInfo info;
    info.format = PictureFormat::Metafile;
    info.size = m.size;
    return info;
}

DecodedPicture decodeMetafile(const QByteArray& bytes, const DecodeOptions& options)
{
    const SizedMetafile m = measure(bytes, options);
    if (m.error != PictureError::None)
        return decodeFailure(m.error, m.message);
    MetafileSvg converted;
    {
        const std::lock_guard<std::mutex> hold(converterLock());
        converted = m.header.kind == MetafileKind::Emf ? emfToSvg(bytes, m.size)
                                                       : wmfToSvg(bytes, m.header, m.size);
    }
    if (converted.svg.isEmpty())
        return decodeFailure(PictureError::Corrupt, converted.message);
    QSvgRenderer renderer(converted.svg);
    if (!renderer.isValid())
        return decodeFailure(PictureError::Corrupt, QStringLiteral("the metafile cannot be drawn"));
    DecodedPicture result;
    result.bitmap = Bitmap24(m.size.width(), m.size.height());
    if (result.bitmap.isNull())
        return decodeFailure(PictureError::TooLarge, QStringLiteral("not enough memory for the picture"));
    result.bitmap.fill(0xFFFFFF);
    QPainter painter(&result.bitmap.image());
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, m.size.width(), m.size.height()));
    return result;
}
