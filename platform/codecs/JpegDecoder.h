#pragma once

#include "platform/codecs/PictureDecoder.h"

// The size in a JPEG's frame header, without decoding anything else.
PictureInfo readJpegInfo(const QByteArray& bytes);

// Decodes a JPEG at 1/1, 1/2, 1/4 or 1/8 of its size (libjpeg's DCT scaling,
// so a reduced decode costs a fraction of a full one). Colour, grey, CMYK and
// progressive files are read; a truncated file is refused.
DecodedPicture decodeJpeg(const QByteArray& bytes, const DecodeOptions& options);
