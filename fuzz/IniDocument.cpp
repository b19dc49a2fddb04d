#include "platform/IniDocument.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// A hand-edited settings file may hold anything: parsing must never crash,
// and what the writer makes of it must read back to the same document.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray text
        = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QByteArray once = IniDocument::parse(text).serialise();
    const QByteArray twice = IniDocument::parse(once).serialise();
    if (once != twice)
        std::abort();
    return 0;
}
