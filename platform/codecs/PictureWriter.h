#pragma once

#include "platform/Bitmap24.h"
#include "platform/codecs/PictureFormat.h"

#include <QByteArray>
#include <QString>

inline constexpr int kJpegSaveQuality = 90;

struct EncodedPicture {
    QByteArray bytes; // empty on failure
    QString message;
};

// JPEG: baseline colour at kJpegSaveQuality; BMP: 24-bit; ICO: pure white
// transparent; PNG: lossless.
EncodedPicture encodePicture(const Bitmap24& bitmap, SaveFormat format);

struct SaveResult {
    QString message; // null on success
    bool ok() const { return message.isNull(); }
};

// Writes the bitmap in the format saveFormatForPath picks for the path. The
// picture goes to a temporary file beside the target that replaces it only
// once complete, so a failure leaves the old file, or none, never half a one.
SaveResult savePicture(const Bitmap24& bitmap, const QString& path);
