#include "render/CylinderDashShading.h"

#include "model/ItemRecord.h"
#include "base/Rounding.h"
#include "render/LightDirection.h"
#include "render/MarkerMask.h"
#include "render/OutlineExtent.h"
#include "render/ShadeProfile.h"
#include "render/ShadingGeometry.h"

#include <algorithm>

namespace {

constexpr std::int32_t kFillSolid = -2;
constexpr std::int32_t kFillClear = -1;

QRect cornerExtent(const std::array<QPoint, 4>& corners)
{
    int left = corners[0].x(), right = left, top = corners[0].y(), bottom = top;
    for (const QPoint& p : corners) {
        left = std::min(left, p.x()), right = std::max(right, p.x());
        top = std::min(top, p.y()), bottom = std::max(bottom, p.y());
    }
    return boundedRect(left, top, right, bottom);
}

// The interior brush of a dash: none for a hollow "Clear" line, the line
// colour for "Solid" ones and for lines too narrow to be hollow.
DrawBrush interiorBrush(const ItemBody& b, bool hollow, std::uint32_t lineColour, std::uint32_t fillColour)
{
    if (hollow && b.fillColor == kFillClear)
        return {};
    return { true, hollow && b.fillColor != kFillSolid ? fillColour : lineColour };
}

} // namespace

const std::vector<std::uint32_t>& CylinderDashShading::profile(
    int slot, int n, int floor, std::uint32_t colour)
{
    Profile& p = profiles_[slot];
    if (p.n != n || p.floor != floor || p.colour != colour) {
        shadeProfile(p.rows, n, floor, colour);
        p.n = n, p.floor = floor, p.colour = colour;
    }
    return p.rows;
}

void CylinderDashShading::drawDash(DrawSurface& surface, const std::array<QPoint, 4>& corners,
    const ItemRecord& line, int width, int outlineWidth, bool hollow)
{
    const ItemBody& b = line.body;
    if (width > kLargestShadedBody) {
        DrawPen pen;
        pen.colour = std::uint32_t(b.lineColor);
        drawFlatDash(surface, corners, b.lineAngle, pen,
            interiorBrush(b, hollow, std::uint32_t(b.lineColor), std::uint32_t(b.fillColor)), outlineWidth,
            hollow);
        return;
    }
    MarkerMask mask(cornerExtent(corners).adjusted(-2, -2, 2, 2), surface);
    if (mask.empty())
        return;
    std::array<QPoint, 4> moved = corners;
    for (QPoint& p : moved)
        p = QPoint(addClamped(p.x(), -mask.origin().x()), addClamped(p.y(), -mask.origin().y()));
    DrawPen pen;
    pen.colour = kOutlineMarker;
    drawFlatDash(mask.surface(), moved, b.lineAngle, pen,
        interiorBrush(b, hollow, kOutlineMarker, kInteriorMarker), outlineWidth, hollow);

    const std::uint32_t lineColour = std::uint32_t(b.lineColor);
    const std::uint32_t interiorColour = b.fillColor == kFillSolid ? lineColour : std::uint32_t(b.fillColor);
    const std::vector<std::uint32_t>& outer = profile(0, width, b.surface, lineColour);
    static const std::vector<std::uint32_t> none;
    const std::vector<std::uint32_t>& inner
        = hollow && b.fillColor != kFillClear ? profile(1, width, b.surface, interiorColour) : none;
    const CylinderBand band
        = cylinderBand(corners[0], corners[1], width, b.lineAngle, light::shapeBandOffset(light_));
    mask.recolour(surface.bitmap(), outer, inner, [&band](int x, int y) { return band.row(x, y); });
}
