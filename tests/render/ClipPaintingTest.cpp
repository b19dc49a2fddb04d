#include "ClipFixture.h"

#include "model/ItemKinds.h"

#include <gtest/gtest.h>

#include <numbers>
#include <set>

using namespace clipfixture;

namespace {

constexpr std::uint32_t kRed = 0x0000FF, kBlue = 0xFF0000, kGreen = 0x00FF00, kYellow = 0x00FFFF;
constexpr std::uint32_t kOrange = 0x0064C8; // (200, 100, 0)
constexpr double kQuarter = std::numbers::pi / 2;

// 40 x 40: orange top left, blue top right, green bottom left, yellow bottom right.
QImage quadrants()
{
    QImage image(40, 40, QImage::Format_RGB32);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            image.setPixel(x, y, rgb(y < 20 ? (x < 20 ? kOrange : kBlue) : (x < 20 ? kGreen : kYellow)));
    return image;
}

struct Quadrants {
    std::uint32_t topLeft, topRight, bottomLeft, bottomRight;
    bool operator==(const Quadrants&) const = default;
};

// The colours a clip placed at (100, 60)-(180, 140) shows in its quarters.
Quadrants seen(const Bitmap24& b)
{
    return { b.pixel(110, 70), b.pixel(170, 70), b.pixel(110, 130), b.pixel(170, 130) };
}

std::ostream& operator<<(std::ostream& out, const Quadrants& q)
{
    return out << std::hex << q.topLeft << ' ' << q.topRight << ' ' << q.bottomLeft << ' ' << q.bottomRight;
}

} // namespace

TEST(ClipPainting, CutsScalesAdjustsAndMirrorsThePiece)
{
    struct Case {
        const char* name;
        QRect cut;
        double scaleX, scaleY;
        int mirrorX, rotation, saturation;
        Quadrants expected;
    };
    const QRect all(0, 0, 40, 40);
    const Case cases[] = {
        { "whole picture", all, 1.0, 1.0, 1, 0, 0, { kOrange, kBlue, kGreen, kYellow } },
        { "a quarter of it", QRect(20, 0, 20, 20), 1.0, 1.0, 1, 0, 0, { kBlue, kBlue, kBlue, kBlue } },
        // The scale's magnitude plays no part; its sign mirrors.
        { "negative x scale mirrors", all, -0.5, 1.0, 1, 0, 0, { kBlue, kOrange, kYellow, kGreen } },
        { "negative y scale flips", all, 1.0, -2.0, 1, 0, 0, { kGreen, kYellow, kOrange, kBlue } },
        { "turned a quarter when inserted", all, 1.0, 1.0, 1, 90, 0, { kBlue, kYellow, kOrange, kGreen } },
        { "mirrored after a quarter turn", all, 1.0, 1.0, -1, 90, 0, { kOrange, kGreen, kBlue, kYellow } },
        // Only the orange quarter is unsaturated enough to change.
        { "saturation 128", all, 1.0, 1.0, 1, 0, 128, { 0x0064FF, kBlue, kGreen, kYellow } },
    };
    for (const Case& k : cases) {
        ClipCanvas s;
        addStore(s.items, quadrants());
        ItemRecord* clip = addClip(s.items, k.cut, { 100, 60 }, { 180, 140 });
        clip->body.clipScaleX = k.scaleX;
        clip->body.clipScaleY = k.scaleY;
        clip->body.mirrorX = k.mirrorX;
        clip->body.pictureRotation = k.rotation;
        clip->body.saturation = k.saturation;
        s.paint(*clip);
        EXPECT_EQ(seen(s.bitmap), k.expected) << k.name;
        EXPECT_EQ(s.bitmap.pixel(99, 100), kWhite) << k.name;
        EXPECT_EQ(s.bitmap.pixel(180, 100), kWhite) << k.name;
        EXPECT_NE(s.bitmap.pixel(179, 139), kWhite) << k.name;
    }
}

// A 40 x 20 picture, red left and blue right, placed at (100, 60)-(180, 100)
// and turned a quarter anticlockwise about (140, 80): red ends at the bottom.
TEST(ClipPainting, TurnedClipsTurnAboutTheirCentreWithTheirFrame)
{
    struct Case {
        const char* name;
        double frameMm; // 1 mm: 4 pixels
        QPoint red, blue, frame, outside;
    };
    const Case cases[] = {
        { "no frame", 0.0, { 140, 110 }, { 140, 50 }, { -1, -1 }, { 118, 80 } },
        { "framed", 1.0, { 140, 110 }, { 140, 50 }, { 118, 80 }, { 114, 80 } },
    };
    for (const Case& k : cases) {
        ClipCanvas s;
        addStore(s.items, halves(40, 20, 20, kRed, kBlue));
        ItemRecord* clip = addClip(s.items, QRect(0, 0, 40, 20), { 100, 60 }, { 180, 100 });
        clip->body.clipRotation = kQuarter;
        clip->body.frameOn = k.frameMm > 0;
        clip->body.lineWeight = k.frameMm;
        clip->body.lineColor = 0;
        s.paint(*clip);
        EXPECT_EQ(s.bitmap.pixel(k.red.x(), k.red.y()), kRed) << k.name;
        EXPECT_EQ(s.bitmap.pixel(k.blue.x(), k.blue.y()), kBlue) << k.name;
        if (k.frame.x() >= 0) {
            EXPECT_EQ(s.bitmap.pixel(k.frame.x(), k.frame.y()), 0u) << k.name;
        }
        EXPECT_EQ(s.bitmap.pixel(k.outside.x(), k.outside.y()), kWhite) << k.name;
        EXPECT_EQ(s.bitmap.pixel(105, 80), kWhite) << k.name << ": the unturned left end is gone";
    }
}

