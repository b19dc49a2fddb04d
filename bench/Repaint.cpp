// Full repaint of a 1600 x 1600 canvas bitmap holding 10,000 mixed items:
// every shape kind, lines with every built-in pattern, and text lines; and
// the effects pass over the same drawing with a shadow and a round surface
// on every item.

#include "fixtures/RenderFixtures.h"

#include "base/ScreenMetrics.h"
#include "platform/Bitmap24.h"
#include "render/CanvasView.h"
#include "render/SceneEffectsPass.h"
#include "render/ScenePainter.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <random>

namespace {

using namespace renderfixture;

constexpr std::int32_t kShapeKinds[] = { kinds::kTriangle, kinds::kSquare, kinds::kRectangle, kinds::kCircle,
    kinds::kEllipse, kinds::kPolygon, kinds::kStar, kinds::kPie, kinds::kArc, kinds::kSpline, kinds::kCurve };

void addMixedItem(ItemList& items, std::mt19937& random, int i)
{
    std::uniform_int_distribution<int> at(20, 1560), size(8, 40), colour(0, 0xFFFFFF);
    const QPoint c(at(random), at(random));
    const int r = size(random);
    const int kindCount = int(std::size(kShapeKinds));
    const int pick = i % (kindCount + 2);
    if (pick == kindCount) {
        ItemRecord* line = addLine(items, c, c + QPoint(r * 2, r / 2), colour(random), i % 5, (i % 4) * 0.5);
        line->body.penWidth = std::max(1, int(line->body.lineWeight * 96 / 25.4 + 0.5));
        return;
    }
    if (pick == kindCount + 1) {
        addText(items, u"Text line", c, c + QPoint(r * 3, 0), (i % 4) * 300, colour(random));
        return;
    }
    const std::int32_t kind = kShapeKinds[pick];
    const std::int32_t fill = i % 3 == 0 ? -1 : (i % 3 == 1 ? -2 : colour(random));
    ItemRecord* s = nullptr;
    switch (kind) {
    case kinds::kCircle:
        s = addShape(items, kind, { c, c + QPoint(r, 0) }, colour(random), fill);
        break;
    case kinds::kEllipse:
    case kinds::kStar:
    case kinds::kPie:
    case kinds::kArc:
        s = addShape(items, kind, { c, c + QPoint(r, r / 3), c + QPoint(-r / 3, -r / 2) }, colour(random), fill);
        break;
    case kinds::kPolygon:
        s = addShape(items, kind, { c, c + QPoint(r, 0) }, colour(random), fill);
        break;
    case kinds::kSpline:
    case kinds::kCurve:
        s = addShape(items, kind, { c, c + QPoint(r, r / 2), c + QPoint(r / 2, r), c + QPoint(-r / 2, r / 2) },
            colour(random), fill, i % 3);
        break;
    default:
        s = addShape(items, kind, { c, c + QPoint(r, 0), c + QPoint(r, r), c + QPoint(0, r) }, colour(random), fill);
        break;
    }
    s->body.lineWeight = (i % 3) * 0.5;
}

struct RepaintScene {
    ItemList items;
    Bitmap24 bitmap { 1600, 1600 };
    CanvasView view;

    explicit RepaintScene(bool effects = false)
    {
        ItemRecord* h = addHeader(items, 1600, 1600);
        h->header.designType = 1;
        h->header.showGridX = h->header.showGridY = 1;
        addGrid(items, { 100, 300, 500, 700, 900, 1100, 1300, 1500 }, { 100, 300, 500, 700, 900, 1100, 1300, 1500 });
        std::mt19937 random(7);
        for (int i = 0; i < 10000; ++i)
            addMixedItem(items, random, i);
        if (effects)
            for (ItemRecord& r : items)
                if (r.body.recordClass == kinds::kClassItem && r.body.kind != kinds::kGrid) {
                    r.body.shadowElevation = std::uint8_t(30 + 20 * (r.body.zOrder % 3)); // the three presets
                    r.body.shadowFade = std::uint8_t(10 * (1 + r.body.zOrder % 3));
                    r.body.shadowLightness = 110;
                    r.body.surface = 127;
                }
        view.items = &items;
        view.screenMetrics = kScreen;
        view.bitmap = &bitmap;
    }
};

void BM_FullRepaint(benchmark::State& state)
{
    RepaintScene scene;
    for (auto _ : state) {
        repaintCanvasBitmap(scene.view);
        benchmark::DoNotOptimize(scene.bitmap.scanLine(800));
    }
    state.SetItemsProcessed(state.iterations() * 10000);
}

void BM_EffectsPass(benchmark::State& state)
{
    RepaintScene scene(true);
    for (auto _ : state) {
        effectsPass(scene.view);
        benchmark::DoNotOptimize(scene.bitmap.scanLine(800));
    }
    state.SetItemsProcessed(state.iterations() * 10000);
}

BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_EffectsPass)->Unit(benchmark::kMillisecond)->Iterations(3);

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
