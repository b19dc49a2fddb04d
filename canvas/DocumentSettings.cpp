#include "canvas/DocumentSettings.h"

#include "model/DrawingHeader.h"
#include "model/ItemBody.h"
#include "model/ItemRecord.h"
#include "output/ApplyPageSetup.h"
#include "settings/Preferences.h"

#include <QDir>

namespace documentsettings {

NewDrawingDefaults newDrawingDefaults(const Preferences& p)
{
    const defaults_t& d = p.defaults;
    const defaultsRec_t& r = d.valuesFor(d.units);
    NewDrawingDefaults n;
    n.units = d.units;
    n.angleUnits = d.angleUnits;
    n.gridDensityX = r.gridDensityX;
    n.gridDensityY = r.gridDensityY;
    n.canvasLeft = r.canvasLeft;
    n.canvasTop = r.canvasTop;
    n.canvasWidth = r.canvasWidth;
    n.canvasHeight = r.canvasHeight;
    n.showGridX = d.showGridX;
    n.showAnchorsX = d.showAnchorsX;
    n.snapX = d.snapX;
    n.showGridY = d.showGridY;
    n.showAnchorsY = d.showAnchorsY;
    n.snapY = d.snapY;
    n.designType = p.defaultDesignType;
    return n;
}

RulerStyle rulerStyle()
{
    RulerStyle style;
    style.labelFont = QFont(QStringLiteral("Liberation Sans"));
    style.labelFont.setPixelSize(9);
    return style;
}

QString documentFolder(const Preferences& preferences)
{
    const QString folder = preferences.documentFolder.trimmed();
    if (!folder.isEmpty() && QDir(folder).exists())
        return folder;
    return QDir::homePath();
}

void setDocumentFolder(Preferences& preferences, const QString& folder)
{
    preferences.documentFolder = folder;
}

void setUpNewHeader(
    ItemRecord& record, const NewDrawingDefaults& d, const Preferences& p, const ScreenMetrics& screen)
{
    HeaderBody& h = record.header;
    h.units = d.units;
    setPixelsPerUnit(h, screen);
    h.angleUnits = d.angleUnits;
    h.canvasLeft = d.canvasLeft;
    h.canvasTop = d.canvasTop;
    h.canvasWidth = d.canvasWidth;
    h.canvasHeight = d.canvasHeight;
    h.gridDensityX = d.gridDensityX;
    h.gridDensityY = d.gridDensityY;
    h.showGridX = d.showGridX;
    h.showAnchorsX = d.showAnchorsX;
    h.snapX = d.snapX;
    h.showGridY = d.showGridY;
    h.showAnchorsY = d.showAnchorsY;
    h.snapY = d.snapY;
    switch (d.units) {
    case units::kPixels:
        h.paperWidth = h.paperHeight = 200;
        break;
    case units::kMillimetres:
        h.paperWidth = 210;
        h.paperHeight = 297;
        break;
    default:
        h.paperWidth = 8.5;
        h.paperHeight = 11;
        break;
    }
    h.cardWidth = h.cardHeight = 0;
    h.leftMargin = h.topMargin = h.rightMargin = h.bottomMargin = 0;
    h.rowGap = h.columnGap = h.extraX = h.extraY = 0;
    h.rows = h.columns = 0;
    h.rowFold = h.columnFold = 0;
    h.designType = 0;

    const int type = d.designType < 0 ? -d.designType : d.designType;
    if (!designtypes::isValid(type))
        return;
    const pageset_t& setup = pageSetupOf(p.pageSetups, type);
    const defaultsRec_t& grid = p.defaults.valuesFor(setup.units);
    if (applyPageSetup(record, setup, type, grid.gridDensityX, grid.gridDensityY, screen) && d.designType < 0)
        h.designType = -type;
}

} // namespace documentsettings
