#include "render/Resample.h"
#include "platform/Bitmap24.h"
#include "render/GreyBlur.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t kUntouched = 0x5A5A5A;

// The kernels written out again from their formulas, in single precision.
float referenceKernel(int kernel, float a)
{
    const float x = std::fabs(a);
    const float pi = 3.14159265358979f;
    auto sinc = [pi](float v) { return v == 0.0f ? 1.0f : std::sin(pi * v) / (pi * v); };
    switch (kernel) {
    case 0:
        return (a > -0.5f && a <= 0.5f) ? 1.0f : 0.0f;
    case 1:
        return x < 1 ? 1 - x : 0;
    case 2:
        return x < 1 ? (2 * x - 3) * x * x + 1 : 0;
    case 3:
        return x < 0.5f ? 0.75f - x * x : x < 1.5f ? 0.5f * (x - 1.5f) * (x - 1.5f) : 0;
    case 4:
        return x < 1 ? x * x * x / 2 - x * x + 2.0f / 3 : x < 2 ? (2 - x) * (2 - x) * (2 - x) / 6 : 0;
    case 5:
        return x < 3 ? sinc(x) * sinc(x / 3) : 0;
    default:
        return x < 1 ? (7 * x * x * x - 12 * x * x + 16.0f / 3) / 6
            : x < 2  ? (-7.0f / 3 * x * x * x + 12 * x * x - 20 * x + 32.0f / 3) / 6
                     : 0;
    }
}

constexpr float kRadius[] = { 0.5f, 1, 1, 1.5f, 2, 3, 2 };

// One channel of one row or column, as plainly as the method reads: the sum
// of weight x value over the kernel's support, divided by the sum of the
// weights (256 when that is 0). `raw` receives the quotient before limiting.
std::vector<int> referenceLine(
    const std::vector<int>& in, int m, int kernel, std::vector<long>* raw = nullptr)
{
    const int n = int(in.size());
    const float f = float(m - 1) / float(n - 1);
    const float r = f >= 1 ? kRadius[kernel] : kRadius[kernel] / f;
    std::vector<int> out(std::size_t(m), 0);
    for (int i = 0; i < m; ++i) {
        const float c = float(i) / f;
        long sum = 0, weights = 0;
        for (long j = long(std::floor(c - r)); j <= long(std::ceil(c + r)); ++j) {
            const long w = f >= 1 ? std::lrintf(256 * referenceKernel(kernel, c - float(j)))
                                  : std::lrintf(256 * f * referenceKernel(kernel, (c - float(j)) * f));
            if (w == 0)
                continue;
            long at = j < 0 ? -j : j >= n ? 2 * n - 1 - j : j;
            at = std::clamp(at, 0L, long(n - 1));
            sum += w * in[std::size_t(at)];
            weights += w;
        }
        const long q = sum / (weights == 0 ? 256 : weights);
        if (raw)
            raw->push_back(q);
        out[std::size_t(i)] = int(std::clamp(q, 0L, 255L));
    }
    return out;
}

// The whole bitmap by the reference: rows first, then columns, per channel.
Bitmap24 referenceResample(const Bitmap24& source, int tw, int th, int kernel)
{
    const int sw = source.width(), sh = source.height();
    std::vector<std::vector<int>> mid(std::size_t(sh) * 3);
    for (int y = 0; y < sh; ++y)
        for (int c = 0; c < 3; ++c) {
            std::vector<int> row;
            for (int x = 0; x < sw; ++x)
                row.push_back(int(source.pixel(x, y) >> (8 * c) & 0xFF));
            mid[std::size_t(y * 3 + c)] = referenceLine(row, tw, kernel);
        }
    Bitmap24 out(tw, th);
    out.fill(0);
    for (int x = 0; x < tw; ++x)
        for (int c = 0; c < 3; ++c) {
            std::vector<int> column;
            for (int y = 0; y < sh; ++y)
                column.push_back(mid[std::size_t(y * 3 + c)][std::size_t(x)]);
            const std::vector<int> done = referenceLine(column, th, kernel);
            for (int y = 0; y < th; ++y)
                out.setPixel(x, y, out.pixel(x, y) | std::uint32_t(done[std::size_t(y)]) << (8 * c));
        }
    return out;
}

Bitmap24 noise(int w, int h, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::uint32_t> colour(0, 0xFFFFFF);
    Bitmap24 b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.setPixel(x, y, colour(random));
    return b;
}

