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

    p.customWidths[2].name = QStringLiteral("Hair, fine");
    p.customWidths[2].text = QStringLiteral("1/16");
    p.customWidths[2].units = 3;
    p.customWidths[2].stored = convertWeight(p.customWidths[2], testScreen().pixelsPerMmX());
    p.customPatterns[0].name = QStringLiteral("Dash dot");
    p.customPatterns[0].units = 2;
    p.customPatterns[0].texts = { QStringLiteral("3"), QStringLiteral("1"), QStringLiteral("0,5"),
        QStringLiteral("1"), QString(), QStringLiteral("9") };
    p.customPatterns[0].stored = convertPattern(p.customPatterns[0], testScreen().pixelsPerMmX());
    p.customShadows[11] = { QStringLiteral("Deep"), 200, 10, 255, 0, 0, 1 };
    for (custDirectionList_t* list : { &p.customDirections, &p.customAngles, &p.customSizes }) {
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
    p.hints[0] = false;
    p.hints[41] = false;

    p.lineColor = 0x123456;
    p.linePattern = 6;
    p.linePatternTab = 12;
    p.lineFill = -1;
    p.lineWidthTab = 3;
    p.lineOutlineTab = 4;
    p.lineDirectionTab = 5;
    p.lineWidth = 0.1;
    p.lineOutline = 1.0 / 3.0;
    p.lineDirection = 45.5;
    p.tcolor = 7;
    p.tcharset = 204;
    p.tsize = 36;
    p.tsizetab = 9;
    p.tbold = 700;
    p.toptions = { 1, 0, 1, 3 };
    p.tangle = 450;
    p.tangletab = 2;
    p.tdir = 45;
    p.tfont = QStringLiteral("DejaVu Sans, Condensed");
    p.polycolor = 99;
    p.polyfill = -2;
    p.polytab = 1;
    p.polysides = 7;
    p.polyshape = 2;
    p.polystate = 1;
    p.bpolyshape = 2;
    p.bpolystate = 1;
    p.polywidth = 2.25;
    p.picndx = 7;
    p.expndx = 2;
    p.clframe = 1;
    p.clshadw = 1;
    p.frcolor = 0x0000FF;
    p.frwidth = 1e-3;
    p.shpict = { 1, 2, 3 };
    p.shtext = { 255, 0, 128 };
    p.shpoly = { 9, 9, 9 };
    p.lgtdir = 3;
    p.frplas = 1;
    p.liplas = 2;
    p.txplas = 3;
    p.poplas = 255;
    p.docdir = QStringLiteral("/tmp/docs");
    p.expdir = QStringLiteral("@exports");
    p.picidr = QString();
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
    EXPECT_EQ(loaded.customWidths, original.customWidths);
    EXPECT_EQ(loaded.customPatterns, original.customPatterns);
    EXPECT_EQ(loaded.customShadows, original.customShadows);
    EXPECT_EQ(loaded.customDirections, original.customDirections);
    EXPECT_EQ(loaded.customAngles, original.customAngles);
    EXPECT_EQ(loaded.customSizes, original.customSizes);
    EXPECT_EQ(loaded.recentColors, original.recentColors);
    EXPECT_EQ(loaded.recentFiles, original.recentFiles);
    EXPECT_EQ(loaded.dialogColors, original.dialogColors);
    EXPECT_EQ(loaded.hints, original.hints);
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
    Preferences params(testScreen());
    SettingsStore store(config.path());
    ASSERT_TRUE(loadSettings(params, store));
    ASSERT_TRUE(saveSettings(params, store));
    const QByteArray saved = config.read();
    EXPECT_TRUE(saved.startsWith("[Extra]\nfoo=bar\n\n[CustomSettings]\nddeins=33\ntsize=20\nunits=2\n"))
        << saved.left(200).constData();
}

// Saving may happen at any time, for instance after the options are changed;
// it must not disturb the settings in memory and each save stands alone.
TEST(SettingsRoundTrip, RepeatedSavesFollowTheLatestValues)
{
    TempConfig config;
    Preferences params(testScreen());
    SettingsStore store(config.path());
    ASSERT_TRUE(loadSettings(params, store));
    params.customWidths[0].text = QStringLiteral("2");
    params.customWidths[0].units = 2;
    params.customWidths[0].stored = convertWeight(params.customWidths[0], testScreen().pixelsPerMmX());
    const Preferences before = params;
    ASSERT_TRUE(saveSettings(params, store));
    EXPECT_TRUE(params == before);
    EXPECT_EQ(loadFile(config.path()).customWidths[0].stored, 1);

    params.customWidths[0].stored = 0; // the user removed the entry
    ASSERT_TRUE(saveSettings(params, store));
    EXPECT_EQ(loadFile(config.path()).customWidths[0].stored, 0);
}

} // namespace
