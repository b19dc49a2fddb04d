// Repaint of a 1600 x 1200 canvas bitmap holding 20 picture clips cut from
// one stored 2000 x 1500 JPEG: rectangular and round, mirrored, turned,
// colour-adjusted, with flat and shaded frames. The first paint decodes and
// prepares every clip; later repaints draw the clips kept with them.

#include "fixtures/RenderFixtures.h"

#include "platform/Bitmap24.h"
#include "render/CanvasView.h"
#include "render/ScenePainter.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using namespace renderfixture;

constexpr std::int32_t kPictureId = 9;

QByteArray photo()
{
    QImage image(2000, 1500, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y,
                qRgb(int(127 + 127 * std::sin(x / 60.0)), int(127 + 127 * std::cos(y / 45.0)), (x + y) / 14 % 256));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 90);
    return bytes;
}

struct ClipScene {
    ItemList items;
    Bitmap24 bitmap { 1600, 1200 };
    CanvasView view;

    ClipScene()
    {
        addHeader(items, 1600, 1200);
        ItemRecord* store = createItem(items, kinds::kPictureStore);
        store->body.recordClass = kinds::kClassPictureStore;
        store->body.pictureId = kPictureId;
        store->body.clipShape = 4;
        const QByteArray bytes = photo();
        store->imageStream.assign(bytes.begin(), bytes.end());
        for (int i = 0; i < 20; ++i)
            addClip(i);
        view.items = &items;
        view.bitmap = &bitmap;
    }

    void addClip(int i)
    {
        ItemRecord* c = createItem(items, kinds::kClip);
        ItemBody& b = c->body;
        const int x = 40 + i % 5 * 310, y = 40 + i / 5 * 290;
        b.pictureId = kPictureId;
        b.clipShape = i % 4 == 3 ? 2 : 1;
        b.clipLeft = i * 70;
        b.clipTop = i * 50;
        b.clipRight = b.clipLeft + 500;
        b.clipBottom = b.clipTop + 400;
        b.x1 = x;
        b.y1 = y;
        b.x2 = x + 250;
        b.y2 = y + 200;
        if (b.clipShape == 2) {
            b.clipRight = b.clipLeft;
            b.clipTop += 200;
            b.x1 = x + 120;
            b.y1 = y + 110;
            b.x2 = x + 120;
            b.y2 = y + 220;
        }
        b.clipScaleX = i % 3 == 1 ? -0.5 : 0.5;
        b.clipRotation = i % 5 == 2 ? 0.4 : 0.0;
        b.saturation = i % 2 ? 40 : 0;
        b.lightness = i % 7 == 0 ? 20 : 0;
        b.frameOn = 1;
        b.lineWeight = 1.5;
        b.lineColor = 0x204060;
        b.surface = i % 2 ? 127 : 0;
        b.minX = std::min(b.x1, b.x2) - 130;
        b.minY = std::min(b.y1, b.y2) - 130;
        b.maxX = std::max(b.x1, b.x2) + 130;
        b.maxY = std::max(b.y1, b.y2) + 130;
        placeOnTop(items, c);
    }
};

void BM_ClipRepaintFromCaches(benchmark::State& state)
{
    ClipScene scene;
    repaintCanvasBitmap(scene.view); // prepares and keeps every clip
    for (auto _ : state) {
        repaintCanvasBitmap(scene.view);
        benchmark::DoNotOptimize(scene.bitmap.scanLine(600));
    }
}

void BM_ClipFirstPaint(benchmark::State& state)
{
    ClipScene scene;
    for (auto _ : state) {
        dropClipCaches(scene.items);
        repaintCanvasBitmap(scene.view);
        benchmark::DoNotOptimize(scene.bitmap.scanLine(600));
    }
}

BENCHMARK(BM_ClipRepaintFromCaches)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_ClipFirstPaint)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
