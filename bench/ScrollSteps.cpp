// Scrolling a large drawing at 300 %: 201 scroll steps of 20 pixels replayed
// across the 10,000-item drawing of the editor benchmarks in a real document
// window, each step followed by the window's own event handling. Reports the
// time for all steps and how many of them repainted the canvas bitmap.

#include "fixtures/RenderFixtures.h"

#include "base/UserPrompt.h"
#include "canvas/EditorContext.h"
#include "canvas/widgets/DocumentWindow.h"
#include "platform/FileDialogsScripted.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kSteps = 201;
constexpr int kStepPixels = 20;

void replaySteps(benchmark::State& state, bool vertical)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("large.tvle");
    if (!renderfixture::writeLargeDrawing(path)) {
        state.SkipWithError("cannot write the drawing");
        return;
    }
    FixedAnswerPrompt prompt;
    FileDialogsScripted dialogs;
    EditorContext context(renderfixture::kScreen, { &prompt, &dialogs });
    DocumentWindow window(context);
    window.resize(900, 700);
    window.initDocument(1, path);
    window.show();
    window.applyZoom(3.0);
    // The effects pass after the zoom runs between events; it would be
    // counted in the steps otherwise.
    QElapsedTimer wait;
    wait.start();
    while (window.effectsPending() && wait.elapsed() < 120000)
        QApplication::processEvents();
    QScrollBar* bar = vertical ? window.scrollBarY() : window.scrollBarX();
    int repaints = 0;
    QObject::connect(&window, &DocumentWindow::canvasRepainted, [&repaints] { ++repaints; });
    double seconds = 0;
    for (auto _ : state) {
        bar->setValue(0);
        while (window.effectsPending())
            QApplication::processEvents();
        repaints = 0;
        QElapsedTimer clock;
        clock.start();
        for (int step = 1; step <= kSteps; ++step) {
            bar->setValue(step * kStepPixels);
            QApplication::processEvents();
        }
        seconds = clock.nsecsElapsed() / 1e9;
        state.SetIterationTime(seconds);
    }
    state.counters["steps"] = kSteps;
    state.counters["repaints"] = repaints;
    state.counters["msPerStep"] = seconds * 1000 / kSteps;
}

void BM_ScrollAcross(benchmark::State& state)
{
    replaySteps(state, false);
}
BENCHMARK(BM_ScrollAcross)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ScrollDown(benchmark::State& state)
{
    replaySteps(state, true);
}
BENCHMARK(BM_ScrollDown)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
