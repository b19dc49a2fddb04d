#pragma once

#include "settings/Preferences.h"

#include <QString>

// Every value of the CustomSettings group in reading order, with its rule.
// One list serves both directions, so the reader and the writer cannot
// disagree about a name. V is a reader or a writer; V::preferences is Preferences&
// or const Preferences&.
namespace settingssections {

// The 14 page-setup text letters in the stored order of miry_t's texts.
inline constexpr char kPageSetupTextLetters[] = "fgpqhijklmnors";

template <class V> void visitPageSetup(V& v, int type)
{
    auto& set = pageSetupOf(v.preferences.pageSetups, type);
    const QString k = QString::number(type);
    v.integer(QStringLiteral("pgseta") + k, set.units, 1, 3);
    v.integer(QStringLiteral("pgsetb") + k, set.orientation, 1, 2);
    for (int u = 1; u <= 3; ++u) {
        auto& dims = set.dimsFor(u);
        const QString prefix = QString::number(u) + QStringLiteral("pgset");
        v.integer(prefix + u'c' + k, dims.presetIndex);
        v.flag(prefix + u'd' + k, dims.rowFold);
        v.flag(prefix + u'e' + k, dims.columnFold);
        for (int t = 0; t < miry_t::kTextCount; ++t)
            v.text(prefix + QLatin1Char(kPageSetupTextLetters[t]) + k, dims.text(t));
    }
}

template <class V> void visitGridAndCanvas(V& v)
{
    auto& d = v.preferences.defaults;
    for (int u = 1; u <= 3; ++u)
        v.text(QStringLiteral("gridx") + QString::number(u), d.valuesFor(u).gridDensityXText);
    for (int u = 1; u <= 3; ++u)
        v.text(QStringLiteral("gridy") + QString::number(u), d.valuesFor(u).gridDensityYText);
    for (int u = 1; u <= 3; ++u) {
        auto& r = d.valuesFor(u).canvasText;
        const QString base = QStringLiteral("canvas") + QString::number(u);
        v.text(base + u'1', r.left);
        v.text(base + u'2', r.top);
        v.text(base + u'3', r.width);
        v.text(base + u'4', r.height);
    }
}

template <class V> void visitCustomSettings(V& v)
{
    auto& p = v.preferences;
    v.defaultUnits(QStringLiteral("units"));
    v.integer(QStringLiteral("angles"), p.defaults.angleUnits, 1, 2);
    v.integer(QStringLiteral("lineColor"), p.lineColor);
    v.integer(QStringLiteral("linePattern"), p.linePattern);
    v.integer(QStringLiteral("linePatternTab"), p.lineCustomPattern);
    v.integer(QStringLiteral("lineFill"), p.lineFillColor);
    v.integer(QStringLiteral("lineWidthTab"), p.lineWeightChoice);
    v.integer(QStringLiteral("lineOutlineTab"), p.lineOutlineChoice);
    v.integer(QStringLiteral("lineDirectionTab"), p.lineDirectionChoice);
    v.gridSwitches(QStringLiteral("grid"));
    v.integer(QStringLiteral("tcolor"), p.textColor);
    v.integer(QStringLiteral("tcharset"), p.textCharSet);
    v.integer(QStringLiteral("tsize"), p.textSize);
    v.integer(QStringLiteral("tsizetab"), p.textSizeChoice);
    v.integer(QStringLiteral("tbold"), p.textWeight);
    v.textOptions(QStringLiteral("toptions"), p.textStyle);
    v.integer(QStringLiteral("tangle"), p.textAngleTenths);
    v.integer(QStringLiteral("tangletab"), p.textAngleChoice);
    v.integer(QStringLiteral("tdir"), p.textDirection);
    v.integer(QStringLiteral("polycolor"), p.shapeColor);
    v.integer(QStringLiteral("polyfill"), p.shapeFillColor);
    v.integer(QStringLiteral("polytab"), p.shapeWeightChoice);
    // Shapes need at least three sides; a hand-edited 0 would reach the geometry as a divisor.
    v.integer(QStringLiteral("polysides"), p.shapeSides, 3, 1024000);
    v.integer(QStringLiteral("polyshape"), p.splineShape);
    v.integer(QStringLiteral("polystate"), p.splineToolShape);
    v.integer(QStringLiteral("bpolyshape"), p.curveShape);
    v.integer(QStringLiteral("bpolystate"), p.curveToolShape);
    v.integer(QStringLiteral("picndx"), p.pictureFileType, 1, 7);
    v.integer(QStringLiteral("expndx"), p.exportFileType, 1, 2);
    v.integer(QStringLiteral("clframe"), p.clipFrame, 0, 1);
    v.integer(QStringLiteral("clshadw"), p.clipShadow, 0, 1);
    v.integer(QStringLiteral("frcolor"), p.clipFrameColor);
    v.shadow(QStringLiteral("shpict"), p.pictureShadow);
    v.shadow(QStringLiteral("shtext"), p.textShadow);
    v.shadow(QStringLiteral("shpoly"), p.shapeShadow);
    v.integer(QStringLiteral("lgtdir"), p.lightDirection, 0, 3);
    v.integer(QStringLiteral("frplas"), p.clipFrameSurface, 0, 255);
    v.integer(QStringLiteral("liplas"), p.lineSurface, 0, 255);
    v.integer(QStringLiteral("txplas"), p.textSurface, 0, 255);
    v.integer(QStringLiteral("poplas"), p.shapeSurface, 0, 255);
    visitGridAndCanvas(v);
    // A negative type (never confirmed by the user) is a valid state and must survive a restart.
    v.designType(QStringLiteral("pspage"), p.defaultDesignType);
    for (int type = 1; type <= designtypes::kCount; ++type)
        visitPageSetup(v, type);
    v.helpSwitches(QStringLiteral("hints"), p.helpPages);
    v.storedFloat(QStringLiteral("lineWidth"), p.lineWeight);
    v.storedFloat(QStringLiteral("frwidth"), p.clipFrameWidth);
    v.storedFloat(QStringLiteral("lineDirection"), p.lineDirection);
    v.storedFloat(QStringLiteral("lineOutline"), p.lineOutlineWeight);
    v.text(QStringLiteral("tfont"), p.textFont);
    v.storedFloat(QStringLiteral("polywidth"), p.shapeWeight);
    for (int i = 0; i < Preferences::kRecentFiles; ++i)
        v.recentFile(QStringLiteral("reopen") + QString::number(i + 1), i);
    v.text(QStringLiteral("docdir"), p.documentFolder);
    v.text(QStringLiteral("expdir"), p.exportFolder);
    v.text(QStringLiteral("picidr"), p.pictureFolder);
}

} // namespace settingssections
