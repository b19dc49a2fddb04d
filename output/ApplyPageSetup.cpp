#include "output/ApplyPageSetup.h"

#include "model/DrawingHeader.h"
#include "model/ItemRecord.h"
#include "output/PageMeasure.h"

namespace {

constexpr char16_t kTextEnd = u'\u07EC';

void storeMeasure(double& field, const QString& text, int units)
{
    const PageMeasure m = parsePageMeasure(text, units);
    if (m.ok)
        field = m.value;
}

void storeCount(std::int32_t& field, const QString& text)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (ok)
        field = v;
}

} // namespace

std::u16string pageSetupText(const miry_t& dims)
{
    std::u16string text;
    for (int n = 0; n < miry_t::kTextCount; ++n) {
        text += dims.text(n).toStdU16String();
        text += kTextEnd;
    }
    return text;
}

bool applyPageSetup(ItemRecord& record, const pageset_t& p, int designType, double gridDensityX,
    double gridDensityY, const ScreenMetrics& screen)
{
    if (p.units < 1 || p.units > 3)
        return false;
    HeaderBody& h = record.header;
    const miry_t& m = p.current();
    h.orientation = p.orientation;
    h.designType = designType;
    h.presetIndex = m.presetIndex;

    const int u = p.units;
    storeMeasure(h.paperWidth, m.paperWidth, u);
    storeMeasure(h.paperHeight, m.paperHeight, u);
    storeMeasure(h.cardWidth, m.cardWidth, u);
    storeMeasure(h.cardHeight, m.cardHeight, u);
    storeMeasure(h.leftMargin, m.leftMargin, u);
    storeMeasure(h.topMargin, m.topMargin, u);
    storeMeasure(h.rightMargin, m.rightMargin, u);
    storeMeasure(h.bottomMargin, m.bottomMargin, u);
    storeMeasure(h.rowGap, m.rowGap, u);
    storeMeasure(h.columnGap, m.columnGap, u);
    storeMeasure(h.extraX, m.extraX, u);
    storeMeasure(h.extraY, m.extraY, u);
    storeCount(h.rows, m.rows);
    storeCount(h.columns, m.columns);
    h.rowFold = m.rowFold;
    h.columnFold = m.columnFold;
    setText(&record, pageSetupText(m));

    if (designtypes::isCardFamily(designType)) {
        h.canvasWidth = h.cardWidth * (h.columnFold ? 2 : 1);
        h.canvasHeight = h.cardHeight * (h.rowFold ? 2 : 1);
    } else {
        h.canvasWidth = h.paperWidth;
        h.canvasHeight = h.paperHeight;
    }

    const double oldX = h.pixelsPerUnitX, oldY = h.pixelsPerUnitY;
    h.units = u;
    setPixelsPerUnit(h, screen);
    if (h.pixelsPerUnitX > 0)
        h.canvasLeft *= oldX / h.pixelsPerUnitX;
    if (h.pixelsPerUnitY > 0)
        h.canvasTop *= oldY / h.pixelsPerUnitY;
    h.gridDensityX = gridDensityX;
    h.gridDensityY = gridDensityY;
    return true;
}
