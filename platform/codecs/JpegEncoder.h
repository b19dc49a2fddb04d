#pragma once

#include "platform/Bitmap24.h"

#include <QByteArray>
#include <QString>

struct EncodedJpeg {
    QByteArray bytes; // empty on failure
    QString message;
};

// A baseline (sequential, Huffman-coded) colour JPEG at the given quality on
// libjpeg's 0 .. 100 scale.
EncodedJpeg encodeJpeg(const Bitmap24& bitmap, int quality);
