#include "model/DrawingHeader.h"
#include "model/ItemRecord.h"
#include "base/ScreenMetrics.h"
#include "output/ApplyPageSetup.h"
#include "output/FactoryPageSetup.h"
#include "output/PageMeasure.h"

#include <gtest/gtest.h>

namespace {

constexpr ScreenMetrics kScreen {}; // 96 dpi

struct Drawing {
    ItemList list;
    ItemRecord* header = createHeader(list);
};

double measure(const QString& text, int units) { return parsePageMeasure(text, units).value; }

TEST(ApplyPageSetup, CanvasFollowsTheCardForCardTypesAndThePaperOtherwise)
{
    struct Case {
        int type;
        bool rowFold, columnFold;
    };
    const Case cases[] = {
        { designtypes::kBusinessCards, false, false },
        { designtypes::kGreetingCards, true, false },
        { designtypes::kTentCards, false, true },
        { designtypes::kIllustrations, true, true }, // folds do not matter outside the card family
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        pageset_t p = factoryPageSetup(c.type, units::kMillimetres);
        p.units = units::kMillimetres;
        p.current().rowFold = c.rowFold;
        p.current().columnFold = c.columnFold;
        Drawing d;
        ASSERT_TRUE(applyPageSetup(*d.header, p, c.type, 5, 6, kScreen));
        const HeaderBody& h = d.header->header;
        const miry_t& m = p.current();
        if (designtypes::isCardFamily(c.type)) {
            EXPECT_DOUBLE_EQ(h.canvasWidth, measure(m.cardWidth, 2) * (c.columnFold ? 2 : 1));
            EXPECT_DOUBLE_EQ(h.canvasHeight, measure(m.cardHeight, 2) * (c.rowFold ? 2 : 1));
        } else {
            EXPECT_DOUBLE_EQ(h.canvasWidth, measure(m.paperWidth, 2));
            EXPECT_DOUBLE_EQ(h.canvasHeight, measure(m.paperHeight, 2));
        }
        EXPECT_EQ(h.designType, c.type);
        EXPECT_EQ(h.units, units::kMillimetres);
        EXPECT_DOUBLE_EQ(h.pixelsPerUnitX, 96 / 25.4);
        EXPECT_DOUBLE_EQ(h.gridDensityX, 5);
        EXPECT_DOUBLE_EQ(h.gridDensityY, 6);
        EXPECT_EQ(getText(d.header), pageSetupText(m));
    }
}

TEST(ApplyPageSetup, TextsThatDoNotParseKeepTheOldValues)
{
    Drawing d;
    HeaderBody& h = d.header->header;
    h.leftMargin = 7;
    h.rows = 3;
    pageset_t p;
    p.units = units::kInches;
    p.current().paperWidth = "8 1/2";
    p.current().paperHeight = "11";
    p.current().leftMargin = "a lot";
    p.current().rows = "two";
    p.current().columns = "4";
    ASSERT_TRUE(applyPageSetup(*d.header, p, designtypes::kIllustrations, 1, 1, kScreen));
    EXPECT_DOUBLE_EQ(h.paperWidth, 8.5);
    EXPECT_DOUBLE_EQ(h.leftMargin, 7);
    EXPECT_EQ(h.rows, 3);
    EXPECT_EQ(h.columns, 4);
}

TEST(ApplyPageSetup, ChangingUnitsKeepsTheCanvasOriginOnScreen)
{
    Drawing d;
    HeaderBody& h = d.header->header;
    h.units = units::kMillimetres;
    setPixelsPerUnit(h, kScreen);
    h.canvasLeft = 25.4;
    h.canvasTop = 50.8;
    pageset_t p = factoryPageSetup(designtypes::kPostcards, units::kInches);
    p.units = units::kInches;
    ASSERT_TRUE(applyPageSetup(*d.header, p, designtypes::kPostcards, 1, 1, kScreen));
    EXPECT_NEAR(h.canvasLeft, 1.0, 1e-9);
    EXPECT_NEAR(h.canvasTop, 2.0, 1e-9);
}

TEST(ApplyPageSetup, RefusesUnknownUnits)
{
    Drawing d;
    const HeaderBody before = d.header->header;
    pageset_t p;
    p.units = 0;
    EXPECT_FALSE(applyPageSetup(*d.header, p, designtypes::kLabels, 1, 1, kScreen));
    EXPECT_EQ(std::memcmp(&before, &d.header->header, sizeof before), 0);
}

} // namespace
