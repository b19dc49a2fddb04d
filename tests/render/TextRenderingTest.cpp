#include "fixtures/RenderFixtures.h"

#include "base/Rounding.h"
#include "render/TextRendering.h"

#include <gtest/gtest.h>

using namespace renderfixture;

namespace {

struct Metrics {
    int a, d, x;
};

Metrics metricsAtZoomOne(const ItemRecord& item)
{
    const TextFont f(makeTextFont(item, 1.0), 96.0);
    return { f.ascent(), f.descent(), f.externalLeading() };
}

} // namespace

TEST(TextRendering, FontFollowsTheItemFields)
{
    ItemList list;
    ItemRecord* t = addText(list, u"x", { 0, 0 }, { 10, 0 }, 450);
    t->body.fontSize = 12;
    t->body.fontWeight = 700;
    t->body.italic = 1;
    t->body.charSet = 0;
    const TextFontRequest request = makeTextFont(*t, 2.5);
    EXPECT_EQ(request.family, "Arial");
    EXPECT_EQ(request.pointSize, 30);
    EXPECT_EQ(request.escapement, 450);
    EXPECT_EQ(request.weight, 700);
    EXPECT_TRUE(request.italic);
    EXPECT_EQ(request.charSet, 0);
    EXPECT_EQ(makeTextFont(*t, 0.125).pointSize, 2); // round(1.5) ties to even
}

TEST(TextRendering, LinesAreSplitAtLineSeparators)
{
    const std::u16string text = u"ab\u2028\u2028cd";
    EXPECT_EQ(lineCount(text), 3);
    EXPECT_EQ(textLine(text, 1), u"ab");
    EXPECT_EQ(textLine(text, 2), u"");
    EXPECT_EQ(textLine(text, 3), u"cd");
    EXPECT_EQ(textLine(text, 4), u"");
}

TEST(TextRendering, TextEndsAtItsFirstNul)
{
    ItemList list;
    ItemRecord* t = addText(list, std::u16string(u"ab\0cd", 5), { 0, 0 }, { 10, 0 });
    EXPECT_EQ(itemText(*t), u"ab");
}

TEST(TextRendering, LineWidthIsTheWidthAtZoomOne)
{
    ItemList list;
    ItemRecord* t = addText(list, u"x", { 0, 0 }, { 10, 0 });
    const int w1 = lineWidth(*t, u"Hello world", 1.0, ScreenMetrics {});
    EXPECT_GT(w1, 40);
    EXPECT_NEAR(lineWidth(*t, u"Hello world", 4.0, ScreenMetrics {}), w1, 3); // hinting differs a little per size
    EXPECT_EQ(lineWidth(*t, u"", 1.0, ScreenMetrics {}), 0);
}

// The box stands on the descent line below the stored baseline and holds all
// lines on the side towards the text's "up"; 3 is half the anchor mark.
TEST(TextRendering, TextBoxAtTheFourRightAngles)
{
    ItemList list;
    ItemRecord* probe = addText(list, u"x", { 0, 0 }, { 1, 0 });
    const Metrics m = metricsAtZoomOne(*probe);
    const int block = 2 * (m.a + m.d + m.x);
    struct Case {
        int angle;
        QPoint s, e;
        int minX, minY, maxX, maxY;
    };
    const Case cases[] = {
        { 0, { 100, 200 }, { 180, 200 }, 100 - 3, 200 + m.d - block - 3, 180 + 3, 200 + m.d + 3 },
        { 900, { 100, 200 }, { 100, 120 }, 100 + m.d - block - 3, 120 - 3, 100 + m.d + 3, 200 + 3 },
        { 1800, { 180, 200 }, { 100, 200 }, 100 - 3, 200 - m.d - 3, 180 + 3, 200 - m.d + block + 3 },
        { 2700, { 100, 120 }, { 100, 200 }, 100 - m.d - 3, 120 - 3, 100 - m.d + block + 3, 200 + 3 },
    };
    for (const Case& c : cases) {
        ItemRecord* t = addText(list, u"one\u2028two", c.s, c.e, c.angle);
        EXPECT_EQ(t->body.minX, c.minX) << c.angle;
        EXPECT_EQ(t->body.minY, c.minY) << c.angle;
        EXPECT_EQ(t->body.maxX, c.maxX) << c.angle;
        EXPECT_EQ(t->body.maxY, c.maxY) << c.angle;
        EXPECT_EQ(t->body.x1, c.s.x()); // the baseline itself stays
        EXPECT_EQ(t->body.length, std::abs(c.e.x() - c.s.x()) + std::abs(c.e.y() - c.s.y()));
    }
}

TEST(TextRendering, EmptyTextStillHasAOneLineBox)
{
    ItemList list;
    ItemRecord* t = addText(list, u"", { 100, 200 }, { 180, 200 });
    const Metrics m = metricsAtZoomOne(*t);
    EXPECT_EQ(t->body.minY, 200 + m.d - (m.a + m.d + m.x) - 3);
}

// Where the glyph cell of a line starts: the justification moves the start
// along the baseline only when the line is shorter than the baseline.
TEST(TextRendering, JustificationMovesTheStartAlongTheBaseline)
{
    ItemList list;
    ItemRecord* t = addText(list, u"x", { 0, 0 }, { 1, 0 });
    const TextFont font(makeTextFont(*t, 1.0), 96.0);
    const std::u16string_view line = u"Tavelle";
    const int w = font.textWidth(line);
    const int a = font.ascent();
    struct Case {
        int justification;
        int baseline; // length of the stored baseline
        int angle;
        QPoint expected;
    };
    const int room = 200 - w;
    const Case cases[] = {
        { 1, 200, 0, { 10, 50 - a } },
        { 2, 200, 0, { 10 + roundEven(room / 2.0), 50 - a } },
        { 3, 200, 0, { 10 + room, 50 - a } },
        { 2, w - 1, 0, { 10, 50 - a } }, // wider than the baseline: starts at S
        { 3, w, 0, { 10, 50 - a } },     // exactly as wide: starts at S
        { 3, 200, 900, { 10 - a, 50 - room } },
        { 1, 200, 1800, { 10, 50 + a } },
    };
    for (const Case& c : cases) {
        t->body.justification = std::uint8_t(c.justification);
        t->body.textAngle = c.angle;
        t->body.x2 = c.baseline;
        const TextFont f(makeTextFont(*t, 1.0), 96.0);
        EXPECT_EQ(textOrigin(*t, f, line, { 10, 50 }, 1.0), c.expected)
            << "justification " << c.justification << " baseline " << c.baseline << " angle " << c.angle;
    }
}
