#pragma once

#include "settings/Preferences.h"

#include <QString>

// Every value of the CustomSettings group in reading order, with its rule.
// One list serves both directions, so the reader and the writer cannot
// disagree about a name. V is a reader or a writer; V::params is Preferences&
// or const Preferences&.
namespace settingssections {

// The 14 page-setup text letters in the stored order of miry_t's texts.
inline constexpr char kPageSetupTextLetters[] = "fgpqhijklmnors";

template <class V> void visitPageSetup(V& v, int type)
{
    auto& set = pageSetupOf(v.params.pageSetups, type);
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
    auto& d = v.params.defaults;
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
    auto& p = v.params;
    v.defaultUnits(QStringLiteral("units"));
    v.integer(QStringLiteral("angles"), p.defaults.angleUnits, 1, 2);
    v.integer(QStringLiteral("lineColor"), p.lineColor);
    v.integer(QStringLiteral("linePattern"), p.linePattern);
    v.integer(QStringLiteral("linePatternTab"), p.linePatternTab);
    v.integer(QStringLiteral("lineFill"), p.lineFill);
    v.integer(QStringLiteral("lineWidthTab"), p.lineWidthTab);
    v.integer(QStringLiteral("lineOutlineTab"), p.lineOutlineTab);
    v.integer(QStringLiteral("lineDirectionTab"), p.lineDirectionTab);
    v.gridSwitches(QStringLiteral("grid"));
    v.integer(QStringLiteral("tcolor"), p.tcolor);
    v.integer(QStringLiteral("tcharset"), p.tcharset);
    v.integer(QStringLiteral("tsize"), p.tsize);
    v.integer(QStringLiteral("tsizetab"), p.tsizetab);
    v.integer(QStringLiteral("tbold"), p.tbold);
    v.textOptions(QStringLiteral("toptions"), p.toptions);
    v.integer(QStringLiteral("tangle"), p.tangle);
    v.integer(QStringLiteral("tangletab"), p.tangletab);
    v.integer(QStringLiteral("tdir"), p.tdir);
    v.integer(QStringLiteral("polycolor"), p.polycolor);
    v.integer(QStringLiteral("polyfill"), p.polyfill);
    v.integer(QStringLiteral("polytab"), p.polytab);
    // Shapes need at least three sides; a hand-edited 0 would reach the geometry as a divisor.
    v.integer(QStringLiteral("polysides"), p.polysides, 3, 1024000);
    v.integer(QStringLiteral("polyshape"), p.polyshape);
    v.integer(QStringLiteral("polystate"), p.polystate);
    v.integer(QStringLiteral("bpolyshape"), p.bpolyshape);
    v.integer(QStringLiteral("bpolystate"), p.bpolystate);
    v.integer(QStringLiteral("picndx"), p.picndx, 1, 7);
    v.integer(QStringLiteral("expndx"), p.expndx, 1, 2);
    v.integer(QStringLiteral("clframe"), p.clframe, 0, 1);
    v.integer(QStringLiteral("clshadw"), p.clshadw, 0, 1);
    v.integer(QStringLiteral("frcolor"), p.frcolor);
    v.shadow(QStringLiteral("shpict"), p.shpict);
    v.shadow(QStringLiteral("shtext"), p.shtext);
    v.shadow(QStringLiteral("shpoly"), p.shpoly);
    v.integer(QStringLiteral("lgtdir"), p.lgtdir, 0, 3);
    v.integer(QStringLiteral("frplas"), p.frplas, 0, 255);
    v.integer(QStringLiteral("liplas"), p.liplas, 0, 255);
    v.integer(QStringLiteral("txplas"), p.txplas, 0, 255);
    v.integer(QStringLiteral("poplas"), p.poplas, 0, 255);
    visitGridAndCanvas(v);
    // A negative type (never confirmed by the user) is a valid state and must survive a restart.
    v.designType(QStringLiteral("pspage"), p.defaultDesignType);
    for (int type = 1; type <= designtypes::kCount; ++type)
        visitPageSetup(v, type);
    v.helpSwitches(QStringLiteral("hints"), p.hints);
    v.storedFloat(QStringLiteral("lineWidth"), p.lineWidth);
    v.storedFloat(QStringLiteral("frwidth"), p.frwidth);
    v.storedFloat(QStringLiteral("lineDirection"), p.lineDirection);
    v.storedFloat(QStringLiteral("lineOutline"), p.lineOutline);
    v.text(QStringLiteral("tfont"), p.tfont);
    v.storedFloat(QStringLiteral("polywidth"), p.polywidth);
    for (int i = 0; i < Preferences::kRecentFiles; ++i)
        v.recentFile(QStringLiteral("reopen") + QString::number(i + 1), i);
    v.text(QStringLiteral("docdir"), p.docdir);
    v.text(QStringLiteral("expdir"), p.expdir);
    v.text(QStringLiteral("picidr"), p.picidr);
}

} // namespace settingssections
