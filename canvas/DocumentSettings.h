#pragma once

#include "canvas/RulerStyle.h"

#include <QString>

#include <cstdint>

struct HeaderBody;
struct ItemRecord;
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
// The settings the windows read; the main window passes its own at start.
// Without one, the built-in defaults serve (tests, tools).
void useParams(Preferences* params);
Preferences& params();
NewDrawingDefaults newDrawingDefaults();
RulerStyle rulerStyle();
// The folder of the Open and Save As dialogs.
QString documentFolder();
void setDocumentFolder(const QString& folder);
// Fills a fresh header for a new drawing: units, canvas, grid, page setup.
void setUpNewHeader(ItemRecord& header, const NewDrawingDefaults& defaults);
} // namespace documentsettings
