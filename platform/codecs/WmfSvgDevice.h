#pragma once

extern "C" {
#include <libwmf/api.h>
}

// libwmf's SVG device with its faults mended: arcs, pies and chords are
// placed about their centre (libwmf writes them about the origin), open
// polylines are not filled, and bitmaps are scaled once, not twice.
void wmfMendedSvgDevice(wmfAPI* api);
