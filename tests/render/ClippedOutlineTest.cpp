#include "GeometryTestSupport.h"

#include "platform/Bitmap24.h"
#include "platform/DrawSurface.h"
#include "render/ShapeConstruction.h"
#include "render/ShapeDrawing.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace geometrytest;

constexpr std::uint32_t kWhite = 0xffffff;

struct Figure {
    const char* name;
    std::int32_t kind;
    std::initializer_list<QPoint> anchors;
    int sides;
    std::int32_t fill;
    int variant;
    int penWidth;
    // Pixels of the window allowed to differ: a few where the platform cuts
    // long lines at the window's edge itself; about one per pixel of outline
    // where the whole figure goes to the platform's own stroker, ellipse or
    // curve flattening.
    int tolerance;
};

Bitmap24 draw(const Figure& f, int size, QPoint offset)
{
    ItemList list;
    ItemRecord* item = addShape(list, f.kind, f.anchors);
    item->body.lineColor = 0x0000ff;
    item->body.fillColor = f.fill;
    item->body.shapeVariant = f.variant;
    item->body.sides = f.sides;
    if (f.kind == kinds::kCurve)
        placeControlPoints(*item);
    Bitmap24 b(size, size);
    b.fill(kWhite);
    DrawSurface surface(b);
    drawShape(surface, *item, DeviceMapping { 1.0, 1.0, offset.x(), offset.y() }, f.penWidth);
    return b;
}

// A figure drawn whole on a large bitmap, where it goes to the platform as it
// is, and seen through a small window whose edges it crosses far outside,
// where only what can reach the window is drawn: the window shows the same.
TEST(ClippedOutline, AWindowShowsWhatTheWholeFigureShows)
{
    const Figure figures[] = {
        { "star, thin outline", kinds::kStar, { { 300, 300 }, { 580, 310 }, { 330, 300 } }, 12, 0x00ff00, 2,
            1, 4 },
        { "star, wide outline", kinds::kStar, { { 300, 300 }, { 580, 310 }, { 330, 300 } }, 12, 0x00ff00, 2,
            6, 60 },
        { "polygon", kinds::kPolygon, { { 300, 300 }, { 560, 20 } }, 7, -2, 2, 1, 4 },
        { "pie", kinds::kPie, { { 300, 300 }, { 580, 300 }, { 300, 20 } }, 0, 0xff0000, 2, 1, 4 },
        { "arc, wide", kinds::kArc, { { 300, 300 }, { 580, 300 }, { 300, 20 } }, 0, -1, 0, 5, 60 },
        { "circle", kinds::kCircle, { { 300, 300 }, { 560, 300 } }, 0, 0x00ff00, 2, 1, 120 },
        { "oblong", kinds::kCurve, { { 40, 40 }, { 580, 60 }, { 560, 560 }, { 60, 540 } }, 0, 0xff0000, 2, 1,
            60 },
        { "open curve, wide", kinds::kCurve, { { 40, 40 }, { 580, 60 }, { 560, 560 }, { 60, 540 } }, 0, -1, 0,
            7, 80 },
    };
    // Windows that the outline crosses, with the centre of rings outside.
    const QPoint windows[] = { { 470, 180 }, { 250, 20 }, { 20, 450 } };
    for (const Figure& f : figures) {
        const Bitmap24 whole = draw(f, 600, { 0, 0 });
        int inked = 0;
        for (QPoint w : windows) {
            SCOPED_TRACE(std::string(f.name) + " at " + std::to_string(w.x()) + "," + std::to_string(w.y()));
            const Bitmap24 part = draw(f, 100, -w);
            int differ = 0;
            for (int y = 0; y < 100; ++y)
                for (int x = 0; x < 100; ++x) {
                    differ += part.pixel(x, y) != whole.pixel(w.x() + x, w.y() + y);
                    inked += part.pixel(x, y) != kWhite;
                }
            EXPECT_LE(differ, f.tolerance);
        }
        EXPECT_GT(inked, 100) << f.name << ": the windows show the figure";
    }
}

} // namespace
