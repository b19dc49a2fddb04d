#pragma once

#include <cstdint>

// Kind codes of the records of a drawing.
namespace kinds {
constexpr std::int32_t kText = 1000100;
constexpr std::int32_t kLine = 1000200;
constexpr std::int32_t kTriangle = 1000300;
constexpr std::int32_t kSquare = 1000400;
constexpr std::int32_t kRectangle = 1000500;
constexpr std::int32_t kCircle = 1000600;
constexpr std::int32_t kEllipse = 1000700;
constexpr std::int32_t kPolygon = 1000800;
constexpr std::int32_t kStar = 1000900;
constexpr std::int32_t kPie = 1001000;
constexpr std::int32_t kArc = 1001100;
constexpr std::int32_t kSpline = 1001200;
constexpr std::int32_t kCurve = 1001400;
constexpr std::int32_t kClipBitmap = 1003000;     // adjusted clip cache; rectangular outline in the picture dialog
constexpr std::int32_t kRoundClipOutline = 1003001;
constexpr std::int32_t kClipBitmapRaw = 1003100;  // unadjusted clip cache
constexpr std::int32_t kClip = 1004000;
constexpr std::int32_t kGroupFrame = 1005000;
constexpr std::int32_t kHeader = 2000000;
constexpr std::int32_t kDropped = 3000000;
constexpr std::int32_t kGrid = 4000000;
constexpr std::int32_t kPictureStore = 5000000;

constexpr std::int32_t kShapeFirst = 1000300;
constexpr std::int32_t kShapeLast = 1002000;

// Record classes.
constexpr std::int32_t kClassItem = 0;
constexpr std::int32_t kClassPattern = 3;
constexpr std::int32_t kClassPictureStore = 6;
constexpr std::int32_t kClassHeader = 2000000;

// Shapes share the point tail in the file.
constexpr bool isShape(std::int32_t kind) { return kind >= kShapeFirst && kind <= kShapeLast; }

constexpr bool isDrawable(std::int32_t kind)
{
    return kind == kText || (kind >= kLine && kind <= kShapeLast) || kind == kClip || kind == kGroupFrame;
}

// Drawable kinds other than group frames: the items a user draws, erases
// and restacks one by one.
constexpr bool isDrawnItem(std::int32_t kind) { return isDrawable(kind) && kind != kGroupFrame; }

// Shape variants.
constexpr std::int32_t kOpen = 0;
constexpr std::int32_t kClosed = 1;
constexpr std::int32_t kSolid = 2;
} // namespace kinds
