#include "render/PaintHooks.h"

void shadowHook(const PaintTarget&, const ItemRecord&) { }

void textLineShadowHook(const PaintTarget&, const ItemRecord&, std::u16string_view, QPoint, QPoint) { }

bool shape3DHook(const PaintTarget&, const ItemRecord&) { return false; }

bool textLine3DHook(const PaintTarget&, const ItemRecord&, std::u16string_view, QPoint, QPoint) { return false; }

DashShading* dashShadingHook(const PaintTarget&) { return nullptr; }

bool clipHook(const PaintTarget&, const ItemRecord&) { return false; }
