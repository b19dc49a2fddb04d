#pragma once

#include "render/ResampleKernel.h"

class Bitmap24;

// How resample may do its work; every choice gives the same bytes.
struct ResampleOptions {
    // Use the vector instructions of the processor where the pass allows it.
    bool vectorised = true;
    // Most threads to split rows over; 0: one per core, for passes large
    // enough to pay for starting them.
    int maxThreads = 0;
};

// Fills `target`, whose size the caller has set, with `source` rescaled by a
// separable filter: a horizontal pass into a bitmap of target width and
// source height, then a vertical pass. Each target value is the weighted
// sum of source values with integer weights round(256 x kernel), divided by
// the sum of the weights (truncating; by 256 when they cancel) and held to
// 0 .. 255; positions beyond an edge read their mirror image. A source or
// target of one pixel or less in either direction leaves the target as it is.
void resample(
    const Bitmap24& source, Bitmap24& target, ResampleKernel kernel, const ResampleOptions& options = {});
