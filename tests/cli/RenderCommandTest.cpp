#include "fixtures/RenderFixtures.h"
#include "support/FixtureFiles.h"
#include "support/RunProgram.h"

#include "model/DrawingFile.h"
#include "base/ScreenMetrics.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using testpaths::ProcessResult;
using testpaths::runTavelle;
using namespace renderfixture;

class RenderCommand : public testing::Test {
protected:
    // A 300 x 200 pixel canvas with a vertical gridline at 250, a blue box
    // and a line of text.
    QString writeSample()
    {
        ItemList items;
        ItemRecord* h = addHeader(items, 300, 200);
        h->header.designType = 0;
        h->header.showGridX = 1;
        addGrid(items, { 250 }, {});
        addBox(items, { 20, 20 }, { 80, 60 }, 0xFF0000);
        addText(items, u"Tavelle \u0416", { 100, 150 }, { 200, 150 });
        const QString path = dir.filePath("sample.tvle");
        QString error;
        EXPECT_TRUE(writeDrawing(path, items, &error)) << error.toStdString();
        return path;
    }

    QTemporaryDir dir;
};

TEST_F(RenderCommand, PaintsTheWholeCanvasAtTheZoom)
{
    const QString file = writeSample();
    struct Case {
        QStringList zoom;
        QSize size;
        QPoint inBox, onGridline;
    };
    const Case cases[] = {
        { {}, { 300, 200 }, { 50, 40 }, { 250, 180 } },
        { { "--zoom", "2" }, { 600, 400 }, { 100, 80 }, { 500, 380 } },
        { { "--zoom", "0.5" }, { 150, 100 }, { 25, 20 }, { 125, 90 } },
    };
    for (const Case& k : cases) {
        const QString out = dir.filePath("out.png");
        QFile::remove(out);
        const ProcessResult run = runTavelle(QStringList { "--render", file, out, "--dpi", "96" } + k.zoom);
        ASSERT_EQ(run.status, 0) << run.err.constData();
        const QImage image(out);
        ASSERT_EQ(image.size(), k.size) << k.zoom.join(' ').toStdString();
        EXPECT_EQ(image.pixelColor(k.inBox), QColor(0, 0, 255));
        EXPECT_EQ(image.pixelColor(k.onGridline), QColor(170, 204, 255));
        EXPECT_EQ(image.pixelColor(k.size.width() - 5, 5), QColor(255, 255, 255));
        int ink = 0; // the text line, somewhere above its baseline
        for (int y = 0; y < k.size.height(); ++y)
            for (int x = k.size.width() / 3; x < 2 * k.size.width() / 3; ++x)
                ink += image.pixelColor(x, y) == QColor(0, 0, 0);
        EXPECT_GT(ink, 10) << k.zoom.join(' ').toStdString();
    }
}

TEST_F(RenderCommand, RendersAFileThatInfoReads)
{
    const QString file = dir.filePath("hand.tvle");
    ASSERT_TRUE(fixtures::handMadeDrawing().save(file));
    const QString out = dir.filePath("hand.png");
    const ProcessResult run = runTavelle({ "--render", file, out, "--dpi", "96" });
    ASSERT_EQ(run.status, 0) << run.err.constData();
    EXPECT_EQ(QImage(out).size(), QSize(192, 96));
}

// A black box casting a hard shadow of level 100, and a black circle with a
// round surface, which shows grey towards the light.
TEST_F(RenderCommand, ShowsShadowsAndShadingUnlessFlat)
{
    ItemList items;
    addHeader(items, 300, 200)->header.designType = 0;
    ItemRecord* box = addBox(items, { 20, 20 }, { 80, 60 }, 0x000000);
    box->body.shadowElevation = 30;
    box->body.shadowLightness = 100;
    ItemRecord* ball = addShape(items, kinds::kCircle, { { 200, 100 }, { 250, 100 } }, 0x000000, -2);
    ball->body.surface = 127;
    const QString file = dir.filePath("effects.tvle");
    QString error;
    ASSERT_TRUE(writeDrawing(file, items, &error)) << error.toStdString();
    for (const bool flat : { false, true }) {
        const QString out = dir.filePath(flat ? "flat.png" : "effects.png");
        QStringList args { "--render", file, out, "--dpi", "96" };
        if (flat)
            args << "--flat";
        const ProcessResult run = runTavelle(args);
        ASSERT_EQ(run.status, 0) << run.err.constData();
        const QImage image(out);
        EXPECT_EQ(image.pixelColor(82, 62), flat ? QColor(255, 255, 255) : QColor(100, 100, 100));
        EXPECT_EQ(image.pixelColor(184, 84), flat ? QColor(0, 0, 0) : QColor(96, 96, 96));
    }
}

TEST_F(RenderCommand, RefusesWhatItCannotRead)
{
    const QString sample = writeSample();
    const QString garbage = dir.filePath("garbage.tvle");
    QFile g(garbage);
    ASSERT_TRUE(g.open(QIODevice::WriteOnly));
    g.write(QByteArray(600, 'x'));
    g.close();
    const QString out = dir.filePath("never.png");
    struct Case {
        const char* name;
        QStringList args;
        const char* message;
    };
    const Case cases[] = {
        { "missing file", { "--render", dir.filePath("missing.tvle"), out }, "missing.tvle" },
        { "not a drawing", { "--render", garbage, out }, "Not a valid Tavelle file" },
        { "no output name", { "--render", sample }, "usage" },
        { "zero zoom", { "--render", sample, out, "--zoom", "0" }, "--zoom" },
        { "zoom not a number", { "--render", sample, out, "--zoom", "big" }, "--zoom" },
    };
    for (const Case& k : cases) {
        const ProcessResult run = runTavelle(k.args);
        EXPECT_EQ(run.status, 2) << k.name;
        EXPECT_TRUE(run.err.contains(k.message)) << k.name << ": " << run.err.constData();
        EXPECT_FALSE(QFile::exists(out)) << k.name;
    }
}

} // namespace
