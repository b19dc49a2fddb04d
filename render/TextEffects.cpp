#include "render/TextEffects.h"

#include "model/ItemRecord.h"
#include "base/Rounding.h"
#include "render/Geometry.h"
#include "render/LightDirection.h"
#include "render/MarkerMask.h"
#include "render/OutlineExtent.h"
#include "render/PaintTarget.h"
#include "render/ScenePainter.h"
#include "render/ShadeProfile.h"
#include "render/ShadingGeometry.h"
#include "render/ShadowCast.h"
#include "render/ShadowMask.h"
#include "render/TextRendering.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace {

double textAngle(const ItemRecord& item)
{
    return item.body.textAngle / 10.0 * std::numbers::pi / 180.0;
}

// The line drawn again in one colour onto another surface, its baseline
// moved by `shift`.
void redrawLine(const PaintTarget& target, DrawSurface& surface, const ItemRecord& item,
    std::u16string_view line, QPoint s, QPoint e, QPoint shift, std::uint32_t colour)
{
    thread_local ItemRecord copy;
    copy.body = item.body;
    copy.body.textColor = std::int32_t(colour);
    PaintTarget onto = target;
    onto.canvas = &surface;
    drawTextLine(onto, copy, line, s + shift, e + shift);
}

// The half-side of a square centred on the baseline's start that holds the
// whole line: 1.5 times its reach, and never less than its cell, so that
// short lines in large letters keep their tops.
int reachOf(const PaintTarget& target, const ItemRecord& item, const TextFont& font, std::u16string_view line)
{
    return std::max(lineReach(target, item, font, line), font.ascent() + font.descent());
}

} // namespace

void drawTextLine3D(
    const PaintTarget& target, const ItemRecord& item, std::u16string_view line, QPoint s, QPoint e)
{
    if (line.empty() || !target.canvas)
        return;
    std::optional<TextFont> own;
    const TextFont& font = targetFont(target, item, own);
    const std::int64_t m = roundEven(1.5 * reachOf(target, item, font, line));
    Bitmap24& canvas = target.canvas->bitmap();
    MarkerMask mask(boundedRect(std::int64_t(s.x()) - m, std::int64_t(s.y()) - m, std::int64_t(s.x()) + m - 1,
                        std::int64_t(s.y()) + m - 1),
        *target.canvas);
    if (mask.empty())
        return;
    redrawLine(target, mask.surface(), item, line, s, e, -mask.origin(), kOutlineMarker);

    // The band stands on the descent line and spans ascent and descent.
    const double t = textAngle(item);
    const int n = font.ascent() + font.descent();
    const QPoint from = pointAt(s, font.descent(), t - std::numbers::pi / 2);
    const ItemBody& b = item.body;
    const int baseline = roundEven(target.zoom * distanceOf(QPoint(b.x1, b.y1), QPoint(b.x2, b.y2)));
    const QPoint to = pointAt(from, n + baseline, t);
    const CylinderBand band
        = cylinderBand(from, to, n, t, light::textBandOffset(lightDirectionOf(target.items)));
    const std::vector<std::uint32_t> profile
        = shadeProfile(n, item.body.surface, std::uint32_t(item.body.textColor) & 0xFFFFFF);
    mask.recolour(canvas, profile, {}, [&band](int x, int y) { return band.row(x, y); });
}

void drawTextLineShadow(
    const PaintTarget& target, const ItemRecord& item, std::u16string_view line, QPoint s, QPoint e)
{
    if (line.empty() || !target.canvas || item.body.shadowElevation == 0)
        return;
    std::optional<TextFont> own;
    const TextFont& font = targetFont(target, item, own);
    const ShadowCast cast = shadowCast(target, item);
    const std::int64_t l
        = std::int64_t(reachOf(target, item, font, line)) + roundEven(cast.offset * cast.spread);
    Bitmap24& canvas = target.canvas->bitmap();
    const QRect area = boundedRect(std::int64_t(s.x()) - l, std::int64_t(s.y()) - l,
        std::int64_t(s.x()) + l - 1, std::int64_t(s.y()) + l - 1);
    ShadowMask mask(area, canvas, cast.cropMargin(font.ascent() + font.descent()));
    if (mask.empty())
        return;
    redrawLine(target, mask.surface(), item, line, s, e, cast.displacement - mask.origin(),
        std::uint32_t(cast.level) * 0x010101u);
    mask.apply(canvas, cast.fade, cast.blurScale);
}
