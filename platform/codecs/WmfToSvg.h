#pragma once

#include "platform/codecs/EmfToSvg.h"
#include "platform/codecs/MetafileHeader.h"

#include <QSizeF>

// The size a bare WMF draws at, in inches: the extent of what it draws, as
// measured by a dry run of the player. Empty when it cannot be played.
QSizeF bareWmfInches(const QByteArray& bytes);

// A WMF file, already checked by readMetafileHeader, as an SVG document of
// the given size; a placeable file's box fills it.
MetafileSvg wmfToSvg(const QByteArray& bytes, const MetafileHeader& header, QSize size);
