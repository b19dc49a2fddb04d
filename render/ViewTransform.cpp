#include "render/ViewTransform.h"

#include "base/Rounding.h"

#include <cmath>

namespace {

double usableZoom(double zoom) { return zoom > 0.0 && std::isfinite(zoom) ? zoom : 1.0; }

} // namespace

std::int32_t docToScreen(double zoom, std::int32_t v, std::int32_t tile)
{
    return clampToInt32(std::int64_t(roundEven(usableZoom(zoom) * v)) - tile);
}

std::int32_t screenToDoc(double zoom, std::int32_t p, std::int32_t tile)
{
    return roundEven((double(p) + tile) / usableZoom(zoom));
}
