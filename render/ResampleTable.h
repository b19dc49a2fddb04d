#pragma once

#include "render/ResampleKernel.h"

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

// The source positions and integer weights that make up every target
// position of one resampling pass, computed once per pass. Each position
// also carries the divisor of its weighted sum: the sum of its weights, or
// 256 when they cancel out.
class ResampleTable {
public:
    struct Tap {
        std::int32_t source;
        std::int32_t weight;
    };
    // Two taps read together by the vectorised passes: their weights packed
    // as two 16-bit halves (first tap low). An odd last tap is paired with
    // itself at weight 0.
    struct TapPair {
        std::int32_t first;
        std::int32_t second;
        std::int32_t packedWeights;
    };

    ResampleTable(int sourceLength, int targetLength, ResampleKernel kernel);

    // The table for these lengths and kernel, shared: shadows and picture
    // clips resample many bitmaps of the same sizes, so each thread keeps
    // the small tables it made, up to a limit.
    static std::shared_ptr<const ResampleTable> shared(
        int sourceLength, int targetLength, ResampleKernel kernel);

    int targetLength() const { return int(divisors_.size()); }
    const Tap* tapsBegin(int target) const { return taps_.data() + tapStart_[std::size_t(target)]; }
    const Tap* tapsEnd(int target) const { return taps_.data() + tapStart_[std::size_t(target) + 1]; }
    const TapPair* pairsBegin(int target) const { return pairs_.data() + pairStart_[std::size_t(target)]; }
    const TapPair* pairsEnd(int target) const { return pairs_.data() + pairStart_[std::size_t(target) + 1]; }
    std::int32_t divisor(int target) const { return divisors_[std::size_t(target)]; }
    // Whether the vectorised passes give the exact result: weights fit 16
    // bits, sums of 8-bit values fit the 24 bits of a float, and divisors are
    // small enough that a single-precision quotient truncates like the integer one.
    bool vectorisable() const { return vectorisable_; }
    // Whether every position divides by its own weight sum (none cancels
    // out), so that a stretch of one value keeps exactly that value.
    bool keepsFlatValues() const { return keepsFlat_; }
    // The target positions [first, last) between the first and the last one
    // that read a source position within [sourceFirst, sourceLast]; empty
    // (first == last) when none does.
    std::pair<int, int> reaching(int sourceFirst, int sourceLast) const;

private:
    std::vector<Tap> taps_;
    std::vector<std::size_t> tapStart_;
    std::vector<TapPair> pairs_;
    std::vector<std::size_t> pairStart_;
    std::vector<std::int32_t> divisors_;
    bool vectorisable_ = true;
    bool keepsFlat_ = true;
};
