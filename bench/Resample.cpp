// Resampling a 4000 x 3000 picture to 1000 x 750 with the Mitchell kernel,
// the way picture clips are scaled: the whole operation, then its plain
// single-threaded form, then against ImageMagick's `convert -filter
// Mitchell -resize 1000x750` timed in the same run by its own -bench option
// (its in-process time per iteration, best thread count). The comparison
// reports "skipped" when convert is not installed.

#include "render/Resample.h"
#include "platform/Bitmap24.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <random>

namespace {

constexpr int kSourceWidth = 4000, kSourceHeight = 3000;
constexpr int kTargetWidth = 1000, kTargetHeight = 750;

// Smooth colour gradients with some grain, like a photograph.
const Bitmap24& sourcePicture()
{
    static const Bitmap24 picture = [] {
        Bitmap24 b(kSourceWidth, kSourceHeight);
        std::mt19937 random(11);
        std::uniform_int_distribution<int> grain(-12, 12);
        for (int y = 0; y < kSourceHeight; ++y) {
            std::uint8_t* row = b.scanLine(y);
            for (int x = 0; x < kSourceWidth; ++x) {
                const double wave = std::sin(x / 300.0) * std::cos(y / 200.0);
                row[4 * x] = std::uint8_t(std::clamp(int(128 + 100 * wave) + grain(random), 0, 255));
                row[4 * x + 1] = std::uint8_t(std::clamp(x * 255 / kSourceWidth + grain(random), 0, 255));
                row[4 * x + 2] = std::uint8_t(std::clamp(y * 255 / kSourceHeight + grain(random), 0, 255));
                row[4 * x + 3] = 0xFF;
            }
        }
        return b;
    }();
    return picture;
}

double resampleSeconds(const ResampleOptions& options)
{
    Bitmap24 target(kTargetWidth, kTargetHeight);
    const auto start = std::chrono::steady_clock::now();
    resample(sourcePicture(), target, ResampleKernel::Mitchell, options);
    benchmark::DoNotOptimize(target.scanLine(0));
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_ResampleMitchell(benchmark::State& state)
{
    const ResampleOptions options { state.range(0) != 0, state.range(0) != 0 ? 0 : 1 };
    sourcePicture();
    for (auto _ : state)
        state.SetIterationTime(resampleSeconds(options));
    state.SetLabel(state.range(0) ? "vectorised, all cores" : "plain, one thread");
}

// Seconds per iteration that `convert ... -bench N` reports for its best
// thread count; negative when it cannot be run or read.
double convertSeconds(const QString& convert, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(convert, arguments);
    if (!process.waitForFinished(300000) || process.exitCode() != 0)
        return -1;
    const QString output = QString::fromLocal8Bit(process.readAll());
    static const QRegularExpression line(QStringLiteral(R"(Performance\[\d+\]:\s*\d+i\s+([0-9.]+)ips)"));
    double best = 0;
    for (auto match = line.globalMatch(output); match.hasNext();)
        best = std::max(best, match.next().captured(1).toDouble());
    return best > 0 ? 1.0 / best : -1;
}

void BM_MitchellAgainstImageMagick(benchmark::State& state)
{
    const QString convert = QStandardPaths::findExecutable(QStringLiteral("convert"));
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("source.ppm"));
    if (convert.isEmpty() || !sourcePicture().toBgr888().save(picture, "PPM")) {
        state.SkipWithError("skipped: ImageMagick's convert is not installed");
        for (auto _ : state) { }
        return;
    }
    const QStringList common { picture, QStringLiteral("-bench"), QStringLiteral("5") };
    for (auto _ : state) {
        double ours = 1e9;
        for (int i = 0; i < 5; ++i)
            ours = std::min(ours, resampleSeconds({}));
        const double theirs = convertSeconds(convert,
            { picture, QStringLiteral("-filter"), QStringLiteral("Mitchell"), QStringLiteral("-resize"),
                QStringLiteral("1000x750"), QStringLiteral("-bench"), QStringLiteral("5"),
                QStringLiteral("null:") });
        const double reading = convertSeconds(convert, common + QStringList { QStringLiteral("null:") });
        if (theirs <= 0) {
            state.SkipWithError("skipped: convert gave no -bench figures");
            return;
        }
        state.SetIterationTime(ours);
        state.counters["ours_ms"] = ours * 1000;
        state.counters["convert_ms"] = theirs * 1000;
        // convert's figure includes reading the picture; without it, the resize alone.
        state.counters["convert_read_ms"] = reading * 1000;
        state.counters["ratio"] = theirs / ours;
        state.counters["resize_only_ratio"] = reading > 0 ? (theirs - reading) / ours : 0;
    }
}

BENCHMARK(BM_ResampleMitchell)
    ->Arg(1)
    ->Arg(0)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK(BM_MitchellAgainstImageMagick)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
