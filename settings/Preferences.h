#pragma once

#include "base/ScreenMetrics.h"
#include "output/PageSetup.h"
#include "settings/CustomListRecords.h"
#include "settings/DefaultsRecords.h"
#include "settings/RecentColors.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

// Recently used files: always 16 paths, entry 0 the most recent, empty
// strings for unused places. Order rules: recentfiles::add (model/RecentFiles.h).
using reopenarr_t = QStringList;

// Font style bytes of new text (stored together as "toptions").
struct TextOptions {
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t justification = 1; // 1 left

    bool operator==(const TextOptions&) const = default;
};

// A default shadow (stored as the low three bytes of one integer).
struct ShadowPreset {
    std::uint8_t elevation = 0;
    std::uint8_t fade = 0;
    std::uint8_t lightness = 0;

    bool operator==(const ShadowPreset&) const = default;
};

// The user's preferences and named lists, held in memory for the life of the
// process. Every part of the program reads and changes this copy; the
// settings file is read into it by loadSettings and written from it by
// saveSettings (SettingsIO.h). A new Preferences holds the built-in defaults.
// The fields have readable names; the file keeps its own short value names,
// mapped in CustomSettingsFields.h.
class Preferences {
public:
    static constexpr int kHelpPages = 42;
    static constexpr int kRecentFiles = 16;
    static constexpr int kDialogColors = 16;

    // Built-in defaults; pixels per unit come from `screen`.
    explicit Preferences(const ScreenMetrics& screen);

    // Makes `newUnits` (1..3) the default units of new drawings with their
    // pixels per unit, and the units of every page-setup preset except
    // Digital Images (always pixels). Other codes are ignored.
    void setDefaultUnits(int newUnits);
    // Screen pixels per unit (x, y) for units 1..3.
    double pixelsPerUnitX(int forUnits) const;
    double pixelsPerUnitY(int forUnits) const;
    ScreenMetrics screen() const { return { screenDpiX_, screenDpiY_ }; }

    // The help-page switches, by index 0 .. kHelpPages - 1; other indexes read as off.
    bool helpPageOn(int index) const;
    void setAllHelpPages(bool on);
    bool allHelpPagesOn() const;
    bool noHelpPageOn() const;

    // New drawings: units, grid switches, grid and canvas per units.
    defaults_t defaults;
    // Page setup of each design type for new drawings, and the default type
    // (negative: never confirmed by the user; its absolute value is used).
    pagesetArr_t pageSetups;
    std::int32_t defaultDesignType = 9;

    // Named lists, 12 entries each.
    custThicknessList_t customWeights;
    custPatternList_t customPatterns;
    custShadowList_t customShadows;
    custDirectionList_t customLineAngles; // line angles
    custDirectionList_t customTextAngles; // text angles
    custDirectionList_t customFontSizes; // font sizes

    RecentColors recentColors = emptyRecentColors();
    // The 16 custom colours of the colour dialog, as "#rrggbb" texts; empty = unset.
    std::array<QString, kDialogColors> dialogColors;
    reopenarr_t recentFiles; // 16 entries

    // One switch per help page: false once the user turned the page off.
    std::array<bool, kHelpPages> helpPages;

    // New lines and the Line panel.
    std::int32_t lineColor = 0;
    std::int32_t linePattern = 0; // 0..4 built-in, above 5 a custom pattern
    std::int32_t lineCustomPattern = 0; // custom pattern entry 1..12
    std::int32_t lineFillColor = -2; // -2 filled with the line colour, -1 none
    // The entries chosen in the Line panel's lists.
    std::int32_t lineWeightChoice = 0;
    std::int32_t lineOutlineChoice = 0;
    std::int32_t lineDirectionChoice = 0;
    double lineWeight = 0.0; // millimetres
    double lineOutlineWeight = 0.0; // millimetres
    double lineDirection = -1.0; // degrees, negative: any

    // New text.
    std::int32_t textColor = 0;
    std::int32_t textCharSet = 0;
    std::int32_t textSize = 12;
    std::int32_t textSizeChoice = 4; // the entry chosen in the size list
    std::int32_t textWeight = 400; // font weight
    TextOptions textStyle;
    std::int32_t textAngleTenths = -10; // the angle preset, tenths of a degree
    std::int32_t textAngleChoice = 0; // the entry chosen in the angle list
    std::int32_t textDirection = -1; // the angle preset in degrees, -1 none
    QString textFont = QStringLiteral("Arial");

    // New shapes.
    std::int32_t shapeColor = 0;
    std::int32_t shapeFillColor = -1; // -1 none
    std::int32_t shapeWeightChoice = 0; // the entry chosen in the outline weight list
    std::int32_t shapeSides = 5; // sides of a polygon, spikes of a star: 3..1024000
    std::int32_t splineShape = 0; // new splines: open, closed, solid
    std::int32_t splineToolShape = 0; // the spline tool's last open or closed choice
    std::int32_t curveShape = 0; // new curves: open, closed, oblong
    std::int32_t curveToolShape = 0; // the curve tool's last open or closed choice
    double shapeWeight = 0.0; // millimetres

    // Pictures, clips and dialogs.
    std::int32_t pictureFileType = 1; // file type last chosen for insertion, 1..7
    std::int32_t exportFileType = 1; // file type last chosen for export, 1..2
    std::int32_t clipFrame = 0; // 1: new clips get a frame
    std::int32_t clipShadow = 0; // 1: new clips get a shadow
    std::int32_t clipFrameColor = 0;
    double clipFrameWidth = 0.0;

    // Shadows and surface effects.
    ShadowPreset pictureShadow;
    ShadowPreset textShadow;
    ShadowPreset shapeShadow;
    std::int32_t lightDirection = 0; // 0..3: top left, top right, bottom left, bottom right
    // Surface effects (0 flat .. 255) of new clip frames, lines, text and shapes.
    std::int32_t clipFrameSurface = 0;
    std::int32_t lineSurface = 0;
    std::int32_t textSurface = 0;
    std::int32_t shapeSurface = 0;

    // Folders of the Open/Save As, export and picture dialogs.
    QString documentFolder;
    QString exportFolder;
    QString pictureFolder;

    bool operator==(const Preferences&) const = default;

private:
    double screenDpiX_ = 96.0;
    double screenDpiY_ = 96.0;
};
