#include "model/DrawingHeader.h"

#include "model/ItemKinds.h"
#include "model/ItemRecord.h"
#include "base/Rounding.h"
#include "base/ScreenMetrics.h"

#include <algorithm>

ItemRecord* createHeader(ItemList& list)
{
    ItemRecord* record = createItem(list, kinds::kHeader);
    HeaderBody& h = record->header;
    h.recordClass = kinds::kClassHeader;
    // createItem's item defaults overlap the header's fields; give every
    // header field a plain starting value so nothing reads those bytes.
    h.zoom = 1.0;
    h.units = units::kPixels;
    h.pixelsPerUnitX = h.pixelsPerUnitY = 1.0;
    h.angleUnits = 1;
    h.canvasLeft = h.canvasTop = 0.0;
    h.canvasWidth = h.canvasHeight = 200.0;
    h.modified = 0;
    h.gridDensityX = h.gridDensityY = 10.0;
    h.showGridX = h.showAnchorsX = h.snapX = 0;
    h.showGridY = h.showAnchorsY = h.snapY = 0;
    h.designType = -1;
    h.orientation = 1;
    h.presetIndex = -1;
    h.paperWidth = h.paperHeight = 200.0;
    h.cardWidth = h.cardHeight = 200.0;
    h.leftMargin = h.topMargin = h.rightMargin = h.bottomMargin = 0.0;
    h.rowGap = h.columnGap = h.extraX = h.extraY = 0.0;
    h.rows = h.columns = 1;
    h.rowFold = h.columnFold = 0;
    h.keepsHistory = 0;
    h.reserved322 = 0;
    h.formatVersion = kFormatVersion;
    h.lightDirection = 0;
    recomputeScreenExtent(h);
    return record;
}

void setPixelsPerUnit(HeaderBody& h, const ScreenMetrics& s)
{
    switch (h.units) {
    case units::kPixels:
        h.pixelsPerUnitX = h.pixelsPerUnitY = 1.0;
        break;
    case units::kMillimetres:
        h.pixelsPerUnitX = s.pixelsPerMmX();
        h.pixelsPerUnitY = s.pixelsPerMmY();
        break;
    case units::kInches:
        h.pixelsPerUnitX = s.dpiX;
        h.pixelsPerUnitY = s.dpiY;
        break;
    default:
        break;
    }
}

void recomputeScreenExtent(HeaderBody& h)
{
    h.screenX1 = roundEven(h.canvasLeft * h.pixelsPerUnitX * h.zoom);
    h.screenY1 = roundEven(h.zoom * h.canvasTop * h.pixelsPerUnitY);
    // Added as reals and saturated, so a damaged header cannot overflow.
    h.screenX2 = roundEven(double(roundEven(h.zoom * h.pixelsPerUnitX * h.canvasWidth)) + h.screenX1);
    h.screenY2 = roundEven(double(roundEven(h.zoom * h.pixelsPerUnitY * h.canvasHeight)) + h.screenY1);
    h.screenMinX = std::min(h.screenX1, h.screenX2);
    h.screenMaxX = std::max(h.screenX1, h.screenX2);
    h.screenMinY = std::min(h.screenY1, h.screenY2);
    h.screenMaxY = std::max(h.screenY1, h.screenY2);
    h.screenWidth = roundEven(h.canvasWidth * h.pixelsPerUnitX * h.zoom);
    h.screenHeight = roundEven(h.canvasHeight * h.pixelsPerUnitY * h.zoom);
}

double zoomOf(const ItemList& list)
{
    const ItemRecord* h = findHeader(list);
    return h ? h->header.zoom : 1.0;
}
