#include "model/FieldTable.h"

#include "model/ItemBody.h"

#include <array>

namespace {
using T = FieldInfo::Type;

#define ITEM(field, type) { #field, static_cast<int>(offsetof(ItemBody, field)), type, 1 }
#define ITEMS(field, type, n) { #field, static_cast<int>(offsetof(ItemBody, field)), type, n }
#define HEAD(field, type) { #field, static_cast<int>(offsetof(HeaderBody, field)), type, 1 }

constexpr std::array kItemFields = std::to_array<FieldInfo>({
    ITEM(recordClass, T::I32), ITEM(kind, T::I32), ITEM(reserved8, T::I32), ITEM(reserved12, T::I32),
    ITEM(x1, T::I32), ITEM(y1, T::I32), ITEM(x2, T::I32), ITEM(y2, T::I32),
    ITEM(minX, T::I32), ITEM(maxX, T::I32), ITEM(minY, T::I32), ITEM(maxY, T::I32),
    ITEM(spanX, T::I32), ITEM(spanY, T::I32), ITEM(length, T::I32), ITEM(magic, T::U32),
    ITEM(selected, T::U8), ITEM(inProgress, T::U8), ITEM(hidden, T::U8), ITEM(scratchMark, T::U8),
    ITEM(zOrder, T::I32), ITEM(posX1, T::F64), ITEM(posY1, T::F64), ITEM(posX2, T::F64), ITEM(posY2, T::F64),
    ITEM(lineAngle, T::F64), ITEM(tailLength, T::I32), ITEM(reserved116, T::U32), ITEM(lineColor, T::I32),
    ITEM(penWidth, T::I32), ITEM(fontSize, T::I32), ITEM(textColor, T::I32), ITEM(textAngle, T::I32),
    ITEM(fontWeight, T::I32), ITEM(italic, T::U8), ITEM(underline, T::U8), ITEM(strikeOut, T::U8),
    ITEM(justification, T::U8), ITEM(fontName, T::FontName), ITEM(charSet, T::I32),
    ITEM(presetTextAngle, T::I32), ITEM(reserved189, T::U32), ITEM(reserved193, T::I32),
    ITEM(lineWeight, T::F64), ITEM(outlineWeight, T::F64), ITEM(pattern, T::I32), ITEM(fillColor, T::I32),
    ITEM(direction, T::F64), ITEM(historyState, T::I32), ITEM(stackMove, T::I32), ITEM(stepNumber, T::I32),
    ITEM(editBatch, T::I32), ITEM(replacesStep, T::I32), ITEM(sides, T::I32),
    ITEM(startX1, T::I32), ITEM(startY1, T::I32), ITEM(startX2, T::I32), ITEM(startY2, T::I32),
    ITEM(reserved269, T::I32), ITEM(shapeVariant, T::I32), ITEM(curveTension, T::F64),
    ITEM(clipShape, T::I32), ITEM(pictureId, T::I32),
    ITEM(clipLeft, T::I32), ITEM(clipTop, T::I32), ITEM(clipRight, T::I32), ITEM(clipBottom, T::I32),
    ITEM(clipScaleX, T::F64), ITEM(clipScaleY, T::F64), ITEM(clipRotation, T::F64),
    ITEM(startClipRotation, T::F64), ITEM(saturation, T::I32), ITEM(contrast, T::I32),
    ITEM(lightness, T::I32), ITEMS(reserved353, T::U8, 12), ITEM(mirrorX, T::I32), ITEM(mirrorY, T::I32),
    ITEM(pictureRotation, T::I32), ITEM(pictureScale, T::F64), ITEM(insertWidth, T::I32),
    ITEM(insertHeight, T::I32), ITEM(groupId, T::I32), ITEMS(reserved397, T::I32, 2),
    ITEM(legacyTail1Length, T::I32), ITEM(legacyTail2Length, T::I32), ITEM(frameOn, T::U8),
    ITEM(shadowElevation, T::U8), ITEM(shadowFade, T::U8), ITEM(shadowLightness, T::U8), ITEM(surface, T::U8),
});

constexpr std::array kHeaderFields = std::to_array<FieldInfo>({
    HEAD(recordClass, T::I32), HEAD(kind, T::I32), HEAD(windowId, T::I32),
    HEAD(screenX1, T::I32), HEAD(screenY1, T::I32), HEAD(screenX2, T::I32), HEAD(screenY2, T::I32),
    HEAD(screenMinX, T::I32), HEAD(screenMaxX, T::I32), HEAD(screenMinY, T::I32), HEAD(screenMaxY, T::I32),
    HEAD(screenWidth, T::I32), HEAD(screenHeight, T::I32), HEAD(magic, T::U32), HEAD(tailLength, T::I32),
    HEAD(zoom, T::F64), HEAD(units, T::I32), HEAD(pixelsPerUnitX, T::F64), HEAD(pixelsPerUnitY, T::F64),
    HEAD(angleUnits, T::I32), HEAD(canvasLeft, T::F64), HEAD(canvasTop, T::F64), HEAD(canvasWidth, T::F64),
    HEAD(canvasHeight, T::F64), HEAD(modified, T::U8), HEAD(gridDensityX, T::F64), HEAD(gridDensityY, T::F64),
    HEAD(showGridX, T::U8), HEAD(showAnchorsX, T::U8), HEAD(snapX, T::U8),
    HEAD(showGridY, T::U8), HEAD(showAnchorsY, T::U8), HEAD(snapY, T::U8),
    HEAD(designType, T::I32), HEAD(orientation, T::I32), HEAD(presetIndex, T::I32),
    HEAD(paperWidth, T::F64), HEAD(paperHeight, T::F64), HEAD(cardWidth, T::F64), HEAD(cardHeight, T::F64),
    HEAD(leftMargin, T::F64), HEAD(topMargin, T::F64), HEAD(rightMargin, T::F64), HEAD(bottomMargin, T::F64),
    HEAD(rowGap, T::F64), HEAD(columnGap, T::F64), HEAD(extraX, T::F64), HEAD(extraY, T::F64),
    HEAD(rows, T::I32), HEAD(columns, T::I32), HEAD(rowFold, T::U8), HEAD(columnFold, T::U8),
    HEAD(keepsHistory, T::U8), HEAD(reserved322, T::U8), HEAD(formatVersion, T::I32),
    HEAD(lightDirection, T::U8),
});

#undef ITEM
#undef ITEMS
#undef HEAD
} // namespace

std::span<const FieldInfo> itemFields() { return kItemFields; }
std::span<const FieldInfo> headerFields() { return kHeaderFields; }
