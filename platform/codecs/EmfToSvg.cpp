#include "platform/codecs/EmfToSvg.h"

#include <emf2svg.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

struct FreeDeleter {
    void operator()(char* p) const { std::free(p); }
};

} // namespace

// libemf2svg shuts fontconfig down (FcFini) after each text it measures.
// In a program whose own font database keeps using fontconfig, that frees
// the configuration and caches under Qt's feet, and fontconfig aborts the
// process when it finds caches still in use. Defining the function here
// makes every caller in the program, the converter included, find this
// empty one first: fontconfig stays up until the process ends, as it
// would anyway.
extern "C" void FcFini() { }

MetafileSvg emfToSvg(const QByteArray& bytes, QSize size)
{
    MetafileSvg result;
    // The converter takes a mutable buffer, though it only reads it. The
    // header's description plays no part in drawing, and the converter reads
    // it even when its length is 0, up to a terminator that may be missing:
    // it is removed.
    QByteArray copy(bytes);
    constexpr qsizetype kDescriptionFields = 60, kDescriptionFieldBytes = 8;
    std::fill_n(copy.data() + kDescriptionFields, kDescriptionFieldBytes, '\0');
    generatorOptions options {};
    char noNamespace[] = "";
    options.nameSpace = noNamespace;
    options.svgDelimiter = true;
    options.emfplus = true;
    options.imgWidth = size.width();
    options.imgHeight = size.height();
    char* out = nullptr;
    std::size_t outLength = 0;
    const int converted = emf2svg(copy.data(), std::size_t(copy.size()), &out, &outLength, &options);
    const std::unique_ptr<char, FreeDeleter> owned(out);
    if (!converted || !out || outLength == 0) {
        result.message = QStringLiteral("the metafile cannot be drawn");
        return result;
    }
    result.svg = QByteArray(out, qsizetype(outLength));
    return result;
}
