#pragma once

#include "settings/Preferences.h"

#include <cstdint>

// The defaults the tool pages set for new lines, text and shapes, as one
// value: a tool page in the page history keeps the ones it was shown with,
// and Back or Forward to it puts them back.
struct ToolSettings {
    std::int32_t lineColor = 0, linePattern = 0, lineCustomPattern = 0, lineFillColor = -2;
    std::int32_t lineWeightChoice = 0, lineOutlineChoice = 0, lineDirectionChoice = 0;
    double lineWeight = 0.0, lineOutlineWeight = 0.0, lineDirection = -1.0;
    std::int32_t textColor = 0, textCharSet = 0, textSize = 12, textSizeChoice = 4, textWeight = 400;
    TextOptions textStyle;
    std::int32_t textAngleTenths = -10, textAngleChoice = 0, textDirection = -1;
    QString textFont;
    std::int32_t shapeColor = 0, shapeFillColor = -1, shapeWeightChoice = 0, shapeSides = 5;
    std::int32_t splineShape = 0, splineToolShape = 0, curveShape = 0, curveToolShape = 0;
    double shapeWeight = 0.0;
    ShadowPreset textShadow, shapeShadow;
    std::int32_t lineSurface = 0, textSurface = 0, shapeSurface = 0;

    bool operator==(const ToolSettings&) const = default;
};

ToolSettings captureToolSettings(const Preferences& preferences);
void restoreToolSettings(Preferences& preferences, const ToolSettings& settings);
