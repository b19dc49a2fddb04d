#include "model/DrawingHeader.h"
#include "output/PageMeasure.h"

#include <gtest/gtest.h>

namespace {

using units::kInches;
using units::kPixels;
constexpr int kMm = units::kMillimetres;

struct MeasureCase {
    const char* text;
    int units;
    bool ok;
    double value;
};

void PrintTo(const MeasureCase& c, std::ostream* os)
{
    *os << '"' << c.text << "\" in units " << c.units;
}

class PageMeasureTable : public testing::TestWithParam<MeasureCase> { };

TEST_P(PageMeasureTable, ReadsAsExpected)
{
    const MeasureCase c = GetParam();
    const PageMeasure m = parsePageMeasure(QString::fromUtf8(c.text), c.units);
    EXPECT_EQ(m.ok, c.ok) << c.text;
    if (c.ok) {
        EXPECT_NEAR(m.value, c.value, 1e-9) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(Inches, PageMeasureTable,
    testing::Values(MeasureCase { "8 1/2", kInches, true, 8.5 }, MeasureCase { "8-1/2", kInches, true, 8.5 },
        MeasureCase { "8,5", kInches, true, 8.5 }, MeasureCase { "8 1/2\"", kInches, true, 8.5 },
        MeasureCase { "  8 1/2 \" ", kInches, true, 8.5 }, MeasureCase { "-1 1/2", kInches, true, -1.5 },
        MeasureCase { "3 2/3", kInches, true, 3.0 + 2.0 / 3.0 }, MeasureCase { "3/4", kInches, true, 0.75 },
        MeasureCase { "8  1/2", kInches, true, 8.5 }, MeasureCase { "11", kInches, true, 11.0 },
        MeasureCase { "8 ", kInches, true, 8.0 }, MeasureCase { "1/0", kInches, false, 0 },
        MeasureCase { "0/4", kInches, false, 0 }, MeasureCase { "\"", kInches, false, 0 },
        MeasureCase { "8 1/2/3", kInches, false, 0 }, MeasureCase { "a 1/2", kInches, false, 0 },
        MeasureCase { "8 x", kInches, false, 0 }, MeasureCase { "1.5 1/2", kInches, false, 0 },
        MeasureCase { "", kInches, true, 0 }, MeasureCase { "inf", kInches, false, 0 },
        MeasureCase { "nan", kInches, false, 0 }));

INSTANTIATE_TEST_SUITE_P(MillimetresAndPixels, PageMeasureTable,
    testing::Values(MeasureCase { "8 1/2", kMm, false, 0 }, MeasureCase { "1/2", kMm, false, 0 },
        MeasureCase { "210", kMm, true, 210 }, MeasureCase { " 12,5 ", kMm, true, 12.5 },
        MeasureCase { "-3", kMm, true, -3 }, MeasureCase { "", kMm, true, 0 },
        MeasureCase { "   ", kPixels, true, 0 }, MeasureCase { "350", kPixels, true, 350 },
        MeasureCase { "10\"", kMm, false, 0 }, MeasureCase { "1e400", kPixels, false, 0 }));

TEST(InchesToMm, ConvertsByTwentyFiveFour)
{
    EXPECT_DOUBLE_EQ(inchesToMm(8.5), 215.9);
}

} // namespace
