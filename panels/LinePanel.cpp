#include "panels/LinePanel.h"

#include "panels/HintBox.h"
#include "panels/PanelMemory.h"
#include "panels/PropertyList.h"
#include "panels/PropertyLists.h"
#include "panels/ToolSteps.h"
#include "render/LineStyle.h"
#include "settings/Preferences.h"

using namespace propertylists;

namespace {
// A pen this many pixels wide or wider has an interior to fill.
constexpr int kFillablePixels = 3;
} // namespace

LinePanel::LinePanel(Page page, Preferences& preferences, PanelMemory& memory, QWidget* parent)
    : PanelFrame(page, tr("Line"), tr("Basics"), tr("Effects"), memory.lineShapeTab, parent)
    , preferences_(preferences)
{
    setObjectName(QStringLiteral("LinePanel"));
    color_ = addRow(0, tr("Color"), QStringLiteral("color"));
    weight_ = addRow(0, tr("Weight"), QStringLiteral("weight"));
    pattern_ = addRow(0, tr("Pattern"), QStringLiteral("pattern"));
    direction_ = addRow(0, tr("Direction"), QStringLiteral("direction"));
    fill_ = addRow(0, tr("Fill Color"), QStringLiteral("fillColor"));
    outline_ = addRow(0, tr("Outline Weight"), QStringLiteral("outlineWeight"));
    surface_ = addRow(1, tr("Surface"), QStringLiteral("surface"));
    shadow_ = addRow(1, tr("Shadow"), QStringLiteral("shadow"));
    finishRows();
    fillLists();
    setFirstPointEntered(false);

    Preferences& p = preferences_;
    connect(color_, &PropertyList::chosen, this, [this, &p](int index) {
        p.lineColor = color_->valueAt(index).toInt();
        p.lineFillColor = fillAfterColorChange(p, p.lineFillColor, p.lineColor);
        fillColorDependentLists();
        updateRows();
    });
    connect(weight_, &PropertyList::chosen, this, [this, &p](int index) {
        p.lineWeight = weight_->valueAt(index).toDouble();
        p.lineWeightChoice = index;
        updateRows();
    });
    connect(pattern_, &PropertyList::chosen, this, [this, &p](int index) {
        const int value = pattern_->valueAt(index).toInt();
        p.linePattern = index;
        if (value > kCustomPattern)
            p.lineCustomPattern = value - kCustomPattern;
    });
    connect(direction_, &PropertyList::chosen, this, [this, &p](int index) {
        p.lineDirection = direction_->valueAt(index).toDouble();
        p.lineDirectionChoice = index;
    });
    connect(fill_, &PropertyList::chosen, this, [this, &p](int index) {
        p.lineFillColor = fill_->valueAt(index).toInt();
        updateRows();
    });
    connect(outline_, &PropertyList::chosen, this, [this, &p](int index) {
        p.lineOutlineWeight = outline_->valueAt(index).toDouble();
        p.lineOutlineChoice = index;
    });
    connect(surface_, &PropertyList::chosen, this,
        [this, &p](int index) { p.lineSurface = surface_->valueAt(index).toInt(); });
    // Lines have no shadow setting of their own: they share the shapes'.
    connect(shadow_, &PropertyList::chosen, this,
        [this, &p](int index) { p.shapeShadow = unpackShadow(shadow_->valueAt(index).toInt()); });
}

void LinePanel::setFirstPointEntered(bool entered)
{
    std::vector<HintLine> lines;
    for (const QString& step : toolSteps(page(), entered))
        lines.push_back(HintLine::plain(step));
    hints()->setLines(std::move(lines));
}

void LinePanel::fillLists()
{
    const Preferences& p = preferences_;
    fillColors(*color_, p);
    selectInt(*color_, p.lineColor);
    fillDirections(*direction_, p.customLineAngles);
    selectNumber(*direction_, p.lineDirection, p.lineDirectionChoice);
    fillSurfaces(*surface_);
    selectInt(*surface_, p.lineSurface);
    fillShadows(*shadow_, p);
    selectInt(*shadow_, packShadow(p.shapeShadow));
    fillColorDependentLists();
    updateRows();
}

void LinePanel::fillColorDependentLists()
{
    const Preferences& p = preferences_;
    weight_->clearEntries();
    fillWeights(*weight_, p, p.lineColor);
    selectNumber(*weight_, p.lineWeight, p.lineWeightChoice);
    pattern_->clearEntries();
    fillPatterns(*pattern_, p, p.lineColor);
    // A custom pattern is found by its slot: the list holds only the stored ones.
    const int patternValue
        = p.linePattern > kBuiltInPatterns ? kCustomPattern + p.lineCustomPattern : p.linePattern;
    selectInt(*pattern_, patternValue);
    fill_->clearEntries();
    fillFillColors(*fill_, p, p.lineColor);
    selectInt(*fill_, p.lineFillColor);
    outline_->clearEntries();
    fillWeights(*outline_, p, p.lineColor);
    selectNumber(*outline_, p.lineOutlineWeight, p.lineOutlineChoice);
}

void LinePanel::updateRows()
{
    const Preferences& p = preferences_;
    const bool fillable = weightToPixels(1.0, p.lineWeight, p.screen()) >= kFillablePixels;
    setRowVisible(fill_, fillable);
    setRowVisible(outline_, fillable && p.lineFillColor != kSolidFill);
    hints()->setVisible(!fillable);
}