// A red 40 x 40 picture cut round about (4, 20) with radius 12, shown with
// radius 24 about (150, 100) on a green canvas: the 8 pixels of the disc
// beyond the picture's left edge are white, the square's corners outside
// the disc keep the canvas.
TEST(ClipPainting, RoundClipNearThePictureEdgeShowsWhiteBeyondIt)
{
    struct Case {
        const char* name;
        double rotation;
        QPoint white, red;
    };
    const Case cases[] = {
        { "upright", 0.0, { 130, 100 }, { 165, 100 } },
        { "turned a quarter: the white side at the bottom", kQuarter, { 150, 120 }, { 150, 85 } },
    };
    for (const Case& k : cases) {
        ClipCanvas s(kGreen);
        addStore(s.items, halves(40, 40, 40, kRed, kRed));
        ItemRecord* clip = addRoundClip(s.items, { 4, 20 }, { 4, 32 }, { 150, 100 }, { 150, 124 });
        clip->body.clipRotation = k.rotation;
        s.paint(*clip);
        EXPECT_EQ(s.bitmap.pixel(k.white.x(), k.white.y()), kWhite) << k.name;
        EXPECT_EQ(s.bitmap.pixel(k.red.x(), k.red.y()), kRed) << k.name;
        EXPECT_EQ(s.bitmap.pixel(150, 77), kRed) << k.name << ": just inside the rim";
        EXPECT_EQ(s.bitmap.pixel(128, 78), kGreen) << k.name << ": a corner of the square";
        EXPECT_EQ(s.bitmap.pixel(150, 125), kGreen) << k.name << ": beyond the rim";
    }
}

// Frames are shaded only when the clip has a surface, 3-D effects are shown
// and the frame is wider than 3 pixels; otherwise they are flat.
TEST(ClipPainting, FramesAreShadedOnlyWhenWideEnoughAndShown)
{
    struct Case {
        const char* name;
        int shape;
        double frameMm;
        int surface;
        bool show3D, shaded;
    };
    const Case cases[] = {
        { "flat", 1, 2.0, 0, true, false },
        { "round surface", 1, 2.0, 127, true, true },
        { "3-D effects hidden", 1, 2.0, 127, false, false },
        { "3 pixels", 1, 0.75, 127, true, false },
        { "flat ring", 2, 2.0, 0, true, false },
        { "shaded ring", 2, 2.0, 127, true, true },
    };
    for (const Case& k : cases) {
        ClipCanvas s;
        addStore(s.items, halves(40, 40, 40, kRed, kRed));
        ItemRecord* clip = k.shape == 2 ? addRoundClip(s.items, { 20, 20 }, { 20, 30 }, { 150, 100 }, { 190, 100 })
                                        : addClip(s.items, QRect(0, 0, 40, 40), { 100, 60 }, { 180, 140 });
        clip->body.frameOn = 1;
        clip->body.lineWeight = k.frameMm;
        clip->body.lineColor = 0;
        clip->body.surface = std::uint8_t(k.surface);
        s.view.show3D = k.show3D;
        s.paint(*clip);
        // Across the frame on the left: x 92 .. 99 (ring: 102 .. 109).
        const int from = k.shape == 2 ? 102 : 100 - (k.frameMm > 1 ? 8 : 3);
        const int width = k.frameMm > 1 ? 8 : 3;
        std::set<std::uint32_t> across;
        for (int x = from; x < from + width; ++x)
            across.insert(s.bitmap.pixel(x, 100));
        EXPECT_EQ(across == std::set<std::uint32_t> { 0 }, !k.shaded) << k.name;
        EXPECT_EQ(s.bitmap.pixel(from - 1, 100), kWhite) << k.name;
        EXPECT_EQ(s.bitmap.pixel(from + width + 1, 100), kRed) << k.name;
    }
}

