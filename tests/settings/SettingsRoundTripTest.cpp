#include "SettingsFixture.h"

#include "settings/ListConversions.h"

#include <gtest/gtest.h>

namespace {

// A Preferences in which every stored value differs from its default, with texts
// that need quoting or escaping in the file.
Preferences unusualParams()
{
    Preferences p(testScreen());
    p.setDefaultUnits(2);
    p.defaults.angleUnits = 2;
    p.defaults.showGridX = 1;
    p.defaults.snapY = 1;
    p.defaults.showAnchorsX = 0;
    p.defaults.millimetres.gridDensityXText = QStringLiteral("2,5");
    p.defaults.millimetres.gridDensityX = 2.5;
    p.defaults.inches.canvasText.width = QStringLiteral("17/2");
    p.defaults.inches.canvasWidth = 8.5;
    p.defaults.pixels.canvasText.top = QStringLiteral("not a number"); // kept as typed, number unchanged

    pageset_t& cards = pageSetupOf(p.pageSetups, designtypes::kBusinessCards);
    cards.units = 3;
    cards.orientation = orientations::kLandscape;
    cards.dimsFor(3).presetIndex = -1;
    cards.dimsFor(3).cardHeight = QStringLiteral("3 2/3");
    cards.dimsFor(3).extraX = QStringLiteral("= ; # , \"quoted\"");
    cards.dimsFor(2).rowFold = 1;
    p.defaultDesignType = -4;

    p.customWeights[2].name = QStringLiteral("Hair, fine");
    p.customWeights[2].text = QStringLiteral("1/16");
    p.customWeights[2].units = 3;
    p.customWeights[2].stored = convertWeight(p.customWeights[2], testScreen().pixelsPerMmX());
    p.customPatterns[0].name = QStringLiteral("Dash dot");
    p.customPatterns[0].units = 2;
    p.customPatterns[0].texts = { QStringLiteral("3"), QStringLiteral("1"), QStringLiteral("0,5"),
        QStringLiteral("1"), QString(), QStringLiteral("9") };
    p.customPatterns[0].stored = convertPattern(p.customPatterns[0], testScreen().pixelsPerMmX());
    p.customShadows[11] = { QStringLiteral("Deep"), 200, 10, 255, 0, 0, 1 };
    for (custDirectionList_t* list : { &p.customLineAngles, &p.customTextAngles, &p.customFontSizes }) {
        custDirectionRec_t& e = (*list)[5];
        e.name = QStringLiteral("Tilted ✓");
        e.text = QStringLiteral("-30");
        e.units = 1;
        e.stored = convertDirection(e);
    }

    for (const std::int32_t c : { 0x0000FF, 0x00FF00, 0xFF0000 })
        addRecentColor(p.recentColors, c); // 0xFF0000 ends first
    p.dialogColors[0] = QStringLiteral("#102030");
    p.dialogColors[15] = QStringLiteral("#ffffff");
    p.recentFiles[0] = QStringLiteral("/home/ann/Cards, 2024/\"best\" card.tvle");
    p.recentFiles[1] = QStringLiteral("C:\\My Documents\\Grüße.tvle");
    p.recentFiles[15] = QStringLiteral("  spaced  ");
    p.helpPages[0] = false;
    p.helpPages[41] = false;

    p.lineColor = 0x123456;
    p.linePattern = 6;
    p.lineCustomPattern = 12;
    p.lineFillColor = -1;
    p.lineWeightChoice = 3;
    p.lineOutlineChoice = 4;
    p.lineDirectionChoice = 5;
    p.lineWeight = 0.1;
    p.lineOutlineWeight = 1.0 / 3.0;
    p.lineDirection = 45.5;
    p.textColor = 7;
    p.textCharSet = 204;
    p.textSize = 36;
    p.textSizeChoice = 9;
    p.textWeight = 700;
    p.textStyle = { 1, 0, 1, 3 };
    p.textAngleTenths = 450;
    p.textAngleChoice = 2;
    p.textDirection = 45;
    p.textFont = QStringLiteral("DejaVu Sans, Condensed");
    p.shapeColor = 99;
    p.shapeFillColor = -2;
    p.shapeWeightChoice = 1;
    p.shapeSides = 7;
    p.splineShape = 2;
    p.splineToolShape = 1;
    p.curveShape = 2;
    p.curveToolShape = 1;
    p.shapeWeight = 2.25;
    p.pictureFileType = 7;
    p.exportFileType = 2;
    p.clipFrame = 1;
    p.clipShadow = 1;
    p.clipFrameColor = 0x0000FF;
    p.clipFrameWidth = 1e-3;
    p.pictureShadow = { 1, 2, 3 };
    p.textShadow = { 255, 0, 128 };
    p.shapeShadow = { 9, 9, 9 };
    p.lightDirection = 3;
    p.clipFrameSurface = 1;
    p.lineSurface = 2;
    p.textSurface = 3;
    p.shapeSurface = 255;
    p.documentFolder = QStringLiteral("/tmp/docs");
    p.exportFolder = QStringLiteral("@exports");
    p.pictureFolder = QString();
    return p;
}

Preferences loadFile(const QString& path)
{
    Preferences p(testScreen());
    SettingsStore store(path);
    EXPECT_TRUE(loadSettings(p, store));
    return p;
}

TEST(SettingsRoundTrip, LoadSaveLoadLosesAndReordersNothing)
{
    const Preferences original = unusualParams();
    ASSERT_FALSE(original == Preferences(testScreen()));
    TempConfig first;
    SettingsStore store(first.path());
    ASSERT_TRUE(saveSettings(original, store));

    const Preferences loaded = loadFile(first.path());
    EXPECT_EQ(loaded.defaults, original.defaults);
    EXPECT_EQ(loaded.pageSetups, original.pageSetups);
    EXPECT_EQ(loaded.customWeights, original.customWeights);
    EXPECT_EQ(loaded.customPatterns, original.customPatterns);
    EXPECT_EQ(loaded.customShadows, original.customShadows);
    EXPECT_EQ(loaded.customLineAngles, original.customLineAngles);
    EXPECT_EQ(loaded.customTextAngles, original.customTextAngles);
    EXPECT_EQ(loaded.customFontSizes, original.customFontSizes);
    EXPECT_EQ(loaded.recentColors, original.recentColors);
    EXPECT_EQ(loaded.recentFiles, original.recentFiles);
    EXPECT_EQ(loaded.dialogColors, original.dialogColors);
    EXPECT_EQ(loaded.helpPages, original.helpPages);
    EXPECT_TRUE(loaded == original); // every scalar too

    // Saving what was loaded writes the very same file.
    TempConfig second;
    SettingsStore secondStore(second.path());
    ASSERT_TRUE(saveSettings(loaded, secondStore));
    EXPECT_EQ(second.read(), first.read());
}

// Values the program does not know (such as those of the first-time setup)
// and the order of a hand-arranged file survive a load and a save.
TEST(SettingsRoundTrip, ForeignValuesAndOrderAreKept)
{
    TempConfig config;
    config.write("[Extra]\nfoo=bar\n\n[CustomSettings]\nddeins=33\ntsize=20\nunits=2\n");
    Preferences preferences(testScreen());
    SettingsStore store(config.path());
    ASSERT_TRUE(loadSettings(preferences, store));
    ASSERT_TRUE(saveSettings(preferences, store));
    const QByteArray saved = config.read();
    EXPECT_TRUE(saved.startsWith("[Extra]\nfoo=bar\n\n[CustomSettings]\nddeins=33\ntsize=20\nunits=2\n"))
        << saved.left(200).constData();
}

// Saving may happen at any time, for instance after the options are changed;
// it must not disturb the settings in memory and each save stands alone.
TEST(SettingsRoundTrip, RepeatedSavesFollowTheLatestValues)
{
    TempConfig config;
    Preferences preferences(testScreen());
    SettingsStore store(config.path());
    ASSERT_TRUE(loadSettings(preferences, store));
    preferences.customWeights[0].text = QStringLiteral("2");
    preferences.customWeights[0].units = 2;
    preferences.customWeights[0].stored = convertWeight(preferences.customWeights[0], testScreen().pixelsPerMmX());
    const Preferences before = preferences;
    ASSERT_TRUE(saveSettings(preferences, store));
    EXPECT_TRUE(preferences == before);
    EXPECT_EQ(loadFile(config.path()).customWeights[0].stored, 1);

    preferences.customWeights[0].stored = 0; // the user removed the entry
    ASSERT_TRUE(saveSettings(preferences, store));
    EXPECT_EQ(loadFile(config.path()).customWeights[0].stored, 0);
}

} // namespace
