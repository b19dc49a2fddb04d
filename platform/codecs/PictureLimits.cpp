#include "platform/codecs/PictureLimits.h"

QString pictureSizeProblem(std::int64_t width, std::int64_t height, const DecodeOptions& options)
{
    if (width <= 0 || height <= 0)
        return QStringLiteral("the picture has no pixels");
    if (width > kMaxPictureSide || height > kMaxPictureSide || width * height > options.maxPixels)
        return QStringLiteral(
            "the picture claims %1 x %2 pixels, more than can be opened (%3 megapixels at most)")
            .arg(width)
            .arg(height)
            .arg(options.maxPixels / 1000000);
    return {};
}
