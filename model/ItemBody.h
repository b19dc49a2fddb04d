#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

// The stored part of every record: 448 packed little-endian bytes, written to
// and read from drawing files exactly as they stand in memory.
static_assert(std::endian::native == std::endian::little, "records are stored little-endian");

constexpr std::uint32_t kRecordMagic = 147483647;
constexpr int kBodySize = 448;
constexpr int kFormatVersion = 164;

#pragma pack(push, 1)

// Layout shared by every record except the drawing header.
struct ItemBody {
    std::int32_t recordClass;
    std::int32_t kind;
    std::int32_t reserved8;
    std::int32_t reserved12;
    std::int32_t x1, y1, x2, y2;
    std::int32_t minX, maxX, minY, maxY;
    std::int32_t spanX, spanY;
    std::int32_t length;
    std::uint32_t magic;
    std::uint8_t selected;
    std::uint8_t inProgress;
    std::uint8_t hidden;
    std::uint8_t scratchMark;
    std::int32_t zOrder;
    double posX1, posY1, posX2, posY2;
    double lineAngle;
    std::int32_t tailLength;
    std::uint32_t reserved116;
    std::int32_t lineColor;
    std::int32_t penWidth;
    std::int32_t fontSize;
    std::int32_t textColor;
    std::int32_t textAngle;
    std::int32_t fontWeight;
    std::uint8_t italic;
    std::uint8_t underline;
    std::uint8_t strikeOut;
    std::uint8_t justification;
    std::uint8_t fontName[33]; // length byte, then up to 32 ANSI characters
    std::int32_t charSet;
    std::int32_t presetTextAngle;
    std::uint32_t reserved189;
    std::int32_t reserved193;
    double lineWeight;
    double outlineWeight;
    std::int32_t pattern;
    std::int32_t fillColor;
    double direction;
    std::int32_t historyState;
    std::int32_t stackMove;
    std::int32_t stepNumber;
    std::int32_t editBatch;
    std::int32_t replacesStep;
    std::int32_t sides;
    std::int32_t startX1, startY1, startX2, startY2;
    std::int32_t reserved269;
    std::int32_t shapeVariant;
    double curveTension;
    std::int32_t clipShape; // picture store: the picture format
    std::int32_t pictureId;
    std::int32_t clipLeft, clipTop, clipRight, clipBottom;
    double clipScaleX, clipScaleY;
    double clipRotation;
    double startClipRotation;
    std::int32_t saturation, contrast, lightness;
    std::uint8_t reserved353[12];
    std::int32_t mirrorX, mirrorY;
    std::int32_t pictureRotation;
    double pictureScale;
    std::int32_t insertWidth, insertHeight;
    std::int32_t groupId;
    std::int32_t reserved397[2];
    std::int32_t legacyTail1Length;
    std::int32_t legacyTail2Length;
    std::uint8_t frameOn;
    std::uint8_t shadowElevation;
    std::uint8_t shadowFade;
    std::uint8_t shadowLightness;
    std::uint8_t surface;
    std::uint8_t reserved418[30];
};

// Layout of the drawing header record (kind 2000000). Bytes it does not name
// keep whatever createItem or the file gave them.
struct HeaderBody {
    std::int32_t recordClass;
    std::int32_t kind;
    std::int32_t reserved8;
    std::int32_t windowId;
    std::int32_t screenX1, screenY1, screenX2, screenY2;
    std::int32_t screenMinX, screenMaxX, screenMinY, screenMaxY;
    std::int32_t screenWidth, screenHeight;
    std::int32_t reserved56;
    std::uint32_t magic;
    std::uint8_t selected;
    std::uint8_t inProgress;
    std::uint8_t hidden;
    std::uint8_t scratchMark;
    std::uint8_t reserved68[44];
    std::int32_t tailLength;
    double zoom;
    std::int32_t units;
    double pixelsPerUnitX, pixelsPerUnitY;
    std::int32_t angleUnits;
    double canvasLeft, canvasTop;
    double canvasWidth, canvasHeight;
    std::uint8_t modified;
    double gridDensityX, gridDensityY;
    std::uint8_t showGridX, showAnchorsX, snapX;
    std::uint8_t showGridY, showAnchorsY, snapY;
    std::int32_t designType;
    std::int32_t orientation;
    std::int32_t presetIndex;
    double paperWidth, paperHeight;
    double cardWidth, cardHeight;
    double leftMargin, topMargin, rightMargin, bottomMargin;
    double rowGap, columnGap;
    double extraX, extraY;
    std::int32_t rows, columns;
    std::uint8_t rowFold, columnFold;
    std::uint8_t keepsHistory;
    std::uint8_t reserved322;
    std::int32_t formatVersion;
    std::uint8_t lightDirection;
    std::uint8_t reserved328[120];
};

