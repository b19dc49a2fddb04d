// Paint time and peak memory of the costliest single records: each drawing is
// saved, then opened and painted onto a 1600 x 1600 canvas bitmap in a
// process of its own, so that its peak memory is its own.
//
//   bench_PaintCost                 every case, one child process each
//   bench_PaintCost --case FILE     one drawing (what the children run)
//   bench_PaintCost --write-seeds DIR   the drawings as fuzz seeds (shorter curves)
//
// The bounds: under 1 s of painting per record, and a peak under 256 MB plus
// 8 times the file's size.

#include "bench/PathologicalDrawings.h"

#include "base/ScreenMetrics.h"
#include "base/UserPrompt.h"
#include "model/DrawingFile.h"
#include "platform/Bitmap24.h"
#include "render/CanvasImage.h"
#include "render/CanvasView.h"
#include "render/ScenePainter.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>
#include <ctime>

namespace {

constexpr int kChildSeconds = 300;

// Processor time of this process in milliseconds: on a shared machine the
// wall clock also counts the time other processes held the processor.
double cpuMilliseconds()
{
    timespec t {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

long peakKilobytes()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

bool save(std::size_t index, const QString& path, int points = pathological::kLongCurvePoints)
{
    ItemList items;
    pathological::build(pathological::cases()[index], items, points);
    return writeDrawing(path, items);
}

// Seeds stay small enough to mutate quickly: their long curves are shorter.
constexpr int kSeedCurvePoints = 3000;

// Opens the file as a window does and paints the canvas; prints the
// processor time of the paint in milliseconds, the peak resident size in
// kilobytes and the wall-clock time of the paint.
int runCase(const QString& path)
{
    FixedAnswerPrompt prompt(UserPrompt::Answer::Yes);
    ItemList items;
    const ScreenMetrics screen;
    if (!readDrawing(path, items, screen, prompt))
        return 2;
    refreshItemBoxes(items, screen);
    Bitmap24 bitmap(kCanvasBitmapLimit, kCanvasBitmapLimit);
    CanvasView view;
    view.items = &items;
    view.bitmap = &bitmap;
    QElapsedTimer timer;
    timer.start();
    const double cpuBefore = cpuMilliseconds();
    repaintCanvasBitmap(view);
    const double cpu = cpuMilliseconds() - cpuBefore;
    const qint64 wall = timer.elapsed();
    std::printf("%.0f %ld %lld\n", cpu, peakKilobytes(), static_cast<long long>(wall));
    return 0;
}

int writeSeeds(const QString& folder)
{
    QDir().mkpath(folder);
    for (std::size_t i = 0; i < pathological::cases().size(); ++i)
        if (!save(i, QDir(folder).filePath(QString::fromLatin1(pathological::cases()[i].file) + ".tvle"),
                kSeedCurvePoints))
            return 1;
    return 0;
}

int runAll(const QString& self)
{
    QTemporaryDir dir;
    std::printf("Long curves and splines: %d points.\n", pathological::kLongCurvePoints);
    std::printf("%-56s %8s %9s %9s %8s %8s\n", "record", "file MB", "paint ms", "(wall)", "peak MB", "bound");
    bool within = true;
    for (std::size_t i = 0; i < pathological::cases().size(); ++i) {
        const QString path = dir.filePath(QStringLiteral("case%1.tvle").arg(i));
        if (!save(i, path))
            return 1;
        const double fileMb = double(QFileInfo(path).size()) / (1 << 20);
        const double bound = 256 + 8 * fileMb;
        QProcess child;
        child.start(self, { QStringLiteral("--case"), path });
        const bool finished = child.waitForFinished(kChildSeconds * 1000);
        if (!finished)
            child.kill();
        const QStringList out = QString::fromLatin1(child.readAllStandardOutput()).split(' ');
        const char* name = pathological::cases()[i].name;
        if (!finished || child.exitCode() != 0 || out.size() < 3) {
            std::printf(
                "%-56s %10.2f %10s %10s %10.0f\n", name, fileMb, finished ? "failed" : "timeout", "-", bound);
            within = false;
            continue;
        }
        const double ms = out[0].toDouble();
        const double peakMb = out[1].toDouble() / 1024;
        std::printf("%-56s %8.2f %9.0f %9s %8.0f %8.0f\n", name, fileMb, ms, qPrintable(out[2].trimmed()),
            peakMb, bound);
        within = within && ms < 1000 && peakMb < bound;
        std::fflush(stdout);
    }
    std::printf(within ? "every record within the bounds\n" : "SOME RECORDS EXCEED THE BOUNDS\n");
    return within ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() >= 3 && args[1] == QLatin1String("--case"))
        return runCase(args[2]);
    if (args.size() >= 3 && args[1] == QLatin1String("--write-seeds"))
        return writeSeeds(args[2]);
    return runAll(QCoreApplication::applicationFilePath());
}
