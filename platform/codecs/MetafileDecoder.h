#pragma once

#include "platform/codecs/PictureDecoder.h"

// EMF and WMF pictures, drawn at their own physical size at the options'
// resolution onto white: EMF through libemf2svg, WMF through libwmf, each
// turned into SVG that QtSvg draws.
PictureInfo readMetafileInfo(const QByteArray& bytes, const DecodeOptions& options);
DecodedPicture decodeMetafile(const QByteArray& bytes, const DecodeOptions& options);
