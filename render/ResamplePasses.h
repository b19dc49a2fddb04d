#pragma once

#include <cstdint>

class ResampleTable;

// One pass of resampling over a band of rows. Pixels are four bytes (blue,
// green, red, unused); rows are addressed by their first byte and the
// distance between rows. The fourth byte of every written pixel is 0xFF.
struct PassImage {
    const std::uint8_t* pixels;
    std::int64_t stride;
};
struct PassTarget {
    std::uint8_t* pixels;
    std::int64_t stride;
};

// The part of a pass's output to compute: rows [rowBegin, rowEnd) and
// columns [columnBegin, columnEnd) of the target.
struct PassBand {
    int rowBegin;
    int rowEnd;
    int columnBegin;
    int columnEnd;
};

namespace resamplepass {

// Each row of the band rescaled along x: target column x is made from the
// source columns the table names for x, in the same row.
void horizontalPlain(
    const PassImage& source, const PassTarget& target, const ResampleTable& table, PassBand band);
// Each target row of the band made from the source rows the table names for
// it, column by column.
void verticalPlain(
    const PassImage& source, const PassTarget& target, const ResampleTable& table, PassBand band);

// The same with vector instructions; only for tables that are vectorisable().
// False when this build has no vectorised passes (nothing was written).
bool horizontalVector(
    const PassImage& source, const PassTarget& target, const ResampleTable& table, PassBand band);
bool verticalVector(
    const PassImage& source, const PassTarget& target, const ResampleTable& table, PassBand band);

// Adds a[k] x w0 + b[k] x w1 to sums[k] for k < count: two source rows
// weighed at once, the weights packed as two 16-bit halves (w0 low).
void accumulateRowPair(
    std::int32_t* sums, const std::uint8_t* a, const std::uint8_t* b, std::int32_t packedWeights, int count);

} // namespace resamplepass
