#pragma once

#include <QPoint>

#include <string_view>

struct PaintTarget;
struct ItemRecord;
class DashShading;

// The places where shadows, 3-D shading and full picture clips join the
// painter. The ones that return bool answer false ("not drawn") when the
// painter should fall back to the plain drawing (for a picture clip, its
// outline).

// The shadow of a shape, line or clip, drawn before the item.
void shadowHook(const PaintTarget& target, const ItemRecord& item);
// The shadow of one text line, drawn before that line.
void textLineShadowHook(const PaintTarget& target, const ItemRecord& item, std::u16string_view line, QPoint s,
    QPoint e);
// A shape drawn with its 3-D shading instead of flat; true when drawn.
bool shape3DHook(const PaintTarget& target, const ItemRecord& item);
// A text line drawn with its 3-D shading instead of flat; true when drawn.
bool textLine3DHook(const PaintTarget& target, const ItemRecord& item, std::u16string_view line, QPoint s,
    QPoint e);
// The shading that draws wide dashes of a line with a surface; null: flat.
DashShading* dashShadingHook(const PaintTarget& target);
// The full picture clip; true when drawn.
bool clipHook(const PaintTarget& target, const ItemRecord& item);