// A grey row repeated over `rows` rows.
Bitmap24 greyRows(const std::vector<int>& row, int rows)
{
    Bitmap24 b(int(row.size()), rows);
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < int(row.size()); ++x)
            b.setPixel(x, y, std::uint32_t(row[std::size_t(x)]) * 0x010101u);
    return b;
}

int firstDifference(const Bitmap24& a, const Bitmap24& b)
{
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return y * a.width() + x;
    return -1;
}

Bitmap24 resampled(const Bitmap24& source, int w, int h, int kernel, ResampleOptions options = {})
{
    Bitmap24 target(w, h);
    target.fill(kUntouched);
    resample(source, target, ResampleKernel(kernel), options);
    return target;
}

} // namespace

TEST(Resample, OnePixelSourceOrTargetLeavesTheTargetAsItWas)
{
    const struct {
        int sw, sh, tw, th;
    } cases[] = { { 1, 5, 4, 4 }, { 5, 1, 4, 4 }, { 5, 5, 1, 4 }, { 5, 5, 4, 1 }, { 1, 1, 3, 3 } };
    for (const auto& k : cases) {
        const Bitmap24 out = resampled(noise(k.sw, k.sh, 1), k.tw, k.th, 6);
        for (int y = 0; y < k.th; ++y)
            for (int x = 0; x < k.tw; ++x)
                ASSERT_EQ(out.pixel(x, y), kUntouched)
                    << k.sw << "x" << k.sh << " to " << k.tw << "x" << k.th;
    }
}

TEST(Resample, TriangleKernelAtTheSameSizeChangesNothing)
{
    const Bitmap24 source = noise(37, 23, 2);
    EXPECT_EQ(firstDifference(resampled(source, 37, 23, 1), source), -1);
}

// Bell at the same size weighs each neighbour 32 and the pixel itself 192:
// the left end reads position 1 in place of -1, the right end reads n - 1 in
// place of n.
TEST(Resample, PositionsBeyondTheEdgesReadTheirMirrorImage)
{
    const Bitmap24 out = resampled(greyRows({ 0, 100, 200 }, 2), 3, 2, 3);
    EXPECT_EQ(out.pixel(0, 0), 25u * 0x010101u); // (32 x 100 + 192 x 0 + 32 x 100) / 256
    EXPECT_EQ(out.pixel(1, 1), 100u * 0x010101u); // (32 x 0 + 192 x 100 + 32 x 200) / 256
    EXPECT_EQ(out.pixel(2, 0), 187u * 0x010101u); // (32 x 100 + 192 x 200 + 32 x 200) / 256
}

// A hard step from black to white, enlarged: the negative lobes of Lanczos-3
// and Mitchell push the sums below 0 and above 255 beside the step.
TEST(Resample, SumsPastTheByteRangeAreHeldToIt)
{
    const std::vector<int> step { 0, 0, 0, 255, 255, 255 };
    for (int kernel : { 5, 6 }) {
        std::vector<long> raw;
        referenceLine(step, 21, kernel, &raw);
        ASSERT_LT(*std::min_element(raw.begin(), raw.end()), 0) << kernel;
        ASSERT_GT(*std::max_element(raw.begin(), raw.end()), 255) << kernel;
        const Bitmap24 out = resampled(greyRows(step, 2), 21, 2, kernel);
        for (int x = 0; x < 21; ++x) {
            const long expected = std::clamp(raw[std::size_t(x)], 0L, 255L);
            EXPECT_EQ(out.pixel(x, 0), std::uint32_t(expected) * 0x010101u)
                << "kernel " << kernel << " x " << x;
        }
    }
}

// A source shrunk so far that every weight rounds to 0 would come out black;
// each position takes its nearest source pixel instead.
TEST(Resample, ExtremeShrinkingKeepsTheColours)
{
    const Bitmap24 out = resampled(greyRows(std::vector<int>(3000, 200), 3), 2, 2, 1);
    EXPECT_EQ(out.pixel(0, 0), 200u * 0x010101u);
    EXPECT_EQ(out.pixel(1, 1), 200u * 0x010101u);
}