// The stored form of one point entry: six points, two flag bytes, padding.
struct StoredPoints {
    std::int32_t xy[12];
    std::uint8_t flags[2];
    std::uint8_t padding[6];
};

// One gridline as stored in a grid record's tail.
struct StoredGridline {
    std::int32_t axis; // 1 vertical (x), 2 horizontal (y)
    std::int32_t coordinate;
};

#pragma pack(pop)

static_assert(sizeof(ItemBody) == kBodySize);
static_assert(sizeof(HeaderBody) == kBodySize);
static_assert(sizeof(StoredPoints) == 56);
static_assert(sizeof(StoredGridline) == 8);

#define TAVELLE_AT(type, field, offset) static_assert(offsetof(type, field) == (offset), #field)
TAVELLE_AT(ItemBody, recordClass, 0);
TAVELLE_AT(ItemBody, kind, 4);
TAVELLE_AT(ItemBody, reserved8, 8);
TAVELLE_AT(ItemBody, reserved12, 12);
TAVELLE_AT(ItemBody, x1, 16);
TAVELLE_AT(ItemBody, y1, 20);
TAVELLE_AT(ItemBody, x2, 24);
TAVELLE_AT(ItemBody, y2, 28);
TAVELLE_AT(ItemBody, minX, 32);
TAVELLE_AT(ItemBody, maxX, 36);
TAVELLE_AT(ItemBody, minY, 40);
TAVELLE_AT(ItemBody, maxY, 44);
TAVELLE_AT(ItemBody, spanX, 48);
TAVELLE_AT(ItemBody, spanY, 52);
TAVELLE_AT(ItemBody, length, 56);
TAVELLE_AT(ItemBody, magic, 60);
TAVELLE_AT(ItemBody, selected, 64);
TAVELLE_AT(ItemBody, inProgress, 65);
TAVELLE_AT(ItemBody, hidden, 66);
TAVELLE_AT(ItemBody, scratchMark, 67);
TAVELLE_AT(ItemBody, zOrder, 68);
TAVELLE_AT(ItemBody, posX1, 72);
TAVELLE_AT(ItemBody, posY1, 80);
TAVELLE_AT(ItemBody, posX2, 88);
TAVELLE_AT(ItemBody, posY2, 96);
TAVELLE_AT(ItemBody, lineAngle, 104);
TAVELLE_AT(ItemBody, tailLength, 112);
TAVELLE_AT(ItemBody, reserved116, 116);
TAVELLE_AT(ItemBody, lineColor, 120);
TAVELLE_AT(ItemBody, penWidth, 124);
TAVELLE_AT(ItemBody, fontSize, 128);
TAVELLE_AT(ItemBody, textColor, 132);
TAVELLE_AT(ItemBody, textAngle, 136);
TAVELLE_AT(ItemBody, fontWeight, 140);
TAVELLE_AT(ItemBody, italic, 144);
TAVELLE_AT(ItemBody, underline, 145);
TAVELLE_AT(ItemBody, strikeOut, 146);
TAVELLE_AT(ItemBody, justification, 147);
TAVELLE_AT(ItemBody, fontName, 148);
TAVELLE_AT(ItemBody, charSet, 181);
TAVELLE_AT(ItemBody, presetTextAngle, 185);
TAVELLE_AT(ItemBody, reserved189, 189);
TAVELLE_AT(ItemBody, reserved193, 193);
TAVELLE_AT(ItemBody, lineWeight, 197);
TAVELLE_AT(ItemBody, outlineWeight, 205);
TAVELLE_AT(ItemBody, pattern, 213);
TAVELLE_AT(ItemBody, fillColor, 217);
TAVELLE_AT(ItemBody, direction, 221);
TAVELLE_AT(ItemBody, historyState, 229);
TAVELLE_AT(ItemBody, stackMove, 233);
TAVELLE_AT(ItemBody, stepNumber, 237);
TAVELLE_AT(ItemBody, editBatch, 241);
TAVELLE_AT(ItemBody, replacesStep, 245);
TAVELLE_AT(ItemBody, sides, 249);
TAVELLE_AT(ItemBody, startX1, 253);
TAVELLE_AT(ItemBody, startY1, 257);
TAVELLE_AT(ItemBody, startX2, 261);
TAVELLE_AT(ItemBody, startY2, 265);
TAVELLE_AT(ItemBody, reserved269, 269);
TAVELLE_AT(ItemBody, shapeVariant, 273);
TAVELLE_AT(ItemBody, curveTension, 277);
TAVELLE_AT(ItemBody, clipShape, 285);
TAVELLE_AT(ItemBody, pictureId, 289);
TAVELLE_AT(ItemBody, clipLeft, 293);
TAVELLE_AT(ItemBody, clipTop, 297);
TAVELLE_AT(ItemBody, clipRight, 301);
TAVELLE_AT(ItemBody, clipBottom, 305);
TAVELLE_AT(ItemBody, clipScaleX, 309);
TAVELLE_AT(ItemBody, clipScaleY, 317);
TAVELLE_AT(ItemBody, clipRotation, 325);
TAVELLE_AT(ItemBody, startClipRotation, 333);
TAVELLE_AT(ItemBody, saturation, 341);
TAVELLE_AT(ItemBody, contrast, 345);
TAVELLE_AT(ItemBody, lightness, 349);
TAVELLE_AT(ItemBody, reserved353, 353);
TAVELLE_AT(ItemBody, mirrorX, 365);
TAVELLE_AT(ItemBody, mirrorY, 369);
TAVELLE_AT(ItemBody, pictureRotation, 373);
TAVELLE_AT(ItemBody, pictureScale, 377);
TAVELLE_AT(ItemBody, insertWidth, 385);
TAVELLE_AT(ItemBody, insertHeight, 389);
TAVELLE_AT(ItemBody, groupId, 393);
TAVELLE_AT(ItemBody, reserved397, 397);
TAVELLE_AT(ItemBody, legacyTail1Length, 405);
TAVELLE_AT(ItemBody, legacyTail2Length, 409);
TAVELLE_AT(ItemBody, frameOn, 413);
TAVELLE_AT(ItemBody, shadowElevation, 414);
TAVELLE_AT(ItemBody, shadowFade, 415);
TAVELLE_AT(ItemBody, shadowLightness, 416);
TAVELLE_AT(ItemBody, surface, 417);
TAVELLE_AT(ItemBody, reserved418, 418);

