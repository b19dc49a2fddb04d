#pragma once

#include "render/ResampleKernel.h"

#include <cstdint>
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

private:
    std::vector<Tap> taps_;
    std::vector<std::size_t> tapStart_;
    std::vector<TapPair> pairs_;
    std::vector<std::size_t> pairStart_;
    std::vector<std::int32_t> divisors_;
    bool vectorisable_ = true;
};
