#include "app/cli/RenderCommand.h"

#include "app/cli/CliSupport.h"
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

constexpr const char* kUsage = "usage: tavelle --render FILE OUT.png [--zoom Z] [--dpi N] [--flat]\n";

// FILE and OUT.png are the two words after --render.
bool parsePaths(const QStringList& args, QString& file, QString& out)
{
    const qsizetype at = args.indexOf("--render");
    if (at < 0 || at + 2 >= args.size())
        return false;
    file = args.at(at + 1);
    out = args.at(at + 2);
    return !file.startsWith("--") && !out.startsWith("--");
}

bool parseZoom(const QStringList& args, double& zoom)
{
    zoom = 1.0;
    if (!args.contains("--zoom"))
        return true;
    bool ok = false;
    zoom = optionValue(args, "--zoom").toDouble(&ok);
    return ok && std::isfinite(zoom) && zoom > 0.0;
}

int fail(int status, const QString& message)
{
    std::fprintf(stderr, "tavelle: %s\n", qPrintable(message));
    return status;
}

} // namespace

int runRenderCommand(const QStringList& args, const EditorContext& context)
{
    QString file, out;
    double zoom = 1.0;
    if (!parsePaths(args, file, out)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (!parseZoom(args, zoom))
        return fail(2, "--zoom needs a positive number");

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
    const CanvasEffects effects = args.contains("--flat") ? CanvasEffects::Flat : CanvasEffects::Shown;
    const QImage image = paintCanvasImage(items, context.screen(), {}, qint64(1) << 28, effects);
    if (image.isNull())
        return fail(1, QString("cannot paint a canvas of %1 x %2 pixels").arg(width).arg(height));
    if (!image.save(out, "PNG"))
        return fail(1, QString("cannot write %1").arg(out));
    return 0;
}
