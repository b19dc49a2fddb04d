#include "render/Resample.h"

#include "platform/Bitmap24.h"
#include "render/ParallelRows.h"
#include "render/ResamplePasses.h"
#include "render/ResampleTable.h"

#include <memory>

namespace {

std::int64_t tapCount(const ResampleTable& table)
{
    return std::int64_t(table.tapsEnd(table.targetLength() - 1) - table.tapsBegin(0));
}

bool resamples(const Bitmap24& source, const Bitmap24& target)
{
    return !source.isNull() && !target.isNull() && source.width() > 1 && source.height() > 1
        && target.width() > 1 && target.height() > 1;
}

} // namespace

void resample(const Bitmap24& source, Bitmap24& target, ResampleKernel kernel, const ResampleOptions& options)
{
    if (!resamples(source, target))
        return;
    if (&source == &target) {
        const Bitmap24 copy(source.image().copy());
        resample(copy, target, kernel, options);
        return;
    }
    const int sw = source.width(), sh = source.height(), tw = target.width(), th = target.height();
    const auto across = ResampleTable::shared(sw, tw, kernel);
    const auto down = ResampleTable::shared(sh, th, kernel);
    Bitmap24 between(tw, sh);
    if (between.isNull())
        return;
    const bool vector = options.vectorised && across->vectorisable() && down->vectorisable();

    const PassImage in { source.scanLine(0), source.bytesPerLine() };
    const PassTarget mid { between.scanLine(0), between.bytesPerLine() };
    forEachRowBand(sh, options.maxThreads, tapCount(*across) * sh, [&](int begin, int end) {
        const PassBand band { begin, end, 0, tw };
        if (!(vector && resamplepass::horizontalVector(in, mid, *across, band)))
            resamplepass::horizontalPlain(in, mid, *across, band);
    });

    const PassImage midIn { between.scanLine(0), between.bytesPerLine() };
    const PassTarget out { target.scanLine(0), target.bytesPerLine() };
    forEachRowBand(th, options.maxThreads, tapCount(*down) * tw, [&](int begin, int end) {
        const PassBand band { begin, end, 0, tw };
        if (!(vector && resamplepass::verticalVector(midIn, out, *down, band)))
            resamplepass::verticalPlain(midIn, out, *down, band);
    });
}
