#pragma once

#include <cstdint>
#include <functional>

// Splits rows [0, rows) into bands of consecutive rows and runs `band` on
// each, in parallel over at most `threads` threads (the calling one
// included). Returns when every band is done. A `threads` of 0 means one per
// core; `work` is the cost of the whole job in rough multiply-adds, and jobs
// too small to pay for starting threads run on the calling thread alone.
void forEachRowBand(
    int rows, int threads, std::int64_t work, const std::function<void(int begin, int end)>& band);
