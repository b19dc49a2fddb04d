#include "model/DrawingHeader.h"
#include "output/FactoryPageSetup.h"
#include "output/PageMeasure.h"

#include <gtest/gtest.h>

namespace {

using namespace designtypes;

using units::kInches;
using units::kPixels;
constexpr int kMm = units::kMillimetres;

// The values a factory set must carry; texts not named here are checked elsewhere.
struct SetCase {
    int type;
    int units;
    int presetIndex;
    const char* paper;
    const char* card;
    const char* margins; // left/top/right/bottom
    const char* rowsColumns;
    const char* gaps; // row/column
    int rowFold;
    int columnFold;
};

void PrintTo(const SetCase& c, std::ostream* os)
{
    *os << "type " << c.type << " units " << c.units;
}

QString joined(const miry_t& s, QString miry_t::*a, QString miry_t::*b)
{
    return s.*a + u'x' + s.*b;
}

class FactorySetTable : public testing::TestWithParam<SetCase> { };

TEST_P(FactorySetTable, HoldsTheUsualLayout)
{
    const SetCase c = GetParam();
    const pageset_t setup = factoryPageSetup(c.type, kMm);
    const miry_t& s = setup.dimsFor(c.units);
    SCOPED_TRACE(testing::Message() << "type " << c.type << " units " << c.units);
    EXPECT_EQ(s.presetIndex, c.presetIndex);
    EXPECT_EQ(joined(s, &miry_t::paperWidth, &miry_t::paperHeight), QString::fromUtf8(c.paper));
    EXPECT_EQ(joined(s, &miry_t::cardWidth, &miry_t::cardHeight), QString::fromUtf8(c.card));
    EXPECT_EQ(s.leftMargin + u'/' + s.topMargin + u'/' + s.rightMargin + u'/' + s.bottomMargin,
        QString::fromUtf8(c.margins));
    EXPECT_EQ(joined(s, &miry_t::rows, &miry_t::columns), QString::fromUtf8(c.rowsColumns));
    EXPECT_EQ(s.rowGap + u'/' + s.columnGap, QString::fromUtf8(c.gaps));
    EXPECT_EQ(s.rowFold, c.rowFold);
    EXPECT_EQ(s.columnFold, c.columnFold);
    EXPECT_TRUE(s.extraX.isEmpty() && s.extraY.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(AllTypes, FactorySetTable,
    testing::Values(SetCase { kIllustrations, kMm, 4, "210x297", "x", "7/7/7/7", "x", "/", 0, 0 },
        SetCase { kIllustrations, kInches, 0, "8 1/2x11", "x", "1/4/1/4/1/4/1/4", "x", "/", 0, 0 },
        SetCase { kPostcards, kMm, 0, "210x297", "210x148", "0/0/0/0", "2x1", "0/0", 0, 0 },
        SetCase { kPostcards, kInches, 0, "8 1/2x11", "6x4", "1 1/4/1/1 1/4/1", "2x1", "1/", 0, 0 },
        SetCase { kGreetingCards, kMm, 0, "210x297", "105x148", "///", "2x2", "0/0", 0, 1 },
        SetCase { kGreetingCards, kInches, 0, "8 1/2x11", "4 1/4x5 1/2", "///", "2x2", "/", 0, 1 },
        SetCase { kBusinessCards, kMm, 1, "210x297", "74x52", "31/18/0/0", "5x2", "0/0", 0, 0 },
        SetCase { kBusinessCards, kInches, 1, "8 1/2x11", "3 1/2x2", "3/4/1/2/3/4/3/4", "5x2", "/", 0, 0 },
        SetCase { kLabels, kMm, 1, "210x297", "37x18", "13/5/13/5", "16x5", "0/0", 0, 0 },
        SetCase { kLabels, kInches, 6, "8 1/2x11", "2x1", "1/4/1/2/1/4/1/2", "10x4", "/", 0, 0 },
        SetCase { kBrochures, kMm, 1, "210x297", "210x99", "0/0/0/0", "3x1", "0/0", 1, 0 },
        SetCase { kBrochures, kInches, 1, "8 1/2x11", "8 1/2x3 2/3", "///", "3x1", "/", 1, 0 },
        SetCase { kTentCards, kMm, 0, "210x297", "190x69", "10/10/10/10", "4x1", "0/0", 1, 0 },
        SetCase { kTentCards, kInches, 0, "8 1/2x11", "8 1/2x2 1/2", "/1/2//1/2", "4x1", "/", 1, 0 },
        SetCase { kDiscLabels, kMm, 0, "x", "x", "///", "x", "/", 0, 0 },
        SetCase { kDigitalImages, kInches, 0, "x", "x", "///", "x", "/", 0, 0 }));

TEST(FactoryPageSetup, EveryTypeHasThePixelImageAndPreferredUnits)
{
    for (int type = 1; type <= kCount; ++type) {
        const pageset_t p = factoryPageSetup(type, kMm);
        const miry_t& pixels = p.dimsFor(kPixels);
        EXPECT_EQ(pixels.paperWidth, QStringLiteral("350")) << type;
        EXPECT_EQ(pixels.paperHeight, QStringLiteral("250")) << type;
        EXPECT_EQ(pixels.presetIndex, 0) << type;
        if (type == kDigitalImages) {
            EXPECT_EQ(p.units, kPixels);
            EXPECT_EQ(p.orientation, orientations::kLandscape);
        } else {
            EXPECT_EQ(p.units, kMm) << type;
            EXPECT_EQ(p.orientation, orientations::kPortrait) << type;
        }
    }
    EXPECT_EQ(factoryPageSetup(kLabels, kInches).units, kInches);
}

// Every built-in text must be something the page setup itself can read back.
TEST(FactoryPageSetup, EveryTextReadsInItsOwnUnits)
{
    const pagesetArr_t all = factoryPageSetups(kInches);
    for (int type = 1; type <= kCount; ++type) {
        for (int units = 1; units <= 3; ++units) {
            const miry_t& s = pageSetupOf(all, type).dimsFor(units);
            for (int t = 0; t < miry_t::kTextCount; ++t)
                EXPECT_TRUE(parsePageMeasure(s.text(t), units).ok) << type << " " << units << " " << t;
        }
    }
}

} // namespace
