#include "render/Resample.h"

#include "platform/Bitmap24.h"
#include "render/ParallelRows.h"
#include "render/ResamplePasses.h"
#include "render/ResampleTable.h"

namespace {

std::int64_t tapCount(const ResampleTable& table)
{
    return std::int64_t(table.tapsEnd(table.targetLength() - 1) - table.tapsBegin(0));
}

} // namespace

void resample(const Bitmap24& source, Bitmap24& target, ResampleKernel kernel, const ResampleOptions& options)
{
    const int sw = source.width(), sh = source.height();
    const int tw = target.width(), th = target.height();
    if (source.isNull() || target.isNull() || sw <= 1 || sh <= 1 || tw <= 1 || th <= 1)
        return;
    if (&source == &target) {
        const Bitmap24 copy(source.image().copy());
        resample(copy, target, kernel, options);
        return;
    }
    const ResampleTable across(sw, tw, kernel);
    const ResampleTable down(sh, th, kernel);
    Bitmap24 between(tw, sh);
    if (between.isNull())
        return;
    const bool vector = options.vectorised && across.vectorisable() && down.vectorisable();

    const PassImage in { source.scanLine(0), source.bytesPerLine() };
    const PassTarget mid { between.scanLine(0), between.bytesPerLine() };
    forEachRowBand(sh, options.maxThreads, tapCount(across) * sh, [&](int begin, int end) {
        if (!(vector && resamplepass::horizontalVector(in, mid, across, begin, end)))
            resamplepass::horizontalPlain(in, mid, across, begin, end);
    });

    const PassImage midIn { between.scanLine(0), between.bytesPerLine() };
    const PassTarget out { target.scanLine(0), target.bytesPerLine() };
    forEachRowBand(th, options.maxThreads, tapCount(down) * tw, [&](int begin, int end) {
        if (!(vector && resamplepass::verticalVector(midIn, out, down, tw, begin, end)))
            resamplepass::verticalPlain(midIn, out, down, tw, begin, end);
    });
}
