#pragma once

#include "platform/codecs/PictureDecoder.h"

#include <QByteArray>
#include <QGuiApplication>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace picturefuzz {

// Metafiles draw text, which needs a GUI application for its fonts.
inline void startApplication(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
}

// Whatever the bytes, decoding must end in a bitmap or an error, never a
// crash or a hang; a success must match the size the header promised. The
// pixel limit is lowered so the fuzzer spends its time on the parsers, not
// on filling large bitmaps.
inline int decodeAndCheck(const std::uint8_t* data, std::size_t size, PictureFormat format)
{
    const QByteArray bytes
        = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    DecodeOptions options;
    options.maxPixels = 4'000'000;
    // JPEG only: the scale comes from the length, so every input tries one.
    options.scaleDenominator = 1 << (size % 4);
    const PictureInfo info = pictureInfo(bytes, format, options);
    const DecodedPicture picture = decodePicture(bytes, format, options);
    if (!picture.ok()) {
        if (!picture.bitmap.isNull() || picture.message.isEmpty())
            std::abort();
        return 0;
    }
    const QSize got(picture.bitmap.width(), picture.bitmap.height());
    if (got.isEmpty() || std::int64_t(got.width()) * got.height() > options.maxPixels)
        std::abort();
    if (!info.ok())
        std::abort(); // decodable, so its header is readable
    const QSize promised
        = format == PictureFormat::Jpeg ? scaledJpegSize(info.size, options.scaleDenominator) : info.size;
    if (got != promised)
        std::abort();
    return 0;
}

} // namespace picturefuzz
