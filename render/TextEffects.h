#pragma once

#include <QPoint>

#include <string_view>

struct PaintTarget;
struct ItemRecord;

// One line of a text item drawn with its 3-D shading: the glyphs as a
// cylinder lying along the baseline, brightest towards the light, in shades
// of the text colour. s and e are the line's baseline ends in device pixels.
void drawTextLine3D(
    const PaintTarget& target, const ItemRecord& item, std::u16string_view line, QPoint s, QPoint e);

// The shadow of one text line, cast away from the drawing's light.
void drawTextLineShadow(
    const PaintTarget& target, const ItemRecord& item, std::u16string_view line, QPoint s, QPoint e);
