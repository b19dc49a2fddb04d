// Whole-process timings of the editor, each run as the user would start it:
// start to the first paint of the empty drawing, opening a drawing of 10,000
// items to its first paint, and one zoom of that drawing to 200 %.
//
// `bench_EditorTiming --write-drawing FILE` only writes the 10,000-item
// drawing (used for screenshots).

#include "fixtures/RenderFixtures.h"
#include "fixtures/SettingsFixtures.h"

#include "base/ScreenMetrics.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

using namespace renderfixture;

QTemporaryDir& scratch()
{
    static QTemporaryDir dir;
    return dir;
}

QString largeDrawing()
{
    static const QString path = [] {
        const QString p = scratch().filePath("large.tvle");
        writeLargeDrawing(p);
        return p;
    }();
    return path;
}

// The editors' settings: the first-time setup counts as done, as for a user
// who has been working with the editor.
QString configHome()
{
    static const QString path = [] {
        const QString p = scratch().filePath("config");
        settingsfixture::seedCompletedSetup(p);
        return p;
    }();
    return path;
}

QString editorProgram() { return QCoreApplication::applicationDirPath() + "/../tavelle"; }

// Runs the editor with --timing and the given arguments; returns its report
// and sets the whole process's wall time.
QString runEditor(const QStringList& arguments, double& wallSeconds)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!env.contains("DISPLAY"))
        env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_CONFIG_HOME", configHome());
    env.insert("XDG_DATA_HOME", scratch().filePath("data"));
    env.insert("TAVELLE_OPEN_SOCKET", "tavelle-bench-" + QString::number(QCoreApplication::applicationPid()));
    QProcess editor;
    editor.setProcessEnvironment(env);
    QElapsedTimer clock;
    clock.start();
    editor.start(editorProgram(), QStringList { "--timing" } + arguments);
    editor.waitForFinished(60000);
    wallSeconds = clock.nsecsElapsed() / 1e9;
    return QString::fromLocal8Bit(editor.readAllStandardError());
}

double reported(const QString& report, const QString& what)
{
    const QRegularExpressionMatch m = QRegularExpression("timing: " + what + " (\\d+) ms").match(report);
    return m.hasMatch() ? m.captured(1).toDouble() : -1;
}

void runAndReport(benchmark::State& state, const QStringList& arguments)
{
    double firstPaint = 0, zoom = 0;
    for (auto _ : state) {
        double wall = 0;
        const QString report = runEditor(arguments, wall);
        if (reported(report, "first paint") < 0) {
            state.SkipWithError(qPrintable("no timing report: " + report));
            return;
        }
        state.SetIterationTime(wall);
        firstPaint = reported(report, "first paint");
        zoom = reported(report, "zoom repaint");
    }
    state.counters["firstPaintMs"] = firstPaint;
    if (zoom >= 0)
        state.counters["zoomRepaintMs"] = zoom;
}

void BM_StartToEmptyDrawing(benchmark::State& state)
{
    runAndReport(state, {});
}
BENCHMARK(BM_StartToEmptyDrawing)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_OpenLargeDrawing(benchmark::State& state)
{
    runAndReport(state, { "-open", largeDrawing() });
}
BENCHMARK(BM_OpenLargeDrawing)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ZoomLargeDrawing(benchmark::State& state)
{
    runAndReport(state, { "--timing-zoom", "200", "-open", largeDrawing() });
}
BENCHMARK(BM_ZoomLargeDrawing)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--write-drawing") == 0)
        return writeLargeDrawing(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
