// The model's share of one edit in a drawing of 10,000 items: recording the
// step, undoing it and redoing it, without any painting. Each benchmark times
// only the operation itself, in processor time of the running thread so that
// other programs on a busy machine do not count; the set-up before it and the
// tidying after it, which put the drawing back as it was, are left out.

#include "model/History.h"
#include "base/ScreenMetrics.h"
#include "model/DrawingHeader.h"
#include "model/ItemKinds.h"
#include "model/ItemRecord.h"
#include "model/Stacking.h"

#include <benchmark/benchmark.h>

#include <functional>
#include <string>
#include <time.h>
#include <vector>

namespace {

constexpr int kItems = 10000;

// 10,000 rectangles, each drawn as a step of its own, as a person would
// have made them (built directly so that building stays linear).
struct BigDrawing {
    ScreenMetrics screen;
    ItemList list;
    ItemRecord* bottom = nullptr;
    ItemRecord* middle = nullptr;

    BigDrawing()
    {
        createHeader(list);
        ItemRecord* grid = createItem(list, kinds::kGrid);
        grid->body.historyState = history::kBase;
        std::int32_t step = grid->body.stepNumber;
        for (int i = 0; i < kItems; ++i) {
            ItemRecord* r = appendBlankRecord(list);
            r->body = grid->body;
            r->body.kind = kinds::kRectangle;
            r->body.historyState = history::kDone;
            r->body.stepNumber = ++step;
            r->body.editBatch = i + 1;
            r->body.zOrder = i + 1;
            r->body.x1 = i % 1600;
            r->body.y1 = i / 16;
            r->body.x2 = r->body.x1 + 40;
            r->body.y2 = r->body.y1 + 30;
            syncRealCoordinates(r, screen);
            syncExtentFields(r);
            r->pointList.resize(4);
            if (i == 0)
                bottom = r;
            if (i == kItems / 2)
                middle = r;
        }
    }
};

double threadSeconds()
{
    timespec t {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Runs set-up, the timed operation and tidying once per iteration.
template <typename Setup, typename Operation, typename Tidy>
void timeOnly(benchmark::State& state, Setup setup, Operation operation, Tidy tidy)
{
    for (auto _ : state) {
        setup();
        const double start = threadSeconds();
        operation();
        const double end = threadSeconds();
        tidy();
        state.SetIterationTime(end - start);
    }
}

// One kind of edit: what it needs selected, and the edit itself.
struct Edit {
    const char* name;
    std::function<void(BigDrawing&)> prepare;
    std::function<void(BigDrawing&)> make;
};

std::vector<Edit> edits()
{
    return {
        { "NewItem", [](BigDrawing&) {}, [](BigDrawing& d) { addNewItem(d.list, kinds::kRectangle); } },
        { "Move", [](BigDrawing& d) { selectOnly(d.list, d.middle); },
            [](BigDrawing& d) { beginEditStep(d.list, d.screen); } },
        // The bottom item brought on top moves every other item down one
        // place, and undoing and redoing it moves them all again.
        { "BringBottomOnTop", [](BigDrawing& d) { selectOnly(d.list, d.bottom); },
            [](BigDrawing& d) { placeOnTop(d.list, d.screen); } },
    };
}

using Step = std::function<void(BigDrawing&)>;

void registerTimed(const std::string& name, Step setup, Step operation, Step tidy)
{
    benchmark::RegisterBenchmark(name.c_str(),
        [=](benchmark::State& state) {
            BigDrawing d;
            timeOnly(
                state, [&] { setup(d); }, [&] { operation(d); }, [&] { tidy(d); });
        })
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond);
}

// Times making the edit, undoing it and redoing it.
void registerEdit(const Edit& e)
{
    const std::string name = e.name;
    const Step undo = [](BigDrawing& d) { undoStep(d.list); };
    const Step forget = [](BigDrawing& d) { clearRedoSteps(d.list); };
    const Step undoAndForget = [=](BigDrawing& d) {
        undo(d);
        forget(d);
    };
    const Step made = [e](BigDrawing& d) {
        e.prepare(d);
        e.make(d);
    };
    registerTimed(name + "/Make", e.prepare, e.make, undoAndForget);
    registerTimed(name + "/Undo", made, undo, forget);
    registerTimed(
        name + "/Redo",
        [=](BigDrawing& d) {
            made(d);
            undo(d);
        },
        [](BigDrawing& d) { redoStep(d.list); }, undoAndForget);
}

void BM_HistoryAvailability(benchmark::State& state)
{
    BigDrawing d;
    for (auto _ : state)
        benchmark::DoNotOptimize(historyAvailability(d.list));
}
BENCHMARK(BM_HistoryAvailability)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    for (const Edit& e : edits())
        registerEdit(e);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
