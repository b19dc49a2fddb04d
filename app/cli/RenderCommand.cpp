#include "app/cli/RenderCommand.h"

#include "app/cli/CommandLine.h"
#include "canvas/EditorContext.h"
#include "model/DrawingFile.h"
#include "model/DrawingHeader.h"
#include "model/ItemRecord.h"
#include "base/UserPrompt.h"
#include "render/CanvasImage.h"

#include <QGuiApplication>

#include <cmath>
#include <cstdio>

namespace {

int fail(int status, const QString& message)
{
    std::fprintf(stderr, "tavelle: %s\n", qPrintable(message));
    return status;
}

} // namespace

int runRenderCommand(const CommandLine& line, const EditorContext& context)
{
    const QString& file = line.file;
    const QString& out = line.output;
    const double zoom = line.zoom;

    // A file with a wrong signature is not opened: nobody is there to say yes.
    FixedAnswerPrompt prompt(UserPrompt::Answer::No);
    ItemList items;
    QString error;
    const bool read = readDrawing(file, items, context.screen(), prompt, &error);
    for (const QString& text : prompt.asked)
        std::fprintf(stderr, "tavelle: %s\n", qPrintable(QString(text).replace('\n', ' ')));
    if (!read)
        return fail(2, QString("cannot open %1: %2").arg(file, error));

    ItemRecord* header = findHeader(items);
    if (!header)
        return fail(2, QString("cannot open %1: no drawing header").arg(file));
    header->header.zoom = zoom;
    recomputeScreenExtent(header->header);
    refreshItemBoxes(items, context.screen());
    const int width = header->header.screenWidth, height = header->header.screenHeight;
    const CanvasEffects effects = line.flat ? CanvasEffects::Flat : CanvasEffects::Shown;
    const QImage image = paintCanvasImage(items, context.screen(), {}, qint64(1) << 28, effects);
    if (image.isNull())
        return fail(1, QString("cannot paint a canvas of %1 x %2 pixels").arg(width).arg(height));
    if (!image.save(out, "PNG"))
        return fail(1, QString("cannot write %1").arg(out));
    return 0;
}
