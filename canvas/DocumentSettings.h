#pragma once

#include "canvas/RulerStyle.h"

#include <QString>

#include <cstdint>

struct HeaderBody;
struct ItemRecord;
struct ScreenMetrics;
class Preferences;

// What a new drawing takes from the settings for new files.
struct NewDrawingDefaults {
    std::int32_t units = 3;
    std::int32_t angleUnits = 1;
    double gridDensityX = 0.25, gridDensityY = 0.25;
    double canvasLeft = 0.2, canvasTop = 0.2, canvasWidth = 8.5, canvasHeight = 11;
    std::uint8_t showGridX = 0, showAnchorsX = 1, snapX = 0;
    std::uint8_t showGridY = 0, showAnchorsY = 1, snapY = 0;
    std::int32_t designType = 9;
};

// The one place where the document window reads the settings.
namespace documentsettings {
NewDrawingDefaults newDrawingDefaults(const Preferences& preferences);
RulerStyle rulerStyle();
// The folder of the Open and Save As dialogs: the one of the preferences
// when it exists, else the home folder.
QString documentFolder(const Preferences& preferences);
void setDocumentFolder(Preferences& preferences, const QString& folder);
// Fills a fresh header for a new drawing: units (in pixels of `screen`),
// canvas, grid, and the page setup of the default design type.
void setUpNewHeader(ItemRecord& header, const NewDrawingDefaults& defaults, const Preferences& preferences,
    const ScreenMetrics& screen);
} // namespace documentsettings
