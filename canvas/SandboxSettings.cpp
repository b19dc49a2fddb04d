#include "canvas/SandboxSettings.h"

#include "model/DrawingHeader.h"
#include "model/ItemBody.h"

#include <QDir>

namespace {
QString folder;
}

namespace sandboxsettings {

NewDrawingDefaults newDrawingDefaults()
{
    return {};
}

RulerStyle rulerStyle()
{
    RulerStyle style;
    style.labelFont = QFont(QStringLiteral("Liberation Sans"));
    style.labelFont.setPixelSize(9);
    return style;
}

QString documentFolder()
{
    return folder.isEmpty() ? QDir::homePath() : folder;
}

void setDocumentFolder(const QString& f)
{
    folder = f;
}

void setUpNewHeader(HeaderBody& h, const NewDrawingDefaults& d)
{
    h.units = d.units;
    setPixelsPerUnit(h);
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
}

} // namespace sandboxsettings
