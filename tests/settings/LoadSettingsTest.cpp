#include "SettingsFixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <numbers>

namespace {

using designtypes::kDigitalImages;

// One hand-written CustomSettings body and what must hold after loading it.
struct RuleCase {
    const char* name;
    const char* body;
    std::function<void(const Preferences&)> check;
};

void PrintTo(const RuleCase& c, std::ostream* os)
{
    *os << c.name;
}

class CustomSettingsRules : public testing::TestWithParam<RuleCase> { };

TEST_P(CustomSettingsRules, AreHonoured)
{
    const RuleCase& c = GetParam();
    c.check(loadFromText(QByteArray("[CustomSettings]\n") + c.body));
}

void expectGrid(const defaults_t& d, int gx, int ax, int sx, int gy, int ay, int sy)
{
    EXPECT_EQ(d.showGridX, gx);
    EXPECT_EQ(d.showAnchorsX, ax);
    EXPECT_EQ(d.snapX, sx);
    EXPECT_EQ(d.showGridY, gy);
    EXPECT_EQ(d.showAnchorsY, ay);
    EXPECT_EQ(d.snapY, sy);
}

// Made on first use, not before main: the defaults name folders under the
// home folder, which the test program moves at start.
const Preferences& defaultParams()
{
    static const Preferences preferences(testScreen());
    return preferences;
}

INSTANTIATE_TEST_SUITE_P(Cases, CustomSettingsRules,
    testing::Values(RuleCase { "units_4_ignored", "units=4\n",
                        [](const Preferences& p) {
                            EXPECT_EQ(p.defaults.units, 3);
                            EXPECT_EQ(p.pageSetups, defaultParams().pageSetups);
                        } },
        RuleCase { "units_2_sets_presets_except_images", "units=2\n",
            [](const Preferences& p) {
                EXPECT_EQ(p.defaults.units, 2);
                EXPECT_DOUBLE_EQ(p.defaults.pixelsPerUnitX, 96.0 / 25.4);
                for (int type = 1; type <= designtypes::kCount; ++type)
                    EXPECT_EQ(pageSetupOf(p.pageSetups, type).units, type == kDigitalImages ? 1 : 2) << type;
            } },
        RuleCase { "preset_units_after_default_units", "units=2\npgseta5=1\npgseta6=0\n",
            [](const Preferences& p) {
                EXPECT_EQ(pageSetupOf(p.pageSetups, 5).units, 1);
                EXPECT_EQ(pageSetupOf(p.pageSetups, 6).units, 2);
            } },
        RuleCase { "grid_63_all_on", "grid=63\n",
            [](const Preferences& p) { expectGrid(p.defaults, 1, 1, 1, 1, 1, 1); } },
        RuleCase { "grid_0_all_off", "grid=0\n",
            [](const Preferences& p) { expectGrid(p.defaults, 0, 0, 0, 0, 0, 0); } },
        RuleCase { "grid_bits_in_order", "grid=41\n", // 101001: showGridX, snapX, snapY
            [](const Preferences& p) { expectGrid(p.defaults, 1, 0, 1, 0, 0, 1); } },
        RuleCase { "line_width_with_comma", "lineWidth=0,75\nfrwidth=\"0,5\"\npolywidth= 1 5 \n",
            [](const Preferences& p) {
                EXPECT_DOUBLE_EQ(p.lineWeight, 0.75);
                EXPECT_DOUBLE_EQ(p.clipFrameWidth, 0.5);
                EXPECT_DOUBLE_EQ(p.shapeWeight, 15.0);
            } },
        RuleCase { "stored_float_junk_reads_zero", "lineDirection=abc\n",
            [](const Preferences& p) { EXPECT_DOUBLE_EQ(p.lineDirection, 0.0); } },
        RuleCase { "ranges_reject",
            "picndx=8\nexpndx=3\nclframe=2\nclshadw=-1\nlgtdir=4\nfrplas=256\n"
            "liplas=-1\nangles=3\npspage=12\npspage=0\npgsetb4=3\n2pgsetd4=2\npolysides=2\n",
            [](const Preferences& p) {
                EXPECT_EQ(p.pictureFileType, 1);
                EXPECT_EQ(p.exportFileType, 1);
                EXPECT_EQ(p.clipFrame, 0);
                EXPECT_EQ(p.clipShadow, 0);
                EXPECT_EQ(p.lightDirection, 0);
                EXPECT_EQ(p.clipFrameSurface, 0);
                EXPECT_EQ(p.lineSurface, 0);
                EXPECT_EQ(p.defaults.angleUnits, 1);
                EXPECT_EQ(p.defaultDesignType, 9);
                EXPECT_EQ(p.shapeSides, 5);
                EXPECT_EQ(pageSetupOf(p.pageSetups, 4), pageSetupOf(defaultParams().pageSetups, 4));
            } },
        RuleCase { "ranges_accept_limits",
            "picndx=7\nexpndx=2\nclframe=1\nlgtdir=3\nfrplas=255\nangles=2\n"
            "pspage=11\npgsetb4=2\n2pgsetd4=1\n2pgsete4=1\npolysides=3\n",
            [](const Preferences& p) {
                EXPECT_EQ(p.pictureFileType, 7);
                EXPECT_EQ(p.exportFileType, 2);
                EXPECT_EQ(p.clipFrame, 1);
                EXPECT_EQ(p.lightDirection, 3);
                EXPECT_EQ(p.clipFrameSurface, 255);
                EXPECT_EQ(p.defaults.angleUnits, 2);
                EXPECT_EQ(p.defaultDesignType, 11);
                EXPECT_EQ(p.shapeSides, 3);
                EXPECT_EQ(pageSetupOf(p.pageSetups, 4).orientation, 2);
                EXPECT_EQ(pageSetupOf(p.pageSetups, 4).dimsFor(2).rowFold, 1);
                EXPECT_EQ(pageSetupOf(p.pageSetups, 4).dimsFor(2).columnFold, 1);
            } },
        RuleCase { "unconfirmed_design_type_kept", "pspage=-5\n",
            [](const Preferences& p) { EXPECT_EQ(p.defaultDesignType, -5); } },
        RuleCase { "wrong_types_keep_defaults",
            "units=abc\ntsize=12.5\ntbold=99999999999\nlineColor=\n"
            "polysides=five\n",
            [](const Preferences& p) {
                EXPECT_EQ(p.defaults.units, 3);
                EXPECT_EQ(p.textSize, 12);
                EXPECT_EQ(p.textWeight, 400);
                EXPECT_EQ(p.lineColor, 0);
                EXPECT_EQ(p.shapeSides, 5);
            } },
        RuleCase { "junk_does_not_reset_neighbours",
            "tsize=\"14\nthis is junk\n\x01\xfe\xff\ntbold=700\n"
            "tfont=\"Open\n[CustomColors\ncolorA=255\n",
            [](const Preferences& p) {
                EXPECT_EQ(p.textSize, 14); // an unclosed quote ends with its line
                EXPECT_EQ(p.textWeight, 700);
                EXPECT_EQ(p.textFont, QStringLiteral("Open"));
                EXPECT_EQ(p.recentColors[0], 255);
            } },
        RuleCase { "text_option_bytes", "toptions=16777473\n", // 0x01000101
            [](const Preferences& p) {
                EXPECT_EQ(p.textStyle, (TextOptions { 1, 1, 0, 1 }));
            } },
        RuleCase { "shadow_low_three_bytes", "shpict=2132939025\nshtext=-1\n", // 0x7F221111
            [](const Preferences& p) {
                EXPECT_EQ(p.pictureShadow, (ShadowPreset { 0x11, 0x11, 0x22 }));
                EXPECT_EQ(p.textShadow, (ShadowPreset { 0xFF, 0xFF, 0xFF }));
            } },
        RuleCase { "hints_zero_turns_off", "hints=10x0\n",
            [](const Preferences& p) {
                EXPECT_TRUE(p.helpPages[0]);
                EXPECT_FALSE(p.helpPages[1]);
                EXPECT_TRUE(p.helpPages[2]);
                EXPECT_FALSE(p.helpPages[3]);
                EXPECT_TRUE(p.helpPages[41]);
            } },
        RuleCase { "hints_longer_than_pages", "hints=000000000000000000000000000000000000000000000000\n",
            [](const Preferences& p) { EXPECT_FALSE(p.helpPages[41]); } },
        RuleCase { "grid_and_canvas_texts_parsed", "gridx2=5\ngridy2=oops\ncanvas33=17/2\ncanvas34=8 1/2\n",
            [](const Preferences& p) {
                EXPECT_DOUBLE_EQ(p.defaults.millimetres.gridDensityX, 5.0);
                EXPECT_EQ(p.defaults.millimetres.gridDensityYText, QStringLiteral("oops"));
                EXPECT_DOUBLE_EQ(p.defaults.millimetres.gridDensityY, 10.0);
                EXPECT_DOUBLE_EQ(p.defaults.inches.canvasWidth, 8.5);
                EXPECT_EQ(p.defaults.inches.canvasText.height, QStringLiteral("8 1/2"));
                EXPECT_DOUBLE_EQ(p.defaults.inches.canvasHeight, 11.0);
            } },
        RuleCase { "page_setup_texts_by_letter", "2pgsetc5=3\n2pgsetf5=215\n2pgsetq5=3 2/3\n2pgsets5=x\n",
            [](const Preferences& p) {
                const miry_t& mm = pageSetupOf(p.pageSetups, 5).dimsFor(2);
                EXPECT_EQ(mm.presetIndex, 3);
                EXPECT_EQ(mm.paperWidth, QStringLiteral("215"));
                EXPECT_EQ(mm.cardHeight, QStringLiteral("3 2/3"));
                EXPECT_EQ(mm.extraY, QStringLiteral("x"));
            } },
        RuleCase { "recent_files_any_text", "reopen1=/a/b.tvle\nreopen16= spaced \n",
            [](const Preferences& p) {
                ASSERT_EQ(p.recentFiles.size(), 16);
                EXPECT_EQ(p.recentFiles[0], QStringLiteral("/a/b.tvle"));
                EXPECT_EQ(p.recentFiles[15], QStringLiteral("spaced"));
            } }),
    [](const testing::TestParamInfo<RuleCase>& row) { return std::string(row.param.name); });

TEST(NamedLists, WeightsTakeOnlyEntriesThatConvert)
{
    const Preferences p = loadFromText("[CustomWidths]\n"
                                   "nameA=Hair\nvalueA=1/16\nunitsA=3\n"
                                   "nameB=Zero\nvalueB=0\nunitsB=2\n"
                                   "nameC=  \nvalueC=1\nunitsC=2\n"
                                   "nameD=Wide\nvalueD=2\nunitsD=4\n"
                                   "nameE=NoUnits\nvalueE=2\n"
                                   "nameF=Text units\nvalueF=2\nunitsF=two\n");
    EXPECT_NEAR(p.customWeights[0].weight, 1.5875, 1e-12);
    EXPECT_EQ(p.customWeights[0].name, QStringLiteral("Hair"));
    EXPECT_EQ(p.customWeights[0].stored, 1);
    for (std::size_t i = 1; i < 6; ++i) {
        EXPECT_EQ(p.customWeights[i], defaultParams().customWeights[i]) << i;
    }
    EXPECT_EQ(p.customWeights[1].name, QStringLiteral("Weight B"));
}

// An entry that is not loaded is not stored, so the next save drops it from the file.
TEST(NamedLists, RejectedEntriesDisappearOnSave)
{
    TempConfig config;
    config.write("[CustomWidths]\nnameA=Zero\nvalueA=0\nunitsA=2\nnameB=Ok\nvalueB=1\nunitsB=2\n");
    Preferences preferences(testScreen());
    SettingsStore store(config.path());
    ASSERT_TRUE(loadSettings(preferences, store));
    ASSERT_TRUE(saveSettings(preferences, store));
    SettingsStore again(config.path());
    ASSERT_TRUE(again.load());
    EXPECT_FALSE(again.readString(settingsgroups::kCustomWidths, QStringLiteral("nameA")).has_value());
    EXPECT_EQ(again.readString(settingsgroups::kCustomWidths, QStringLiteral("nameB")), QStringLiteral("Ok"));
}

TEST(NamedLists, PatternsNeedANonZeroFirstLength)
{
    const Preferences p = loadFromText("[CustomPatterns]\n"
                                   "nameA=Zero first\nvalueA1=0\nvalueA2=2\nunitsA=2\n"
                                   "nameB=Gappy\nvalueB1=3\nvalueB2=2\nvalueB3=\nvalueB4=4\nunitsB=2\n"
                                   "nameC=Units\nvalueC1=3\nvalueC2=2\nunitsC=0\n");
    EXPECT_EQ(p.customPatterns[0], defaultParams().customPatterns[0]);
    EXPECT_EQ(p.customPatterns[1].stored, 1);
    EXPECT_EQ(p.customPatterns[1].count, 2);
    EXPECT_EQ(p.customPatterns[1].texts[3], QStringLiteral("4"));
    EXPECT_EQ(p.customPatterns[2], defaultParams().customPatterns[2]);
}

TEST(NamedLists, AnglesAndSizesWrapAndCheckUnits)
{
    const Preferences p
        = loadFromText("[CustomAngles]\n"
                       "nameA=Down\nvalueA=-90\nunitsA=1\n"
                       "nameB=Rad\nvalueB=7.5\nunitsB=2\n"
                       "nameC=Bad units\nvalueC=10\nunitsC=3\n"
                       "[CustomDirections]\nnameA=Steep\nvalueA=60\nunitsA=1\n"
                       "[CustomSizes]\nnameA=Big\nvalueA=48\nunitsA=1\nnameB=Empty\nvalueB= \nunitsB=1\n");
    EXPECT_DOUBLE_EQ(p.customTextAngles[0].value, 270.0);
    EXPECT_NEAR(p.customTextAngles[1].value, 7.5 * 180.0 / std::numbers::pi - 360.0, 1e-9);
    EXPECT_NEAR(p.customTextAngles[1].value, 69.7, 0.05);
    EXPECT_EQ(p.customTextAngles[2], defaultParams().customTextAngles[2]);
    EXPECT_EQ(p.customLineAngles[0].stored, 1);
    EXPECT_DOUBLE_EQ(p.customFontSizes[0].value, 48.0);
    EXPECT_EQ(p.customFontSizes[1], defaultParams().customFontSizes[1]);
    EXPECT_EQ(p.customFontSizes[1].name, QStringLiteral("Size B"));
}

TEST(NamedLists, ShadowsUnpackTheirBytes)
{
    // 0x01403020: shown, lightness 0x40, fade 0x30, elevation 0x20; 0x02... is not "shown".
    const Preferences p = loadFromText("[CustomShadows]\nnameA=Soft\nvalueA=20983840\n"
                                   "nameB=Odd\nvalueB=37761056\nnameC=No value\nvalueC=x\n");
    EXPECT_EQ(p.customShadows[0].name, QStringLiteral("Soft"));
    EXPECT_EQ(p.customShadows[0].elevation, 0x20);
    EXPECT_EQ(p.customShadows[0].fade, 0x30);
    EXPECT_EQ(p.customShadows[0].lightness, 0x40);
    EXPECT_EQ(p.customShadows[0].showInMenus, 1);
    EXPECT_EQ(p.customShadows[1].showInMenus, 0);
    EXPECT_EQ(p.customShadows[2], defaultParams().customShadows[2]);
}

TEST(RecentColorsOnLoad, SkipInvalidAndDuplicateColours)
{
    const Preferences p = loadFromText("[CustomColors]\ncolorA=5\ncolorB=7\ncolorC=50331648\ncolorD=-5\n"
                                   "colorE=5\ncolorF=red\n");
    RecentColors expected = emptyRecentColors();
    expected[0] = 5;
    expected[1] = 7;
    EXPECT_EQ(p.recentColors, expected);
}

TEST(DialogColorsOnLoad, TakeNonEmptyTexts)
{
    const Preferences p = loadFromText("[DialogColors]\ncolorA=#ff0000\ncolorB=\ncolorP=#00ff00\n");
    EXPECT_EQ(p.dialogColors[0], QStringLiteral("#ff0000"));
    EXPECT_TRUE(p.dialogColors[1].isEmpty());
    EXPECT_EQ(p.dialogColors[15], QStringLiteral("#00ff00"));
}

TEST(LoadSettings, MissingFileKeepsDefaultsAndCreatesEveryGroup)
{
    TempConfig config;
    Preferences preferences(testScreen());
    SettingsStore store(config.path() + QStringLiteral(".missing"));
    ASSERT_TRUE(loadSettings(preferences, store));
    EXPECT_TRUE(preferences == defaultParams());
    EXPECT_EQ(store.document().groups(),
        (QStringList { "CustomSettings", "CustomWidths", "CustomShadows", "CustomPatterns",
            "CustomDirections", "CustomAngles", "CustomSizes", "CustomColors", "DialogColors" }));
}

} // namespace
