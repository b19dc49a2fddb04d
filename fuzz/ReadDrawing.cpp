#include "base/ScreenMetrics.h"
#include "model/DrawingFile.h"
#include "model/ItemList.h"
#include "base/UserPrompt.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

// Any bytes given to the drawing reader must load or be refused, never crash
// or allocate more than the input holds.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes
        = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    FixedAnswerPrompt prompt(size % 2 ? UserPrompt::Answer::Yes : UserPrompt::Answer::No);
    ItemList list;
    readDrawingBytes(bytes, list, ScreenMetrics {}, prompt);
    return 0;
}
