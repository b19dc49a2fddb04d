#include "settings/MeasureParsing.h"

#include <gtest/gtest.h>

namespace {

struct MeasureCase {
    const char* text;
    bool ok;
    double value;
};

void PrintTo(const MeasureCase& c, std::ostream* os)
{
    *os << '"' << c.text << '"';
}

class ParseMeasureTable : public testing::TestWithParam<MeasureCase> { };

TEST_P(ParseMeasureTable, ReadsAsExpected)
{
    const MeasureCase c = GetParam();
    const MeasureResult m = parseMeasure(QString::fromUtf8(c.text));
    EXPECT_EQ(m.ok, c.ok) << c.text;
    EXPECT_NEAR(m.value, c.value, 1e-12) << c.text;
}

INSTANTIATE_TEST_SUITE_P(Cases, ParseMeasureTable,
    testing::Values(MeasureCase { "", false, 0 }, MeasureCase { "   ", false, 0 },
        MeasureCase { "1.5", true, 1.5 }, MeasureCase { " 1,5 ", true, 1.5 }, MeasureCase { "2\"", true, 2 },
        MeasureCase { "-3", true, -3 }, MeasureCase { "1/16", true, 0.0625 },
        MeasureCase { "1/16\"", true, 0.0625 }, MeasureCase { "1,5/3", true, 0.5 },
        MeasureCase { "1/0", true, 0 }, MeasureCase { "0/4", true, 0 }, MeasureCase { "1/x", false, 0 },
        MeasureCase { "x/2", false, 0 }, MeasureCase { "1/2/3", false, 0 }, MeasureCase { "1 1/2", false, 0 },
        MeasureCase { "abc", false, 0 }, MeasureCase { "\"", false, 0 }, MeasureCase { "inf", false, 0 },
        MeasureCase { "nan", false, 0 }, MeasureCase { "1e308/1e-308", false, 0 }));

struct StoredFloatCase {
    const char* text;
    double value;
};

void PrintTo(const StoredFloatCase& c, std::ostream* os)
{
    *os << '"' << c.text << '"';
}

class ParseStoredFloatTable : public testing::TestWithParam<StoredFloatCase> { };

TEST_P(ParseStoredFloatTable, ReadsAsExpected)
{
    const StoredFloatCase c = GetParam();
    EXPECT_DOUBLE_EQ(parseStoredFloat(QString::fromUtf8(c.text)), c.value) << c.text;
}

INSTANTIATE_TEST_SUITE_P(Cases, ParseStoredFloatTable,
    testing::Values(StoredFloatCase { "0,75", 0.75 }, StoredFloatCase { "0.75", 0.75 },
        StoredFloatCase { " 1 234,5 ", 1234.5 }, StoredFloatCase { "", 0 }, StoredFloatCase { "junk", 0 },
        StoredFloatCase { "-1", -1 }, StoredFloatCase { "nan", 0 }, StoredFloatCase { "1e999", 0 }));

TEST(FormatStoredFloat, ReadsBackExactly)
{
    for (const double v : { 0.1, -1.0, 0.75, 1.0 / 3.0, 1e-300, 123456789.125 })
        EXPECT_EQ(parseStoredFloat(formatStoredFloat(v)), v) << v;
}

} // namespace
