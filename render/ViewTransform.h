#pragma once

#include <cstdint>

// Item coordinates (screen pixels at 100 %) to canvas-bitmap pixels at a
// zoom, for a bitmap that holds the canvas from `tile` on, and back: the one
// view transform of the document window and the scene painter. Both round to
// the nearest integer with ties to even and saturate at the 32-bit range. A
// zoom that is not a positive number (a damaged header) reads as 1.0, as for
// a drawing without a header, so both directions stay each other's inverse.
std::int32_t docToScreen(double zoom, std::int32_t v, std::int32_t tile);
std::int32_t screenToDoc(double zoom, std::int32_t p, std::int32_t tile);
