#include "settings/ToolSettings.h"

namespace {

// Calls f(preferences field, settings field) for every field the two share,
// so that capture and restore cannot leave one out.
template <class P, class S, class F> void forEachField(P& p, S& s, F&& f)
{
    f(p.lineColor, s.lineColor);
    f(p.linePattern, s.linePattern);
    f(p.lineCustomPattern, s.lineCustomPattern);
    f(p.lineFillColor, s.lineFillColor);
    f(p.lineWeightChoice, s.lineWeightChoice);
    f(p.lineOutlineChoice, s.lineOutlineChoice);
    f(p.lineDirectionChoice, s.lineDirectionChoice);
    f(p.lineWeight, s.lineWeight);
    f(p.lineOutlineWeight, s.lineOutlineWeight);
    f(p.lineDirection, s.lineDirection);
    f(p.textColor, s.textColor);
    f(p.textCharSet, s.textCharSet);
    f(p.textSize, s.textSize);
    f(p.textSizeChoice, s.textSizeChoice);
    f(p.textWeight, s.textWeight);
    f(p.textStyle, s.textStyle);
    f(p.textAngleTenths, s.textAngleTenths);
    f(p.textAngleChoice, s.textAngleChoice);
    f(p.textDirection, s.textDirection);
    f(p.textFont, s.textFont);
    f(p.shapeColor, s.shapeColor);
    f(p.shapeFillColor, s.shapeFillColor);
    f(p.shapeWeightChoice, s.shapeWeightChoice);
    f(p.shapeSides, s.shapeSides);
    f(p.splineShape, s.splineShape);
    f(p.splineToolShape, s.splineToolShape);
    f(p.curveShape, s.curveShape);
    f(p.curveToolShape, s.curveToolShape);
    f(p.shapeWeight, s.shapeWeight);
    f(p.textShadow, s.textShadow);
    f(p.shapeShadow, s.shapeShadow);
    f(p.lineSurface, s.lineSurface);
    f(p.textSurface, s.textSurface);
    f(p.shapeSurface, s.shapeSurface);
}

} // namespace

ToolSettings captureToolSettings(const Preferences& preferences)
{
    ToolSettings s;
    forEachField(preferences, s, [](const auto& from, auto& to) { to = from; });
    return s;
}

void restoreToolSettings(Preferences& preferences, const ToolSettings& settings)
{
    forEachField(preferences, settings, [](auto& to, const auto& from) { to = from; });
}
