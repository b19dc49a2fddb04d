#include "settings/Preferences.h"

#include "output/FactoryPageSetup.h"

#include <QStandardPaths>

#include <algorithm>

namespace {

defaultsRec_t unitDefaults(const char* gridX, const char* gridY, const char* left, const char* top,
    const char* width, const char* height)
{
    defaultsRec_t rec;
    rec.gridDensityXText = QString::fromLatin1(gridX);
    rec.gridDensityYText = QString::fromLatin1(gridY);
    rec.canvasText = { QString::fromLatin1(left), QString::fromLatin1(top), QString::fromLatin1(width),
        QString::fromLatin1(height) };
    rec.gridDensityX = rec.gridDensityXText.toDouble();
    rec.gridDensityY = rec.gridDensityYText.toDouble();
    rec.canvasLeft = rec.canvasText.left.toDouble();
    rec.canvasTop = rec.canvasText.top.toDouble();
    rec.canvasWidth = rec.canvasText.width.toDouble();
    rec.canvasHeight = rec.canvasText.height.toDouble();
    return rec;
}

QString entryName(const char* base, int i)
{
    return QString::fromLatin1(base) + u' ' + entryLetter(i);
}

template <class List> void nameEntries(List& list, const char* base)
{
    for (int i = 0; i < kNamedEntries; ++i)
        list[static_cast<std::size_t>(i)].name = entryName(base, i);
}

} // namespace

Preferences::Preferences(const ScreenMetrics& screen)
    : screenDpiX_(screen.dpiX)
    , screenDpiY_(screen.dpiY)
{
    defaults.millimetres = unitDefaults("10", "10", "10", "10", "210", "297");
    defaults.inches = unitDefaults("0.25", "0.25", "0.2", "0.2", "8.5", "11");
    defaults.pixels = unitDefaults("25", "25", "50", "50", "400", "200");
    defaults.pixelsPerUnitX = pixelsPerUnitX(defaults.units);
    defaults.pixelsPerUnitY = pixelsPerUnitY(defaults.units);
    pageSetups = factoryPageSetups(defaults.units);

    nameEntries(customWeights, "Weight");
    for (custThicknessRec_t& e : customWeights) {
        e.text = QStringLiteral("0");
        e.units = defaults.units;
    }
    nameEntries(customPatterns, "Pattern");
    for (custPatternRec_t& e : customPatterns) {
        e.texts[0] = QStringLiteral("0");
        e.units = defaults.units;
    }
    nameEntries(customShadows, "Shadow");
    nameEntries(customLineAngles, "Angle");
    nameEntries(customTextAngles, "Angle");
    nameEntries(customFontSizes, "Size");
    for (custDirectionList_t* list : { &customLineAngles, &customTextAngles, &customFontSizes }) {
        for (custDirectionRec_t& e : *list)
            e.units = defaults.angleUnits;
    }

    for (int i = 0; i < kRecentFiles; ++i)
        recentFiles.append(QString());
    helpPages.fill(true);

    // The dialogs start in the user's own documents and pictures folders.
    documentFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    exportFolder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    pictureFolder = exportFolder;
}

double Preferences::pixelsPerUnitX(int forUnits) const
{
    return forUnits == 1 ? 1.0 : forUnits == 2 ? screenDpiX_ / 25.4 : screenDpiX_;
}

double Preferences::pixelsPerUnitY(int forUnits) const
{
    return forUnits == 1 ? 1.0 : forUnits == 2 ? screenDpiY_ / 25.4 : screenDpiY_;
}

bool Preferences::helpPageOn(int index) const
{
    return index >= 0 && index < kHelpPages && helpPages[std::size_t(index)];
}

void Preferences::setAllHelpPages(bool on) { helpPages.fill(on); }

bool Preferences::allHelpPagesOn() const
{
    return std::all_of(helpPages.begin(), helpPages.end(), [](bool on) { return on; });
}

bool Preferences::noHelpPageOn() const
{
    return std::none_of(helpPages.begin(), helpPages.end(), [](bool on) { return on; });
}

void Preferences::setDefaultUnits(int newUnits)
{
    if (newUnits < 1 || newUnits > 3)
        return;
    defaults.units = newUnits;
    defaults.pixelsPerUnitX = pixelsPerUnitX(newUnits);
    defaults.pixelsPerUnitY = pixelsPerUnitY(newUnits);
    for (int type = 1; type <= designtypes::kCount; ++type) {
        if (type != designtypes::kDigitalImages)
            pageSetupOf(pageSetups, type).units = newUnits;
    }
}
