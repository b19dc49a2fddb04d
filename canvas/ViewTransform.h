#pragma once

#include <cstdint>

// Item coordinates (screen pixels at 100 %) to canvas-bitmap pixels at a
// zoom, for a bitmap that holds the canvas from `tile` on, and back. Both
// round to the nearest integer with ties to even.
std::int32_t docToScreen(double zoom, std::int32_t v, std::int32_t tile);
std::int32_t screenToDoc(double zoom, std::int32_t p, std::int32_t tile);
