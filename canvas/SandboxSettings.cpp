#include "canvas/SandboxSettings.h"

#include "model/DrawingHeader.h"
#include "model/ItemBody.h"
#include "shell/settings/TParams.h"

#include <QDir>

#include <memory>

namespace {

TParams* installed = nullptr;

TParams& builtIn()
{
    static std::unique_ptr<TParams> defaults = std::make_unique<TParams>();
    return *defaults;
}

} // namespace

namespace sandboxsettings {

void useParams(TParams* params)
{
    installed = params;
}

TParams& params()
{
    return installed ? *installed : builtIn();
}

NewDrawingDefaults newDrawingDefaults()
{
    const TParams& p = params();
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

QString documentFolder()
{
    const QString folder = params().docdir.trimmed();
    if (!folder.isEmpty() && QDir(folder).exists())
        return folder;
    return QDir::homePath();
}

void setDocumentFolder(const QString& folder)
{
    params().docdir = folder;
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
    // The preset page setup of the default design type is applied here once
    // the page setup model offers a way to write it into a header.
}

} // namespace sandboxsettings
