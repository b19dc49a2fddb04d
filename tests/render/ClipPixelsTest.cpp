#include "ClipFixture.h"

#include "render/ClipPixels.h"
#include "render/ClipSource.h"

#include <gtest/gtest.h>

#include <vector>

using namespace clipfixture;

namespace {

using Grid = std::vector<std::vector<std::uint32_t>>;

Grid gridOf(const Bitmap24& b)
{
    Grid g(std::size_t(b.height()), std::vector<std::uint32_t>(std::size_t(b.width())));
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            g[std::size_t(y)][std::size_t(x)] = b.pixel(x, y);
    return g;
}

// Eight distinct colours named a .. h, and x for the odd column and row a
// quarter turn drops.
constexpr std::uint32_t a = 0x000001, b = 0x000002, c = 0x000003, d = 0x000004, e = 0x000005, f = 0x000006,
                        g = 0x000007, h = 0x000008, x = 0x0000FF;

} // namespace

TEST(ClipPixels, AdjustColoursStepsInOrderWithTruncationAndLimits)
{
    struct Case {
        const char* name;
        std::uint32_t in; // 0x00BBGGRR
        int saturation, contrast, lightness;
        std::uint32_t out;
    };
    const Case cases[] = {
        // m = 100: 200 + 128 x 100 / 128 = 300 -> 255; 0 - 100 -> 0.
        { "saturation 128 on (200, 100, 0)", 0x0064C8, 128, 0, 0, 0x0064FF },
        // m = 100: 201 - 101 / 128 truncates to 201, not 200.
        { "negative saturation truncates towards zero", 0x0064C9, -1, 0, 0, 0x0064C9 },
        { "saturation leaves grey alone", 0x808080, 100, 0, 0, 0x808080 },
        // 228 + 64 x 100 / 256 = 253; 28 - 25 = 3.
        { "contrast about 128", 0x1C1CE4, 0, 64, 0, 0x0303FD },
        { "lightness limited at both ends", 0x00F010, 0, 0, 20, 0x14FF24 },
        { "lightness below zero", 0x00F010, 0, 0, -20, 0x00DC00 },
        // Saturation first (m = 100: R 255, B 0), then lightness -10.
        { "saturation before lightness", 0x0064C8, 128, 0, -10, 0x005AF5 },
    };
    for (const Case& k : cases) {
        Bitmap24 bitmap(2, 1);
        bitmap.fill(k.in);
        adjustColours(bitmap, k.saturation, k.contrast, k.lightness);
        EXPECT_EQ(bitmap.pixel(1, 0), k.out) << k.name;
    }
}

// A 5 x 3 picture whose top left 4 x 2 is a b c d / e f g h; a quarter turn
// first cuts it to even sides, so x disappears.
TEST(ClipPixels, InsertionTurnAndMirrorsApplyInOrder)
{
    struct Case {
        const char* name;
        int mirrorX, mirrorY, rotation;
        Grid expected;
    };
    const Case cases[] = {
        { "untouched", 1, 1, 0, { { a, b, c, d, x }, { e, f, g, h, x }, { x, x, x, x, x } } },
        { "360 acts as 0", 1, 1, 360, { { a, b, c, d, x }, { e, f, g, h, x }, { x, x, x, x, x } } },
        { "quarter turn anticlockwise", 1, 1, 90, { { d, h }, { c, g }, { b, f }, { a, e } } },
        { "three quarters", 1, 1, 270, { { e, a }, { f, b }, { g, c }, { h, d } } },
        // Turned by -90 (the mirror's sign), then mirrored left-right.
        { "mirror after a quarter turn", -1, 1, 90, { { a, e }, { b, f }, { c, g }, { d, h } } },
        // Turned by -270 = +90, then flipped top-bottom.
        { "flip after three quarters", 1, -1, 270, { { a, e }, { b, f }, { c, g }, { d, h } } },
        { "both mirrors cancel the turn's sign", -1, -1, 90, { { e, a }, { f, b }, { g, c }, { h, d } } },
        { "half turn is both mirrors", 1, 1, 180, { { x, x, x, x, x }, { x, h, g, f, e }, { x, d, c, b, a } } },
        { "half turn and mirror is a flip", -1, 1, 180, { { x, x, x, x, x }, { e, f, g, h, x }, { a, b, c, d, x } } },
        { "mirror", -1, 1, 0, { { x, d, c, b, a }, { x, h, g, f, e }, { x, x, x, x, x } } },
    };
    for (const Case& k : cases) {
        ItemList items;
        addStore(items, picture({ { a, b, c, d, x }, { e, f, g, h, x }, { x, x, x, x, x } }));
        ItemRecord* clip = addClip(items, QRect(0, 0, 5, 3), { 0, 0 }, { 5, 3 });
        clip->body.mirrorX = k.mirrorX;
        clip->body.mirrorY = k.mirrorY;
        clip->body.pictureRotation = k.rotation;
        const ClipSource source = loadClipSource(*clip, items);
        ASSERT_TRUE(source.ok()) << k.name << ": " << source.failure.toStdString();
        EXPECT_EQ(gridOf(source.bitmap), k.expected) << k.name;
    }
}

TEST(ClipPixels, UnusablePicturesFailToLoad)
{
    struct Case {
        const char* name;
        std::int32_t storeId, format;
        std::vector<std::uint8_t> bytes;
    };
    const std::vector<std::uint8_t> good = encoded(halves(4, 4, 2, a, b));
    const std::vector<std::uint8_t> jpeg = encoded(halves(64, 64, 32, a, b), "JPG");
    const Case cases[] = {
        { "no store with the clip's id", kPictureId + 1, kBmp, good },
        { "empty store", kPictureId, kBmp, {} },
        { "unknown format code", kPictureId, 9, good },
        { "bytes of another format", kPictureId, 4, good },
        { "truncated JPEG", kPictureId, 4, { jpeg.begin(), jpeg.begin() + std::ptrdiff_t(jpeg.size() / 2) } },
        { "one pixel wide", kPictureId, kBmp, encoded(halves(1, 5, 1, a, a)) },
        { "one pixel high", kPictureId, kBmp, encoded(halves(5, 1, 1, a, a)) },
    };
    for (const Case& k : cases) {
        ItemList items;
        ItemRecord* store = addStore(items, QImage(), k.storeId);
        store->body.clipShape = k.format;
        store->imageStream = k.bytes;
        const ItemRecord* clip = addClip(items, QRect(0, 0, 4, 4), { 0, 0 }, { 40, 40 });
        EXPECT_FALSE(loadClipSource(*clip, items).ok()) << k.name;
    }
}

TEST(ClipPixels, RotatingPartOfADestinationMatchesRotatingTheWhole)
{
    Bitmap24 source(9, 6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 9; ++x)
            source.setPixel(x, y, std::uint32_t(y * 16 + x + 1));
    const double angle = 0.6;
    Bitmap24 whole(13, 11);
    whole.fill(0);
    rotateBitmap(source, whole, angle);
    Bitmap24 part(5, 4);
    part.fill(0);
    rotateBitmap(source, part, angle, QSize(13, 11), QPoint(6, 5));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            ASSERT_EQ(part.pixel(x, y), whole.pixel(6 + x, 5 + y)) << x << "," << y;
}
