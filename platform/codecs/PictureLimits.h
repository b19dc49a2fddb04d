#pragma once

#include "platform/codecs/PictureDecoder.h"

#include <QSize>
#include <QString>

// Checks a size a decoder is about to allocate against the options' limits;
// a null string when it is acceptable, else the reason for refusing it.
QString pictureSizeProblem(std::int64_t width, std::int64_t height, const DecodeOptions& options);

inline DecodedPicture decodeFailure(PictureError error, const QString& message)
{
    DecodedPicture result;
    result.error = error;
    result.message = message;
    return result;
}

inline PictureInfo infoFailure(PictureFormat format, PictureError error, const QString& message)
{
    PictureInfo result;
    result.format = format;
    result.error = error;
    result.message = message;
    return result;
}
