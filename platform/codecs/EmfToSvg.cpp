#include "platform/codecs/EmfToSvg.h"

#include <emf2svg.h>

#include <cstdlib>
#include <memory>

namespace {

struct FreeDeleter {
    void operator()(char* p) const { std::free(p); }
};

} // namespace

MetafileSvg emfToSvg(const QByteArray& bytes, QSize size)
{
    MetafileSvg result;
    // The converter takes a mutable buffer, though it only reads it.
    QByteArray copy(bytes);
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
