// Opening a 4000 x 3000 camera picture in the picture dialog: the JPEG is
// first decoded at one eighth, which must take well under 300 ms; the finer
// decodes the zoom steps to are measured beside it.

#include "platform/Bitmap24.h"
#include "platform/codecs/JpegEncoder.h"
#include "platform/codecs/PictureDecoder.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <random>

namespace {

// A photograph-like picture: smooth gradients with fine noise, which JPEG
// codes at about the size a camera file has.
const QByteArray& photoJpeg()
{
    static const QByteArray bytes = [] {
        Bitmap24 b(4000, 3000);
        std::mt19937 random(1);
        std::uniform_int_distribution<int> noise(-12, 12);
        for (int y = 0; y < b.height(); ++y) {
            std::uint8_t* p = b.scanLine(y);
            for (int x = 0; x < b.width(); ++x, p += 4) {
                p[0] = std::uint8_t(std::clamp(x * 255 / 4000 + noise(random), 0, 255));
                p[1] = std::uint8_t(std::clamp(y * 255 / 3000 + noise(random), 0, 255));
                p[2] = std::uint8_t(std::clamp((x + y) % 512 / 2 + noise(random), 0, 255));
                p[3] = 0xff;
            }
        }
        return encodeJpeg(b, 90).bytes;
    }();
    return bytes;
}

void DecodeJpegAtScale(benchmark::State& state)
{
    const QByteArray& jpeg = photoJpeg();
    DecodeOptions options;
    options.scaleDenominator = int(state.range(0));
    for (auto _ : state) {
        DecodedPicture d = decodePicture(jpeg, PictureFormat::Jpeg, options);
        if (!d.ok())
            state.SkipWithError("decoding failed");
        benchmark::DoNotOptimize(d.bitmap.scanLine(0));
    }
    state.counters["fileMB"] = double(jpeg.size()) / (1 << 20);
}
BENCHMARK(DecodeJpegAtScale)->Arg(8)->Arg(4)->Arg(2)->Arg(1)->Unit(benchmark::kMillisecond);

// What the dialog does on opening: read the file, then decode at one eighth.
void OpenJpegFileAtOneEighth(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("photo.jpg"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(photoJpeg()) != photoJpeg().size()) {
        state.SkipWithError("cannot write the picture");
        return;
    }
    file.close();
    DecodeOptions eighth;
    eighth.scaleDenominator = 8;
    for (auto _ : state) {
        DecodedPicture d = decodePictureFile(path, eighth);
        if (!d.ok() || d.bitmap.width() != 500)
            state.SkipWithError("decoding failed");
        benchmark::DoNotOptimize(d.bitmap.scanLine(0));
    }
}
BENCHMARK(OpenJpegFileAtOneEighth)->Unit(benchmark::kMillisecond);

void ReadJpegInfo(benchmark::State& state)
{
    const QByteArray& jpeg = photoJpeg();
    for (auto _ : state)
        benchmark::DoNotOptimize(pictureInfo(jpeg, PictureFormat::Jpeg).size);
}
BENCHMARK(ReadJpegInfo)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
