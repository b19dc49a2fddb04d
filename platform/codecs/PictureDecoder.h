#pragma once

#include "platform/Bitmap24.h"
#include "platform/codecs/PictureFormat.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <cstdint>

// Why a picture could not be read.
enum class PictureError {
    None,
    Unreadable, // the file could not be opened or read
    Unsupported, // no decoder for this format, or an invalid request
    Corrupt, // the data are damaged, truncated or not of the format
    TooLarge, // the picture claims more pixels than may be decoded
};

// Pictures may hold at most this many pixels once decoded: 512 MiB as a
// Bitmap24 of four bytes a pixel. That covers 100-megapixel camera pictures
// and A4 pages scanned at 1000 dpi, while a clip's few working copies still
// fit in a desktop's memory. A file claiming more is refused before anything
// of its size is allocated.
inline constexpr std::int64_t kMaxPicturePixels = std::int64_t(1) << 27;
// No side may be longer than the longest a JPEG, GIF or icon can describe.
inline constexpr int kMaxPictureSide = 65535;
// Picture files are read whole; larger ones are refused unread.
inline constexpr std::int64_t kMaxPictureFileBytes = std::int64_t(256) << 20;

struct DecodeOptions {
    // JPEG only: decode at 1/1, 1/2, 1/4 or 1/8 of the full size.
    int scaleDenominator = 1;
    // Metafiles are drawn at their own physical size at this resolution.
    double dpiX = 96.0;
    double dpiY = 96.0;
    // The largest decoded picture accepted, in pixels.
    std::int64_t maxPixels = kMaxPicturePixels;
};

struct PictureInfo {
    PictureFormat format = PictureFormat::Unknown;
    QSize size; // full size; a metafile's own size at the requested resolution
    PictureError error = PictureError::None;
    QString message; // what went wrong, for logs and tests; empty on success
    bool ok() const { return error == PictureError::None; }
};

struct DecodedPicture {
    Bitmap24 bitmap; // opaque; transparent parts are laid over white
    PictureError error = PictureError::None;
    QString message;
    bool ok() const { return error == PictureError::None; }
};

// The format and size of a picture, read from its header without decoding
// its pixels (a WMF without a placeable header is scanned for its extent).
PictureInfo pictureInfo(const QByteArray& bytes, PictureFormat format, const DecodeOptions& options = {});

// Decodes a picture of a known format into a 24-bit bitmap. Never crashes or
// hangs on damaged data: every failure is an error result.
DecodedPicture decodePicture(
    const QByteArray& bytes, PictureFormat format, const DecodeOptions& options = {});

// Reads a picture file whole, refusing files over kMaxPictureFileBytes. The
// bytes are what a drawing's picture store keeps.
struct PictureFileBytes {
    QByteArray bytes;
    PictureError error = PictureError::None;
    QString message;
    bool ok() const { return error == PictureError::None; }
};
PictureFileBytes readPictureFile(const QString& path);

// readPictureFile, then decodePicture with the format of the file's extension.
DecodedPicture decodePictureFile(const QString& path, const DecodeOptions& options = {});

// The size libjpeg gives a picture of `full` size decoded at 1/denominator:
// each side divided and rounded up.
QSize scaledJpegSize(QSize full, int denominator);
