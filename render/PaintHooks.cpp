#include "render/PaintHooks.h"

#include "render/ClipPainting.h"
#include "render/CylinderDashShading.h"
#include "render/PaintTarget.h"
#include "render/ScenePainter.h"
#include "render/ShadowDrawing.h"
#include "render/Shape3D.h"
#include "render/TextEffects.h"

void shadowHook(const PaintTarget& target, const ItemRecord& item)
{
    drawShadow(target, item);
}

void textLineShadowHook(
    const PaintTarget& target, const ItemRecord& item, std::u16string_view line, QPoint s, QPoint e)
{
    drawTextLineShadow(target, item, line, s, e);
}

bool shape3DHook(const PaintTarget& target, const ItemRecord& item)
{
    return shade3D(target, item);
}

bool textLine3DHook(
    const PaintTarget& target, const ItemRecord& item, std::u16string_view line, QPoint s, QPoint e)
{
    drawTextLine3D(target, item, line, s, e);
    return true;
}

DashShading* dashShadingHook(const PaintTarget& target)
{
    // One per thread: it keeps the profiles of the line being drawn.
    thread_local CylinderDashShading shading;
    shading.setLight(lightDirectionOf(target.items));
    return &shading;
}

bool clipHook(const PaintTarget& target, const ItemRecord& item)
{
    return paintClip(target, item);
}
