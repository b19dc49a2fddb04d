#include "panels/ShapePanel.h"

#include "model/ItemKinds.h"
#include "panels/HintBox.h"
#include "panels/PanelMemory.h"
#include "panels/PropertyList.h"
#include "panels/PropertyLists.h"
#include "panels/ToolSteps.h"
#include "settings/Preferences.h"

#include <QLabel>

using namespace propertylists;

namespace {

bool isSplinePage(Page page)
{
    return page == Page::SplineTool || page == Page::SolidTool;
}
bool isCurvePage(Page page)
{
    return page == Page::CurveTool || page == Page::OblongTool;
}

// The arc and the open spline and curve have no inside: their fill is taken
// as "Clear" whatever the default holds.
bool withoutInside(Page page)
{
    return page == Page::ArcTool || page == Page::SplineTool || page == Page::CurveTool;
}

QString titleOf(Page page)
{
    const ToolInfo* tool = toolOfPage(page);
    return tool ? ShapePanel::tr(tool->name) : QString();
}

} // namespace

ShapePanel::ShapePanel(Page page, Preferences& preferences, PanelMemory& memory, QWidget* parent)
    : PanelFrame(page, titleOf(page), tr("Basics"), tr("Effects"), memory.lineShapeTab, parent)
    , preferences_(preferences)
{
    setObjectName(QStringLiteral("ShapePanel"));
    color_ = addRow(0, tr("Color"), QStringLiteral("color"));
    fill_ = addRow(0, tr("Fill Color"), QStringLiteral("fillColor"));
    outline_ = addRow(0, tr("Outline Weight"), QStringLiteral("outlineWeight"));
    shape_ = addRow(0, tr("Shape"), QStringLiteral("shape"));
    surface_ = addRow(1, tr("Surface"), QStringLiteral("surface"));
    shadow_ = addRow(1, tr("Shadow"), QStringLiteral("shadow"));
    finishRows();

    // Choosing the spline or curve tool brings back the form last chosen
    // for it; the solid and oblong tools make their third form.
    Preferences& p = preferences_;
    if (page == Page::SplineTool)
        p.splineShape = p.splineToolShape;
    else if (page == Page::SolidTool)
        p.splineShape = kinds::kSolid;
    else if (page == Page::CurveTool)
        p.curveShape = p.curveToolShape;
    else if (page == Page::OblongTool)
        p.curveShape = kinds::kSolid;

    std::vector<HintLine> lines;
    for (const QString& step : toolSteps(page))
        lines.push_back(HintLine::plain(step));
    hints()->setLines(std::move(lines));
    fillLists();

    connect(color_, &PropertyList::chosen, this, [this, &p](int index) {
        p.shapeColor = color_->valueAt(index).toInt();
        p.shapeFillColor = fillAfterColorChange(p, p.shapeFillColor, p.shapeColor);
        fillColorDependentLists();
        updateRows();
    });
    connect(fill_, &PropertyList::chosen, this, [this, &p](int index) {
        p.shapeFillColor = fill_->valueAt(index).toInt();
        updateRows();
    });
    connect(outline_, &PropertyList::chosen, this, [this, &p](int index) {
        p.shapeWeight = outline_->valueAt(index).toDouble();
        p.shapeWeightChoice = index;
    });
    connect(shape_, &PropertyList::chosen, this,
        [this](int index) { shapeChosen(shape_->valueAt(index).toInt()); });
    connect(surface_, &PropertyList::chosen, this,
        [this, &p](int index) { p.shapeSurface = surface_->valueAt(index).toInt(); });
    connect(shadow_, &PropertyList::chosen, this,
        [this, &p](int index) { p.shapeShadow = unpackShadow(shadow_->valueAt(index).toInt()); });
}

void ShapePanel::fillLists()
{
    const Preferences& p = preferences_;
    fillColors(*color_, p);
    selectInt(*color_, p.shapeColor);
    fillShapeRow();
    fillSurfaces(*surface_);
    selectInt(*surface_, p.shapeSurface);
    fillShadows(*shadow_, p);
    selectInt(*shadow_, packShadow(p.shapeShadow));
    fillColorDependentLists();
    updateRows();
}

void ShapePanel::fillColorDependentLists()
{
    const Preferences& p = preferences_;
    fill_->clearEntries();
    fillFillColors(*fill_, p, p.shapeColor);
    selectInt(*fill_, p.shapeFillColor);
    outline_->clearEntries();
    fillWeights(*outline_, p, p.shapeColor);
    selectNumber(*outline_, p.shapeWeight, p.shapeWeightChoice);
}

void ShapePanel::fillShapeRow()
{
    const Preferences& p = preferences_;
    QLabel* label = labelOf(shape_);
    if (page() == Page::StarTool || page() == Page::PolygonTool) {
        label->setText(page() == Page::StarTool ? tr("Spikes") : tr("Sides"));
        fillSides(*shape_);
        selectInt(*shape_, p.shapeSides);
    } else if (isSplinePage(page())) {
        fillSplineShapes(*shape_);
        selectInt(*shape_, page() == Page::SolidTool ? kinds::kSolid : p.splineToolShape);
    } else if (isCurvePage(page())) {
        fillCurveShapes(*shape_);
        selectInt(*shape_, page() == Page::OblongTool ? kinds::kSolid : p.curveToolShape);
    } else {
        setRowVisible(shape_, false);
    }
}

void ShapePanel::shapeChosen(int value)
{
    Preferences& p = preferences_;
    if (page() == Page::StarTool || page() == Page::PolygonTool) {
        p.shapeSides = value;
        return;
    }
    const bool spline = isSplinePage(page());
    if (value != kinds::kSolid) {
        (spline ? p.splineToolShape : p.curveToolShape) = value;
        (spline ? p.splineShape : p.curveShape) = value;
    }
    const Page wanted = value == kinds::kSolid ? (spline ? Page::SolidTool : Page::OblongTool)
                                               : (spline ? Page::SplineTool : Page::CurveTool);
    if (wanted != page())
        emit pageRequested(wanted);
}

void ShapePanel::updateRows()
{
    const bool hasInside = !withoutInside(page());
    fill_->setEnabled(hasInside);
    const bool solidFill = hasInside && preferences_.shapeFillColor == kSolidFill;
    setRowVisible(outline_, !solidFill);
}
