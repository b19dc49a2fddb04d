#include "render/ViewTransform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Case {
    double zoom;
    std::int32_t value, tile, expected;
};

} // namespace

TEST(ViewTransform, DocumentToScreenRoundsToEvenAndSaturates)
{
    const Case cases[] = {
        { 0.5, 101, 0, 50 }, // 50.5 goes to the even 50
        { 0.5, 103, 0, 52 }, // 51.5 goes to the even 52
        { 1.0, 37, 0, 37 },
        { 3.0, 1000, 1600, 1400 },
        { 0.25, -6, 0, -2 }, // -1.5 goes to -2
        { 0.0, 37, 10, 27 }, // a zero zoom reads as 1.0
        { -2.0, 37, 10, 27 },
        { kNaN, 37, 0, 37 },
        { 2.0, kMax, -10, kMax }, // past the range: held at its end
        { 1.0, kMin, 1, kMin },
    };
    for (const Case& c : cases)
        EXPECT_EQ(docToScreen(c.zoom, c.value, c.tile), c.expected) << c.zoom << " " << c.value << " " << c.tile;
}

TEST(ViewTransform, ScreenToDocumentRoundsToEvenAndSaturates)
{
    const Case cases[] = {
        { 0.5, 51, 0, 102 },
        { 2.0, 5, 0, 2 }, // 2.5 goes to 2
        { 2.0, 7, 0, 4 }, // 3.5 goes to 4
        { 3.0, 100, 1600, 567 }, // 1700 / 3 = 566.67
        { 1.0, 0, 0, 0 },
        { 0.0, 40, 5, 45 }, // a zero zoom reads as 1.0, as the other direction
        { -0.5, 40, 5, 45 },
        { 1.0, kMax, kMax, kMax }, // the sum does not wrap round
        { 0.25, kMin, 0, kMin },
    };
    for (const Case& c : cases)
        EXPECT_EQ(screenToDoc(c.zoom, c.value, c.tile), c.expected) << c.zoom << " " << c.value << " " << c.tile;
}

TEST(ViewTransform, ScreenPixelsComeBackFromTheirDocumentPoint)
{
    for (const double zoom : { 0.25, 0.5, 1.0, 1.25, 2.0, 3.0, 0.0 })
        for (const std::int32_t p : { -7, 0, 1, 399, 1600 }) {
            const std::int32_t doc = screenToDoc(zoom, p, 1600);
            // At zoom z a document unit spans z pixels: the way back lands
            // within half a unit's pixels of where it started.
            const double z = zoom > 0 ? zoom : 1.0;
            EXPECT_LE(std::abs(docToScreen(zoom, doc, 1600) - p), std::max(1.0, z / 2)) << zoom << " " << p;
        }
}
