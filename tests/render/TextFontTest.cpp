#include "platform/Bitmap24.h"
#include "platform/DrawSurface.h"
#include "platform/FontList.h"
#include "platform/TextFont.h"

#include <QFontInfo>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The box of the pixels that differ from white, and whether every such pixel
// has exactly the text colour (no blended edge pixels).
struct Ink {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    bool pure = true;
    bool any() const { return right >= 0; }
};

Ink inkOf(const Bitmap24& b, std::uint32_t colour)
{
    Ink ink;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x) {
            const std::uint32_t p = b.pixel(x, y);
            if (p == 0xFFFFFF)
                continue;
            ink.pure = ink.pure && p == colour;
            ink.left = std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
            ink.top = std::min(ink.top, y);
            ink.bottom = std::max(ink.bottom, y);
        }
    return ink;
}

Ink drawn(const TextFontRequest& request, int x, int y, std::u16string_view text, std::uint32_t colour = 0x0000FF)
{
    Bitmap24 bitmap(200, 200);
    bitmap.fill(0xFFFFFF);
    {
        DrawSurface surface(bitmap);
        TextFont(request, 96.0).drawText(surface, x, y, text, colour);
    }
    return inkOf(bitmap, colour);
}

} // namespace

TEST(TextFont, ArialResolvesToAMetricCompatibleFamily)
{
    TextFont font(TextFontRequest {}, 96.0);
    EXPECT_EQ(QFontInfo(font.font()).family(), "Liberation Sans");
    EXPECT_EQ(font.pixelHeight(), 16); // 12 points at 96 dots per inch
    EXPECT_GT(font.ascent(), font.descent());
    EXPECT_GT(font.textWidth(u"Hello"), 0);
    EXPECT_EQ(font.textWidth(u""), 0);
}

TEST(TextFont, TinySizesStillGiveAOnePixelFont)
{
    TextFontRequest request;
    request.pointSize = 0;
    EXPECT_EQ(TextFont(request, 96.0).pixelHeight(), 1);
}

TEST(TextFont, OverhangOnlyForSlantedFaces)
{
    TextFontRequest request;
    request.pointSize = 72;
    EXPECT_EQ(TextFont(request, 96.0).overhang(), 0);
    request.italic = true;
    const int v = TextFont(request, 96.0).overhang();
    EXPECT_GT(v, 0);
    EXPECT_LT(v, 30); // the slant, not the reach of odd symbols
}

TEST(TextFont, DrawsAliasedFromTheTopOfTheCell)
{
    TextFontRequest request;
    const Ink ink = drawn(request, 20, 30, u"Hg");
    ASSERT_TRUE(ink.any());
    EXPECT_TRUE(ink.pure);
    const TextFont font(request, 96.0);
    EXPECT_GE(ink.top, 30);
    EXPECT_LE(ink.bottom, 30 + font.ascent() + font.descent());
    EXPECT_GE(ink.left, 20);
}

TEST(TextFont, EscapementRotatesCounterClockwise)
{
    TextFontRequest request;
    request.pointSize = 20;
    request.escapement = 900; // baseline pointing up
    const Ink ink = drawn(request, 50, 150, u"HHHH");
    ASSERT_TRUE(ink.any());
    EXPECT_TRUE(ink.pure);
    EXPECT_GT(ink.bottom - ink.top, ink.right - ink.left); // runs vertically
    EXPECT_LE(ink.bottom, 150);                            // upwards from the reference point
    EXPECT_GE(ink.left, 50);                               // cell top lies left, glyphs to its right
}

TEST(TextFont, DrawsCharactersBeyondAnyEightBitCodePage)
{
    // Cyrillic and Greek letters must reach the glyphs, not question marks.
    TextFontRequest request;
    const TextFont font(request, 96.0);
    EXPECT_NE(font.textWidth(u"\u0416\u03A9"), font.textWidth(u"??"));
    EXPECT_TRUE(drawn(request, 10, 10, u"\u0416\u03A9").any());
}

TEST(FontList, CharacterSetsOfArialInPanelOrder)
{
    const std::vector<CharSetEntry> sets = charSetsOfFamily("Arial");
    std::vector<int> values;
    for (const CharSetEntry& e : sets)
        values.push_back(e.value);
    const std::vector<int> expected { 0, 1, 238, 204, 161, 162, 177, 186 };
    EXPECT_EQ(values, expected);
    EXPECT_EQ(sets.front().name, "n/a");
    EXPECT_EQ(sets[1].name, "Western");
}

TEST(FontList, OnlyScalableFamiliesAreOffered)
{
    const QStringList families = scalableFontFamilies();
    EXPECT_TRUE(families.contains("Liberation Sans"));
    EXPECT_TRUE(std::is_sorted(families.begin(), families.end(),
        [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; }));
}
