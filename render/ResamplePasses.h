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

namespace resamplepass {

// Rows [rowBegin, rowEnd) of the source, each rescaled along x by the table.
void horizontalPlain(
    const PassImage& source, const PassTarget& target, const ResampleTable& table, int rowBegin, int rowEnd);
// Target rows [rowBegin, rowEnd), `width` pixels wide, each made from the
// source rows the table names.
void verticalPlain(const PassImage& source, const PassTarget& target, const ResampleTable& table, int width,
    int rowBegin, int rowEnd);

// The same with vector instructions; only for tables that are vectorisable().
// False when this build has no vectorised passes (nothing was written).
bool horizontalVector(
    const PassImage& source, const PassTarget& target, const ResampleTable& table, int rowBegin, int rowEnd);
bool verticalVector(const PassImage& source, const PassTarget& target, const ResampleTable& table, int width,
    int rowBegin, int rowEnd);

} // namespace resamplepass
