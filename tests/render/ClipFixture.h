#pragma once

// Pictures for clip tests: stored in a drawing's picture store as the bytes
// of a BMP file (lossless, so every pixel is known), painted on a white
// 300 x 200 canvas at zoom 1.

#include "fixtures/RenderFixtures.h"

#include "platform/Bitmap24.h"
#include "render/CanvasView.h"
#include "render/ScenePainter.h"

#include <QBuffer>
#include <QImage>

#include <initializer_list>
#include <vector>

namespace clipfixture {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::int32_t kPictureId = 77;
constexpr int kBmp = 2;

// 0x00BBGGRR as Qt's colour.
inline QRgb rgb(std::uint32_t c)
{
    return qRgb(int(c & 0xFF), int(c >> 8 & 0xFF), int(c >> 16 & 0xFF));
}

// A picture of `rows`, one colour per pixel.
inline QImage picture(std::initializer_list<std::initializer_list<std::uint32_t>> rows)
{
    QImage image(int(rows.begin()->size()), int(rows.size()), QImage::Format_RGB32);
    int y = 0;
    for (const auto& row : rows) {
        int x = 0;
        for (std::uint32_t c : row)
            image.setPixel(x++, y, rgb(c));
        ++y;
    }
    return image;
}

// A w x h picture whose left part (x < split) is one colour and the rest another.
inline QImage halves(int w, int h, int split, std::uint32_t left, std::uint32_t right)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, rgb(x < split ? left : right));
    return image;
}

inline std::vector<std::uint8_t> encoded(const QImage& image, const char* format = "BMP")
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return { bytes.begin(), bytes.end() };
}

inline ItemRecord* addStore(ItemList& items, const QImage& image, std::int32_t id = kPictureId)
{
    ItemRecord* store = createItem(items, kinds::kPictureStore);
    store->body.recordClass = kinds::kClassPictureStore;
    store->body.pictureId = id;
    store->body.clipShape = kBmp;
    store->imageStream = encoded(image);
    store->text = u"/pictures/test.bmp";
    return store;
}

// A rectangular clip showing the cut (l, t)-(r, b) placed at (x1, y1)-(x2, y2).
inline ItemRecord* addClip(ItemList& items, QRect cut, QPoint p1, QPoint p2, int shape = 1)
{
    ItemRecord* clip = createItem(items, kinds::kClip);
    ItemBody& b = clip->body;
    b.pictureId = kPictureId;
    b.clipShape = shape;
    b.clipLeft = cut.left();
    b.clipTop = cut.top();
    b.clipRight = cut.left() + cut.width();
    b.clipBottom = cut.top() + cut.height();
    b.x1 = p1.x();
    b.y1 = p1.y();
    b.x2 = p2.x();
    b.y2 = p2.y();
    renderfixture::placeOnTop(items, clip);
    return clip;
}

// A round clip cutting the circle about `centre` through `rim`, placed about
// `at` through `atRim`.
inline ItemRecord* addRoundClip(ItemList& items, QPoint centre, QPoint rim, QPoint at, QPoint atRim)
{
    ItemRecord* clip = addClip(items, QRect(), at, atRim, 2);
    clip->body.clipLeft = centre.x();
    clip->body.clipTop = centre.y();
    clip->body.clipRight = rim.x();
    clip->body.clipBottom = rim.y();
    return clip;
}

struct ClipCanvas {
    ItemList items;
    ItemRecord* header;
    Bitmap24 bitmap { 300, 200 };
    CanvasView view;

    explicit ClipCanvas(std::uint32_t background = kWhite)
        : header(renderfixture::addHeader(items, 300, 200))
    {
        view.items = &items;
        view.bitmap = &bitmap;
        bitmap.fill(background);
    }
    void paint(const ItemRecord& item) { paintItem(view, item, false); }
};

} // namespace clipfixture
