#include "base/ScreenMetrics.h"
#include "model/DrawingFile.h"
#include "model/DrawingHeader.h"
#include "model/ItemRecord.h"
#include "base/UserPrompt.h"
#include "platform/Bitmap24.h"
#include "render/CanvasImage.h"
#include "render/CanvasView.h"
#include "render/ScenePainter.h"

#include <QByteArray>
#include <QGuiApplication>

#include <cstddef>
#include <cstdint>

// Whatever a drawing file holds, painting it must not crash or hang: shapes
// with absurd coordinates, side counts, weights, fonts and patterns included.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes
        = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    FixedAnswerPrompt prompt(UserPrompt::Answer::Yes);
    ItemList list;
    const ScreenMetrics screen;
    if (!readDrawingBytes(bytes, list, screen, prompt))
        return 0;
    if (ItemRecord* h = findHeader(list)) {
        h->header.zoom = 1.0;
        recomputeScreenExtent(h->header);
    }
    refreshItemBoxes(list, screen);
    Bitmap24 bitmap(200, 200);
    CanvasView view;
    view.items = &list;
    view.screenMetrics = screen;
    view.bitmap = &bitmap;
    repaintCanvasBitmap(view);
    return 0;
}
