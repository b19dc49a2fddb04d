#include "render/ResampleTable.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <unordered_map>

namespace {

// Positions beyond either end read their mirror image inside. A support wider
// than the source (a tiny source shrunk further) can reach past the mirror
// image too; those reads stay at the nearest end.
std::int32_t mirrored(std::int64_t j, int n)
{
    if (j < 0)
        j = -j;
    else if (j >= n)
        j = 2 * std::int64_t(n) - 1 - j;
    return std::int32_t(std::clamp<std::int64_t>(j, 0, n - 1));
}

std::int32_t roundWeight(float w)
{
    return std::int32_t(std::lrintf(w));
}

std::int32_t packWeights(std::int32_t low, std::int32_t high)
{
    return std::int32_t(std::uint32_t(std::uint16_t(std::int16_t(low)))
        | std::uint32_t(std::uint16_t(std::int16_t(high))) << 16);
}

} // namespace

ResampleTable::ResampleTable(int sourceLength, int targetLength, ResampleKernel kernel)
{
    const int n = sourceLength, m = targetLength;
    const float radius = kernelRadius(kernel);
    const float f = float(m - 1) / float(n - 1);
    const bool shrinking = f < 1.0f;
    const float support = shrinking ? radius / f : radius;
    tapStart_.reserve(std::size_t(m) + 1);
    pairStart_.reserve(std::size_t(m) + 1);
    divisors_.reserve(std::size_t(m));
    tapStart_.push_back(0);
    pairStart_.push_back(0);
    for (int i = 0; i < m; ++i) {
        const float c = float(i) / f;
        const std::int64_t first = std::int64_t(std::floor(c - support));
        const std::int64_t last = std::int64_t(std::ceil(c + support));
        const std::size_t start = taps_.size();
        std::int64_t sum = 0, magnitude = 0;
        for (std::int64_t j = first; j <= last; ++j) {
            const float x = c - float(j);
            const std::int32_t w = shrinking ? roundWeight(256.0f * f * kernelValue(kernel, x * f))
                                             : roundWeight(256.0f * kernelValue(kernel, x));
            if (w == 0)
                continue;
            taps_.push_back({ mirrored(j, n), w });
            vectorisable_ = vectorisable_ && std::abs(w) <= 32767;
            sum += w;
            magnitude += std::abs(w);
        }
        // Shrinking so far that every weight rounds to nothing would make the
        // position black; it takes its nearest source pixel instead.
        if (taps_.size() == start) {
            taps_.push_back({ mirrored(std::int64_t(std::lrintf(c)), n), 1 });
            sum = magnitude = 1;
        }
        keepsFlat_ = keepsFlat_ && sum != 0 && sum <= INT32_MAX;
        const std::int32_t d
            = sum == 0 ? 256 : std::int32_t(std::clamp<std::int64_t>(sum, INT32_MIN, INT32_MAX));
        divisors_.push_back(d);
        vectorisable_ = vectorisable_ && std::abs(std::int64_t(d)) <= 65536 && magnitude * 255 < (1 << 24);
        tapStart_.push_back(taps_.size());
        for (std::size_t k = start; k < taps_.size(); k += 2) {
            const Tap a = taps_[k];
            const Tap b = k + 1 < taps_.size() ? taps_[k + 1] : Tap { a.source, 0 };
            pairs_.push_back({ a.source, b.source, packWeights(a.weight, b.weight) });
        }
        pairStart_.push_back(pairs_.size());
    }
}

std::pair<int, int> ResampleTable::reaching(int sourceFirst, int sourceLast) const
{
    int first = targetLength(), last = -1;
    for (int i = 0; i < targetLength(); ++i)
        for (const Tap* t = tapsBegin(i); t != tapsEnd(i); ++t)
            if (t->source >= sourceFirst && t->source <= sourceLast) {
                first = std::min(first, i);
                last = std::max(last, i);
                break;
            }
    return last < first ? std::pair { 0, 0 } : std::pair { first, last + 1 };
}

std::shared_ptr<const ResampleTable> ResampleTable::shared(int n, int m, ResampleKernel kernel)
{
    // Only small tables are kept: large bitmaps are rare, and their passes dwarf making the table.
    constexpr int kLongestKept = 4096;
    constexpr std::size_t kKept = 512;
    if (n > kLongestKept || m > kLongestKept)
        return std::make_shared<const ResampleTable>(n, m, kernel);
    thread_local std::unordered_map<std::uint32_t, std::shared_ptr<const ResampleTable>> kept;
    const std::uint32_t key = std::uint32_t(n) << 16 | std::uint32_t(m) << 3 | std::uint32_t(kernel);
    if (const auto found = kept.find(key); found != kept.end())
        return found->second;
    if (kept.size() >= kKept)
        kept.clear();
    return kept.emplace(key, std::make_shared<const ResampleTable>(n, m, kernel)).first->second;
}
