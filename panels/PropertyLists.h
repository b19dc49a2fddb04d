#pragma once

#include "settings/Preferences.h"

#include <QString>

#include <cstdint>

class PropertyList;

// Filling the property panels' lists: the built-in entries, "Customize...",
// then the user's own entries from the preferences, in slot order. Each entry
// carries its value: colours and fill codes as int (0x00BBGGRR, -2 "Solid",
// -1 "Clear"), weights in millimetres and directions in degrees as double,
// shadows packed by packShadow, patterns as patternChoice values.
namespace propertylists {

inline constexpr std::int32_t kSolidFill = -2;
inline constexpr std::int32_t kClearFill = -1;
inline constexpr double kAnyAngle = -1.0;

// The colour list: 16 named colours, "Customize...", the colour dialog's
// custom colours and the recent colours.
void fillColors(PropertyList& list, const Preferences& preferences);
// "Solid" (in the line colour) and "Clear", then the colour list.
void fillFillColors(PropertyList& list, const Preferences& preferences, std::int32_t lineColor);
// Whether a colour has an entry of its own in the colour list.
bool colorListed(const Preferences& preferences, std::int32_t color);
// The weight list, its samples drawn in `lineColor`.
void fillWeights(PropertyList& list, const Preferences& preferences, std::int32_t lineColor);

// Pattern values: 0 .. 4 the built-in patterns, kCustomPattern + slot (1..12)
// the user's.
// The stored pattern choice is the list index: 0 .. 4 built-in, 5
// "Customize...", above that the user's.
inline constexpr int kCustomPattern = 1000;
inline constexpr int kBuiltInPatterns = 5;
void fillPatterns(PropertyList& list, const Preferences& preferences, std::int32_t lineColor);

// "Any angle", the four fixed directions, then the user's line or text angles.
void fillDirections(PropertyList& list, const custDirectionList_t& userAngles);

int packShadow(const ShadowPreset& shadow);
ShadowPreset unpackShadow(int packed);
void fillShadows(PropertyList& list, const Preferences& preferences);
void fillSurfaces(PropertyList& list);
void fillSides(PropertyList& list);

// The shape lists of the spline and curve tools: open, closed and the third
// form (solid or oblong), valued 0, 1, 2.
void fillSplineShapes(PropertyList& list);
void fillCurveShapes(PropertyList& list);

void fillFontNames(PropertyList& list, const QStringList& families);
void fillCharSets(PropertyList& list, const QString& family);
// Sizes in points (double: the user's may have fractions).
void fillFontSizes(PropertyList& list, const Preferences& preferences);
void fillFontWeights(PropertyList& list);

// Two doubles count as equal within 0.0001.
bool sameValue(double a, double b);

// Selecting a tool default: the entry of an integer value; the entry of a
// number, preferring the remembered entry `choice` when it holds that value.
int selectInt(PropertyList& list, int value);
int selectNumber(PropertyList& list, double value, int choice = -1);

// The default fill colour after the line colour changed to `lineColor`: a
// fill colour that the colour list does not offer follows the line colour,
// so that the user is never left with a fill they cannot pick again.
std::int32_t fillAfterColorChange(const Preferences& preferences, std::int32_t fill, std::int32_t lineColor);

} // namespace propertylists
