#pragma once

#include "platform/Bitmap24.h"

#include <QByteArray>

// An icon file of one image of the bitmap's own size, at any size (the
// directory's one-byte sizes read 0 beyond 255; the image header holds the
// true size). Pure white pixels (0xFFFFFF) are transparent, both in the
// alpha channel and in the AND mask that older readers use.
QByteArray encodeIco(const Bitmap24& bitmap);
