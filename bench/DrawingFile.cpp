#include "base/ScreenMetrics.h"
#include "model/DrawingFile.h"
#include "model/DrawingHeader.h"
#include "model/ItemKinds.h"
#include "model/ItemRecord.h"
#include "base/UserPrompt.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <malloc.h>

namespace {

constexpr int kShapes = 100000;

// A drawing of 100,000 live shapes with four points each, built the way a
// loader builds one (no per-record counter walks).
void buildDrawing(ItemList& list)
{
    createHeader(list);
    ItemRecord* grid = createItem(list, kinds::kGrid);
    std::int32_t step = grid->body.stepNumber;
    const std::int32_t shapeKinds[] = { kinds::kTriangle, kinds::kRectangle, kinds::kPolygon, kinds::kSpline };
    for (int i = 0; i < kShapes; ++i) {
        ItemRecord* r = appendBlankRecord(list);
        r->body = findFirstOfKind(list, kinds::kGrid)->body;
        r->body.kind = shapeKinds[i % 4];
        r->body.stepNumber = ++step;
        r->body.zOrder = i + 1;
        r->body.x1 = i % 1600;
        r->body.y1 = i / 1600;
        r->body.x2 = r->body.x1 + 40;
        r->body.y2 = r->body.y1 + 30;
        syncRealCoordinates(r, ScreenMetrics {});
        r->pointList.resize(4);
        for (int k = 0; k < 4; ++k)
            r->pointList[static_cast<std::size_t>(k)].set(0, r->body.x1 + 10 * k, r->body.y1 + 7 * k);
    }
}

// Heap bytes in use; freed memory that the allocator keeps does not count.
double heapBytes() { return static_cast<double>(mallinfo2().uordblks); }

QTemporaryDir& scratch()
{
    static QTemporaryDir dir;
    return dir;
}

QString drawingPath() { return scratch().filePath("bench.tvle"); }

void BM_WriteDrawing(benchmark::State& state)
{
    ItemList list;
    buildDrawing(list);
    for (auto _ : state) {
        if (!writeDrawing(drawingPath(), list))
            state.SkipWithError("write failed");
    }
    state.counters["fileMB"] = static_cast<double>(QFileInfo(drawingPath()).size()) / 1e6;
}
BENCHMARK(BM_WriteDrawing)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ReadDrawing(benchmark::State& state)
{
    {
        ItemList list;
        buildDrawing(list);
        writeDrawing(drawingPath(), list);
    }
    const double fileBytes = static_cast<double>(QFileInfo(drawingPath()).size());
    FixedAnswerPrompt prompt;
    double residentRatio = 0;
    int records = 0;
    for (auto _ : state) {
        const double before = heapBytes();
        ItemList list;
        if (!readDrawing(drawingPath(), list, ScreenMetrics {}, prompt))
            state.SkipWithError("read failed");
        residentRatio = (heapBytes() - before) / fileBytes;
        records = countRecords(list);
        state.PauseTiming();
        freeItemList(list);
        state.ResumeTiming();
    }
    state.counters["heapPerFileByte"] = residentRatio;
    state.counters["records"] = records;
}
BENCHMARK(BM_ReadDrawing)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

BENCHMARK_MAIN();