TEST(Resample, EveryKernelAndScaleMatchesThePlainMethod)
{
    const struct {
        int sw, sh, tw, th;
    } sizes[] = {
        { 40, 30, 10, 8 }, // a quarter
        { 31, 17, 16, 9 }, // about half, odd sizes
        { 12, 9, 37, 26 }, // three times
        { 2, 2, 9, 5 }, // the smallest source
        { 7, 5, 6, 4 }, // slightly smaller
        { 3, 3, 2, 2 }, // a support wider than the source
        { 25, 20, 25, 40 }, // one direction only
    };
    for (int kernel = 0; kernel < kResampleKernelCount; ++kernel)
        for (const auto& s : sizes) {
            const Bitmap24 source = noise(s.sw, s.sh, unsigned(kernel * 100 + s.sw));
            const Bitmap24 expected = referenceResample(source, s.tw, s.th, kernel);
            const Bitmap24 out = resampled(source, s.tw, s.th, kernel);
            EXPECT_EQ(firstDifference(out, expected), -1)
                << "kernel " << kernel << ", " << s.sw << "x" << s.sh << " to " << s.tw << "x" << s.th;
        }
}

// Large enough to be split over threads: the vectorised, the threaded and
// the plain single-threaded ways give the same bytes.
TEST(Resample, EveryWayOfWorkingGivesTheSameBytes)
{
    const Bitmap24 source = noise(801, 603, 3);
    for (int kernel = 0; kernel < kResampleKernelCount; ++kernel)
        for (const auto& size : { std::pair { 203, 151 }, std::pair { 1000, 900 } }) {
            const Bitmap24 plain = resampled(source, size.first, size.second, kernel, { false, 1 });
            const Bitmap24 fast = resampled(source, size.first, size.second, kernel, { true, 4 });
            const Bitmap24 plainThreaded = resampled(source, size.first, size.second, kernel, { false, 3 });
            EXPECT_EQ(firstDifference(fast, plain), -1) << "kernel " << kernel;
            EXPECT_EQ(firstDifference(plainThreaded, plain), -1) << "kernel " << kernel;
        }
}

TEST(Resample, FourthByteOfEveryWrittenPixelStaysSet)
{
    const Bitmap24 out = resampled(noise(20, 20, 4), 13, 29, 6);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            ASSERT_EQ(out.scanLine(y)[4 * x + 3], 0xFF);
}

// A shadow mask's blur, computed on one channel and only where its marks
// reach, gives every pixel what resampling the whole mask down and back
// gives each of its channels.
TEST(Resample, GreyBlurOfAMaskMatchesResamplingItDownAndBack)
{
    const struct {
        int w, h;
        QRect marks;
        QSize small;
    } cases[] = {
        { 90, 70, { 30, 20, 25, 18 }, { 22, 17 } },
        { 90, 70, { 0, 0, 12, 70 }, { 45, 35 } }, // marks along the left edge
        { 64, 40, { 50, 30, 14, 10 }, { 6, 6 } }, // the smallest blur, marks in a corner
        { 33, 47, { 10, 10, 5, 5 }, { 31, 40 } }, // hardly shrunk
        { 60, 60, {}, { 15, 15 } }, // nothing drawn
    };
    for (const auto& k : cases) {
        Bitmap24 mask(k.w, k.h);
        mask.fill(0xFFFFFF);
        std::mt19937 random(unsigned(k.w + k.small.width()));
        std::uniform_int_distribution<int> level(0, 255);
        for (int y = k.marks.top(); y <= k.marks.bottom(); ++y)
            for (int x = k.marks.left(); x <= k.marks.right(); ++x)
                mask.setPixel(x, y, std::uint32_t(level(random)) * 0x010101u);
        Bitmap24 small(k.small.width(), k.small.height());
        Bitmap24 expected(k.w, k.h);
        resample(mask, small, ResampleKernel::BSpline);
        resample(small, expected, ResampleKernel::BSpline);

        GreyBlur blur(mask, k.marks);
        blur.blur(k.small);
        int wrong = 0;
        for (int y = 0; y < k.h; ++y)
            for (int x = 0; x < k.w; ++x) {
                const int got = blur.levels().row(y)[x];
                wrong += got != int(expected.pixel(x, y) & 0xFF);
                if (!blur.marked().contains(x, y))
                    wrong += got != 255;
            }
        EXPECT_EQ(wrong, 0) << k.w << "x" << k.h << " to " << k.small.width() << "x" << k.small.height();
    }
}
