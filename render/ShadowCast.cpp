#include "render/ShadowCast.h"

#include "model/ItemRecord.h"
#include "base/Rounding.h"
#include "render/LightDirection.h"
#include "render/OutlineExtent.h"
#include "render/PaintTarget.h"
#include "render/ScenePainter.h"

#include <algorithm>
#include <cmath>

int ShadowCast::margin(int penWidth) const
{
    const std::int64_t m = std::int64_t(roundEven(spread * 2 * offset)) + 2 * std::int64_t(penWidth);
    return int(std::min(m, kExtentLimit));
}

int ShadowCast::cropMargin(int penWidth) const
{
    // The blur shrinks by up to (fade + 10) / 10 x scale; the B-spline reaches
    // two of the shrunk pixels either way.
    const double edge = 4.0 * (fade + 10) / 10.0 * blurScale + 2;
    return int(std::min<double>(double(margin(penWidth)) + std::ceil(edge), double(kExtentLimit)));
}

ShadowCast shadowCast(const PaintTarget& target, const ItemRecord& item)
{
    const ItemBody& b = item.body;
    ShadowCast cast;
    const double points = roundEven(b.shadowElevation / 8.5);
    const double dpiY = target.screenMetrics.dpiY;
    // The screen rounds the offset at zoom 1 first, as the window's zoom
    // multiplies what it shows at 100 %.
    cast.offset = target.onScreen ? roundEven(target.zoom * roundEven(points / 96.0 * dpiY))
                                  : roundEven(points / 96.0 * dpiY * target.zoom);
    cast.spread = std::clamp(b.shadowFade / 30.0 + 1.0, 1.0, 5.0);
    cast.displacement = light::shadowStep(lightDirectionOf(target.items)) * cast.offset;
    cast.level = b.shadowLightness;
    cast.fade = b.shadowFade;
    cast.blurScale = target.onScreen ? 1.0 : target.scaleY;
    return cast;
}
