#pragma once

#include "platform/codecs/PictureDecoder.h"

// GIF, BMP and ICO through Qt's image readers, each file read only by the
// reader of its own format. A GIF gives its first frame, an icon its largest
// image; transparent parts are laid over white.
PictureInfo readQtImageInfo(const QByteArray& bytes, PictureFormat format);
DecodedPicture decodeQtImage(const QByteArray& bytes, PictureFormat format, const DecodeOptions& options);
