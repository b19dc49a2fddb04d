#include "settings/ListConversions.h"
#include "settings/RecentColors.h"

#include <gtest/gtest.h>

#include <numbers>

namespace {

constexpr double kPixelsPerMm = 96.0 / 25.4;

struct WeightCase {
    const char* text;
    int units;
    bool ok;
    double mm;
    int pixels;
};

void PrintTo(const WeightCase& c, std::ostream* os)
{
    *os << '"' << c.text << "\" units " << c.units;
}

class ConvertWeightTable : public testing::TestWithParam<WeightCase> { };

TEST_P(ConvertWeightTable, DerivesMillimetresAndPixels)
{
    const WeightCase c = GetParam();
    custThicknessRec_t entry;
    entry.text = QString::fromUtf8(c.text);
    entry.units = c.units;
    EXPECT_EQ(convertWeight(entry, kPixelsPerMm), c.ok) << c.text;
    if (c.ok) {
        EXPECT_NEAR(entry.weight, c.mm, 1e-9) << c.text;
        EXPECT_EQ(entry.pixels, c.pixels) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ConvertWeightTable,
    testing::Values(WeightCase { "1/16", 3, true, 1.5875, 6 }, WeightCase { "2", 2, true, 2.0, 8 },
        WeightCase { "-2", 2, true, 2.0, 8 }, WeightCase { "3.5", 1, true, 4 / kPixelsPerMm, 4 },
        WeightCase { "2.5", 1, true, 2 / kPixelsPerMm, 2 }, WeightCase { "0", 2, false, 0, 0 },
        WeightCase { "0/3", 2, false, 0, 0 }, WeightCase { "", 2, false, 0, 0 },
        WeightCase { "thin", 2, false, 0, 0 }, WeightCase { "1", 4, false, 0, 0 }));

TEST(ConvertPattern, CountsLeadingNonZeroLengths)
{
    custPatternRec_t entry;
    entry.units = 2;
    entry.texts = { QStringLiteral("3"), QStringLiteral("2"), QString(), QStringLiteral("4") };
    ASSERT_TRUE(convertPattern(entry, kPixelsPerMm));
    EXPECT_EQ(entry.count, 2);
    EXPECT_DOUBLE_EQ(entry.lengths[0], 3.0);
    EXPECT_DOUBLE_EQ(entry.lengths[3], 4.0);
    EXPECT_EQ(entry.pixels[1], 8);
}

TEST(ConvertPattern, RejectsPatternsWithoutADashAndASpace)
{
    struct Row {
        std::array<const char*, 3> texts;
        int units;
    };
    for (const Row& row : { Row { { "0", "2", "3" }, 2 }, Row { { "3", "", "" }, 2 },
             Row { { "3", "0", "2" }, 2 }, Row { { "", "2", "3" }, 2 }, Row { { "3", "2", "" }, 0 } }) {
        custPatternRec_t entry;
        entry.units = row.units;
        for (std::size_t i = 0; i < row.texts.size(); ++i)
            entry.texts[i] = QString::fromLatin1(row.texts[i]);
        entry.count = 7;
        EXPECT_FALSE(convertPattern(entry, kPixelsPerMm)) << row.texts[0] << " " << row.texts[1];
    }
}

struct DirectionCase {
    const char* text;
    int units;
    bool ok;
    double degrees;
};

void PrintTo(const DirectionCase& c, std::ostream* os)
{
    *os << '"' << c.text << "\" units " << c.units;
}

class ConvertDirectionTable : public testing::TestWithParam<DirectionCase> { };

TEST_P(ConvertDirectionTable, WrapsIntoOneTurn)
{
    const DirectionCase c = GetParam();
    custDirectionRec_t entry;
    entry.text = QString::fromUtf8(c.text);
    entry.units = c.units;
    EXPECT_EQ(convertDirection(entry), c.ok) << c.text;
    if (c.ok) {
        EXPECT_NEAR(entry.value, c.degrees, 1e-9) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ConvertDirectionTable,
    testing::Values(DirectionCase { "-90", 1, true, 270 },
        DirectionCase { "7.5", 2, true, 7.5 * 180 / std::numbers::pi - 360 },
        DirectionCase { "360", 1, true, 360 }, DirectionCase { "720", 1, true, 360 },
        DirectionCase { "721", 1, true, 1 }, DirectionCase { "-360", 1, true, 0 },
        DirectionCase { "-720", 1, true, 0 }, DirectionCase { "45", 1, true, 45 },
        DirectionCase { "", 1, false, 0 }, DirectionCase { "45", 3, false, 0 }));

// Adding or subtracting one turn at a time would never finish for these.
TEST(ConvertDirection, HugeValuesEndInsideOneTurnAtOnce)
{
    for (const char* text : { "1e300", "-1e300", "1e20" }) {
        custDirectionRec_t entry;
        entry.text = QString::fromLatin1(text);
        ASSERT_TRUE(convertDirection(entry)) << text;
        EXPECT_GE(entry.value, 0.0) << text;
        EXPECT_LE(entry.value, 360.0) << text;
    }
}

TEST(AddRecentColor, KeepsTwelveDistinctColoursMostRecentFirst)
{
    RecentColors colors = emptyRecentColors();
    for (std::int32_t c = 1; c <= 13; ++c)
        addRecentColor(colors, c);
    EXPECT_EQ(colors.front(), 13);
    EXPECT_EQ(colors.back(), 2); // 1 fell off
    addRecentColor(colors, 5); // already listed: nothing moves
    EXPECT_EQ(colors.front(), 13);
    for (const std::int32_t rejected : { 0x03000000, -1, -5 }) {
        addRecentColor(colors, rejected);
        EXPECT_EQ(colors.front(), 13) << rejected;
    }
    addRecentColor(colors, 0x02FFFFFF);
    EXPECT_EQ(colors.front(), 0x02FFFFFF);
}

} // namespace
