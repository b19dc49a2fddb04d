#pragma once

struct PaintTarget;
struct ItemRecord;

// Paints the shadow of a shape, line or picture clip on the target: the
// item's outline drawn at the shadow's level into a white mask, displaced
// away from the drawing's light, softened by its fade, then multiplied into
// the canvas. Items filled with a colour or "Solid" cast a filled shadow,
// "Clear" ones only their outline's. A clip casts one only when its
// lightness is not 0 too. Text casts its shadows line by line
// (drawTextLineShadow); items without elevation cast none.
void drawShadow(const PaintTarget& target, const ItemRecord& item);