TAVELLE_AT(HeaderBody, recordClass, 0);
TAVELLE_AT(HeaderBody, kind, 4);
TAVELLE_AT(HeaderBody, windowId, 12);
TAVELLE_AT(HeaderBody, screenX1, 16);
TAVELLE_AT(HeaderBody, screenY1, 20);
TAVELLE_AT(HeaderBody, screenX2, 24);
TAVELLE_AT(HeaderBody, screenY2, 28);
TAVELLE_AT(HeaderBody, screenMinX, 32);
TAVELLE_AT(HeaderBody, screenMaxX, 36);
TAVELLE_AT(HeaderBody, screenMinY, 40);
TAVELLE_AT(HeaderBody, screenMaxY, 44);
TAVELLE_AT(HeaderBody, screenWidth, 48);
TAVELLE_AT(HeaderBody, screenHeight, 52);
TAVELLE_AT(HeaderBody, magic, 60);
TAVELLE_AT(HeaderBody, hidden, 66);
TAVELLE_AT(HeaderBody, tailLength, 112);
TAVELLE_AT(HeaderBody, zoom, 116);
TAVELLE_AT(HeaderBody, units, 124);
TAVELLE_AT(HeaderBody, pixelsPerUnitX, 128);
TAVELLE_AT(HeaderBody, pixelsPerUnitY, 136);
TAVELLE_AT(HeaderBody, angleUnits, 144);
TAVELLE_AT(HeaderBody, canvasLeft, 148);
TAVELLE_AT(HeaderBody, canvasTop, 156);
TAVELLE_AT(HeaderBody, canvasWidth, 164);
TAVELLE_AT(HeaderBody, canvasHeight, 172);
TAVELLE_AT(HeaderBody, modified, 180);
TAVELLE_AT(HeaderBody, gridDensityX, 181);
TAVELLE_AT(HeaderBody, gridDensityY, 189);
TAVELLE_AT(HeaderBody, showGridX, 197);
TAVELLE_AT(HeaderBody, showAnchorsX, 198);
TAVELLE_AT(HeaderBody, snapX, 199);
TAVELLE_AT(HeaderBody, showGridY, 200);
TAVELLE_AT(HeaderBody, showAnchorsY, 201);
TAVELLE_AT(HeaderBody, snapY, 202);
TAVELLE_AT(HeaderBody, designType, 203);
TAVELLE_AT(HeaderBody, orientation, 207);
TAVELLE_AT(HeaderBody, presetIndex, 211);
TAVELLE_AT(HeaderBody, paperWidth, 215);
TAVELLE_AT(HeaderBody, paperHeight, 223);
TAVELLE_AT(HeaderBody, cardWidth, 231);
TAVELLE_AT(HeaderBody, cardHeight, 239);
TAVELLE_AT(HeaderBody, leftMargin, 247);
TAVELLE_AT(HeaderBody, topMargin, 255);
TAVELLE_AT(HeaderBody, rightMargin, 263);
TAVELLE_AT(HeaderBody, bottomMargin, 271);
TAVELLE_AT(HeaderBody, rowGap, 279);
TAVELLE_AT(HeaderBody, columnGap, 287);
TAVELLE_AT(HeaderBody, extraX, 295);
TAVELLE_AT(HeaderBody, extraY, 303);
TAVELLE_AT(HeaderBody, rows, 311);
TAVELLE_AT(HeaderBody, columns, 315);
TAVELLE_AT(HeaderBody, rowFold, 319);
TAVELLE_AT(HeaderBody, columnFold, 320);
TAVELLE_AT(HeaderBody, keepsHistory, 321);
TAVELLE_AT(HeaderBody, reserved322, 322);
TAVELLE_AT(HeaderBody, formatVersion, 323);
TAVELLE_AT(HeaderBody, lightDirection, 327);
#undef TAVELLE_AT

// Fields that other records keep at offsets the main table gives to something else.
namespace overlay {
constexpr int kStoreScale = 116;       // picture store: f64 display scale at insertion
constexpr int kPatternLengths = 116;   // pattern definition: twelve f64 lengths in mm
constexpr int kPatternCount = 212;     // pattern definition: i32 number of lengths in use
constexpr int kPatternMaxLengths = 12;
} // namespace overlay

template <typename T>
T readAt(const void* body, int offset)
{
    T value;
    std::memcpy(&value, static_cast<const std::uint8_t*>(body) + offset, sizeof(T));
    return value;
}

template <typename T>
void writeAt(void* body, int offset, T value)
{
    std::memcpy(static_cast<std::uint8_t*>(body) + offset, &value, sizeof(T));
}