// The screen paints tile by tile; a clip across a tile edge must come out
// the same as on one canvas.
TEST(ClipPainting, TilesShowTheSamePixelsAsOneCanvas)
{
    struct Case {
        const char* name;
        int shape;
        double rotation;
    };
    const Case cases[] = {
        { "upright", 1, 0.0 },
        { "turned", 1, 0.5 },
        { "round, turned", 2, 0.5 },
    };
    for (const Case& k : cases) {
        ClipCanvas whole, tile;
        for (ClipCanvas* s : { &whole, &tile }) {
            addStore(s->items, quadrants());
            ItemRecord* clip = k.shape == 2
                ? addRoundClip(s->items, { 20, 20 }, { 20, 38 }, { 150, 100 }, { 150, 150 })
                : addClip(s->items, QRect(0, 0, 40, 40), { 100, 60 }, { 200, 150 });
            clip->body.clipRotation = k.rotation;
            clip->body.frameOn = 1;
            clip->body.lineWeight = 1.0;
            clip->body.surface = 127;
        }
        tile.view.tileX = 140;
        whole.paint(*whole.items.last);
        tile.paint(*tile.items.last);
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 160; ++x)
                ASSERT_EQ(tile.bitmap.pixel(x, y), whole.bitmap.pixel(x + 140, y)) << k.name << " " << x << "," << y;
    }
}

TEST(ClipPainting, AClipThatCannotBeDrawnShowsItsOutlineOnTheScreenOnly)
{
    ClipCanvas s;
    ItemRecord* store = addStore(s.items, quadrants());
    store->imageStream.resize(40); // a damaged picture
    ItemRecord* clip = addClip(s.items, QRect(0, 0, 40, 40), { 100, 60 }, { 180, 140 });
    s.paint(*clip);
    std::set<std::uint32_t> top;
    for (int x = 110; x < 170; ++x)
        top.insert(s.bitmap.pixel(x, 60));
    EXPECT_EQ(top, (std::set<std::uint32_t> { 0x000000, kYellow }));
    EXPECT_EQ(s.bitmap.pixel(140, 100), kWhite);

    Bitmap24 sheet(300, 200);
    sheet.fill(kWhite);
    renderItemToBitmap(sheet, *clip, s.items, renderfixture::kScreen, 0, 0, 1.0, 1.0);
    for (int x = 100; x < 181; ++x)
        ASSERT_EQ(sheet.pixel(x, 60), kWhite) << x;
}

TEST(ClipPainting, ScreenPaintsKeepThePreparedClipAndBitmapTargetsDoNot)
{
    ClipCanvas s;
    addStore(s.items, quadrants());
    ItemRecord* clip = addClip(s.items, QRect(0, 0, 40, 40), { 50, 40 }, { 90, 80 });

    Bitmap24 sheet(300, 200);
    sheet.fill(kWhite);
    renderItemToBitmap(sheet, *clip, s.items, renderfixture::kScreen, 10, 0, 2.0, 2.0);
    EXPECT_EQ(sheet.pixel(115, 85), kOrange) << "drawn at twice the size";
    EXPECT_EQ(sheet.pixel(185, 155), kYellow);
    EXPECT_TRUE(clip->children.empty());

    s.paint(*clip);
    std::multiset<std::int32_t> kinds;
    for (const ItemRecord& r : clip->children)
        kinds.insert(r.body.kind);
    EXPECT_EQ(kinds, (std::multiset<std::int32_t> { kinds::kClipBitmap, kinds::kClipBitmapRaw }));
}

// After a first paint the picture's bytes are taken away, so a repaint that
// does not use the kept clip can only show the outline.
TEST(ClipPainting, TheKeptClipServesOnlyWhileNothingItDependsOnChanged)
{
    struct Case {
        const char* name;
        void (*change)(ClipCanvas&, ItemRecord&);
        QPoint probe;
        bool fromCache;
    };
    const Case cases[] = {
        { "nothing", [](ClipCanvas&, ItemRecord&) {}, { 60, 50 }, true },
        { "moved", [](ClipCanvas&, ItemRecord& c) { c.body.x1 += 30, c.body.x2 += 30; }, { 90, 50 }, true },
        { "resized", [](ClipCanvas&, ItemRecord& c) { c.body.x2 += 10; }, { 60, 50 }, false },
        { "saturation", [](ClipCanvas&, ItemRecord& c) { c.body.saturation = 10; }, { 60, 50 }, false },
        { "turned", [](ClipCanvas&, ItemRecord& c) { c.body.clipRotation = 0.1; }, { 60, 50 }, false },
        { "zoom", [](ClipCanvas& s, ItemRecord&) { s.header->header.zoom = 2.0; }, { 120, 100 }, false },
        { "3-D effects hidden", [](ClipCanvas& s, ItemRecord&) { s.view.show3D = false; }, { 60, 50 }, false },
    };
    for (const Case& k : cases) {
        ClipCanvas s;
        ItemRecord* store = addStore(s.items, quadrants());
        ItemRecord* clip = addClip(s.items, QRect(0, 0, 40, 40), { 50, 40 }, { 90, 80 });
        clip->body.frameOn = 1;
        clip->body.lineWeight = 1.5;
        clip->body.surface = 127;
        s.paint(*clip);
        store->imageStream.clear();
        k.change(s, *clip);
        s.bitmap.fill(kWhite);
        s.paint(*clip);
        EXPECT_EQ(s.bitmap.pixel(k.probe.x(), k.probe.y()), k.fromCache ? kOrange : kWhite) << k.name;
    }
}
