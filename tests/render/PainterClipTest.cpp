#include "ClipFixture.h"
#include "fixtures/RenderFixtures.h"

#include "platform/Bitmap24.h"
#include "render/CanvasView.h"
#include "render/ScenePainter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

using namespace renderfixture;

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;

struct ClipScene {
    ItemList items;
    Bitmap24 bitmap { 300, 200 };
    CanvasView view;
    ItemRecord* clip;

    explicit ClipScene(int shape = 0, double rotation = 0.0)
    {
        addHeader(items, 300, 200);
        ItemRecord* store = createItem(items, kinds::kPictureStore);
        store->body.pictureId = 77;
        store->text = u"/home/someone/pictures/beach.jpg";
        clip = createItem(items, kinds::kClip);
        ItemBody& b = clip->body;
        b.clipShape = shape;
        b.pictureId = 77;
        b.clipRotation = rotation;
        b.x1 = 100;
        b.y1 = 60;
        b.x2 = shape == 2 ? 140 : 200;
        b.y2 = shape == 2 ? 60 : 140;
        placeOnTop(items, clip);
        view.items = &items;
        view.bitmap = &bitmap;
        bitmap.fill(kWhite);
    }
    std::set<std::uint32_t> coloursAlongTop() const
    {
        std::set<std::uint32_t> seen;
        for (int x = 110; x < 190; ++x)
            seen.insert(bitmap.pixel(x, 60));
        return seen;
    }
};

} // namespace

TEST(PainterClip, OutlineFormOfEachPaintState)
{
    struct Case {
        const char* name;
        bool openingPass, quick, showPictures;
        std::set<std::uint32_t> top; // colours along the clip's top edge
    };
    const Case cases[] = {
        { "opening pass", true, false, true, { 0xC0C0C0 } },
        { "opening pass wins over quick", true, true, false, { 0xC0C0C0 } },
        { "quick", false, true, true, { 0x0000FF, 0x00FFFF } },
        { "pictures hidden", false, false, false, { 0x000000, 0x00FFFF } },
    };
    for (const Case& k : cases) {
        ClipScene s;
        s.view.openingPass = k.openingPass;
        s.view.showPictures = k.showPictures;
        paintItem(s.view, *s.clip, k.quick);
        EXPECT_EQ(s.coloursAlongTop(), k.top) << k.name;
        EXPECT_EQ(s.bitmap.pixel(150, 120), kWhite) << k.name; // outlines only
    }
}

TEST(PainterClip, OpeningPassShowsThePictureFileNameInside)
{
    ClipScene s;
    s.view.openingPass = true;
    paintItem(s.view, *s.clip, false);
    int silverInside = 0;
    for (int y = 62; y < 90; ++y)
        for (int x = 102; x < 198; ++x)
            silverInside += s.bitmap.pixel(x, y) == 0xC0C0C0;
    EXPECT_GT(silverInside, 20);
    for (int y = 50; y < 59; ++y) // clipped to the outline
        for (int x = 100; x < 200; ++x)
            ASSERT_EQ(s.bitmap.pixel(x, y), kWhite);
}

TEST(PainterClip, QuickOutlineShowsAWideFrameAsWell)
{
    struct Case {
        double frameMm;
        bool outer;
    };
    const Case cases[] = { { 0.5, false }, { 1.0, true } }; // 2 and 4 pixels at 96 dots per inch
    for (const Case& k : cases) {
        ClipScene s;
        s.clip->body.frameOn = 1;
        s.clip->body.lineWeight = k.frameMm;
        paintItem(s.view, *s.clip, true);
        const int f = k.frameMm > 0.9 ? 4 : 2;
        EXPECT_EQ(s.bitmap.pixel(150, 60 - f) != kWhite || s.bitmap.pixel(151, 60 - f) != kWhite, k.outer)
            << k.frameMm;
    }
}

TEST(PainterClip, RotatedClipsShowTheirRotatedOutline)
{
    // A quarter turn of a 100 x 80 rectangle about its centre (150, 100):
    // it becomes 80 wide and 100 tall.
    ClipScene s(0, std::acos(-1.0) / 2);
    s.view.showPictures = false;
    paintItem(s.view, *s.clip, false);
    EXPECT_EQ(s.bitmap.pixel(100, 100), kWhite); // the unrotated left edge is gone
    int left = 0;
    for (int y = 52; y < 148; ++y)
        left += s.bitmap.pixel(110, y) != kWhite;
    EXPECT_GT(left, 40);
}

TEST(PainterClip, RoundClipShowsItsRadiusOnlyWhenRotated)
{
    for (double rotation : { 0.0, std::acos(-1.0) / 2 }) {
        ClipScene s(2, rotation);
        s.view.showPictures = false;
        paintItem(s.view, *s.clip, false);
        int spoke = 0; // straight up from the centre (100, 60), radius 40
        for (int y = 25; y < 56; ++y)
            spoke += s.bitmap.pixel(100, y) != kWhite;
        EXPECT_EQ(spoke > 10, rotation != 0.0) << rotation;
        EXPECT_NE(s.bitmap.pixel(140, 60) & s.bitmap.pixel(139, 60) & s.bitmap.pixel(141, 60), kWhite);
    }
}

// Shown pictures cover their clip with the picture, with no outline on it.
TEST(PainterClip, PicturesShownLeaveTheClipToThePictureCode)
{
    ClipScene s;
    ItemRecord* store = findPictureStore(s.items, 77);
    store->body.clipShape = clipfixture::kBmp;
    store->imageStream = clipfixture::encoded(clipfixture::halves(20, 20, 20, 0x0000FF, 0x0000FF));
    s.clip->body.clipRight = s.clip->body.clipBottom = 20;
    paintItem(s.view, *s.clip, false);
    EXPECT_EQ(s.coloursAlongTop(), (std::set<std::uint32_t> { 0x0000FF }));
}
