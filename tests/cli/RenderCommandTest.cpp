#include "fixtures/RenderFixtures.h"
#include "support/FixtureFiles.h"
#include "support/RunProgram.h"

#include "model/DrawingFile.h"
#include "base/ScreenMetrics.h"

#include <QBuffer>
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

// A JPEG of four coloured quarters (red, blue / green, yellow) stored once
// and shown through four clips: as it is, mirrored and framed, round with a
// ring, and turned, greyed and shadowed.
TEST_F(RenderCommand, PaintsPictureClipsFromTheirStoredPicture)
{
    QImage picture(80, 60, QImage::Format_RGB32);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 80; ++x)
            picture.setPixel(x, y, y < 30 ? (x < 40 ? qRgb(255, 0, 0) : qRgb(0, 0, 255))
                                          : (x < 40 ? qRgb(0, 255, 0) : qRgb(255, 255, 0)));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(picture.save(&buffer, "JPG", 95));

    ItemList items;
    addHeader(items, 400, 300)->header.designType = 0;
    ItemRecord* store = createItem(items, kinds::kPictureStore);
    store->body.recordClass = kinds::kClassPictureStore;
    store->body.pictureId = 5;
    store->body.clipShape = 4; // JPEG
    store->imageStream.assign(jpeg.begin(), jpeg.end());
    store->text = u"/pictures/quarters.jpg";
    const auto clip = [&](QPoint p1, QPoint p2, int shape) {
        ItemRecord* c = createItem(items, kinds::kClip);
        c->body.pictureId = 5;
        c->body.clipShape = shape;
        c->body.clipRight = 79;
        c->body.clipBottom = 59;
        c->body.x1 = p1.x();
        c->body.y1 = p1.y();
        c->body.x2 = p2.x();
        c->body.y2 = p2.y();
        syncRealCoordinates(c, kScreen);
        placeOnTop(items, c);
        return c;
    };
    clip({ 20, 20 }, { 140, 110 }, 1);
    ItemRecord* mirrored = clip({ 180, 20 }, { 300, 110 }, 1);
    mirrored->body.clipScaleX = -1.0;
    mirrored->body.frameOn = 1;
    mirrored->body.lineWeight = 1.5;
    mirrored->body.lineColor = 0x000000;
    ItemRecord* round = clip({ 80, 200 }, { 80, 250 }, 2);
    round->body.clipLeft = 40; // the middle of the picture, radius 25
    round->body.clipTop = 30;
    round->body.clipRight = 40;
    round->body.clipBottom = 55;
    round->body.frameOn = 1;
    round->body.lineWeight = 1.0;
    round->body.lineColor = 0x0000C0;
    ItemRecord* grey = clip({ 220, 160 }, { 340, 250 }, 1);
    grey->body.saturation = -128;
    grey->body.lightness = 40;
    grey->body.clipRotation = 0.3;
    grey->body.shadowElevation = 50;
    grey->body.shadowFade = 10;
    grey->body.shadowLightness = 100;
    const QString file = dir.filePath("clips.tvle");
    QString error;
    ASSERT_TRUE(writeDrawing(file, items, &error)) << error.toStdString();

    const QString out = dir.filePath("clips.png");
    const ProcessResult run = runTavelle({ "--render", file, out, "--dpi", "96" });
    ASSERT_EQ(run.status, 0) << run.err.constData();
    const QImage image(out);
    struct Probe {
        const char* name;
        QPoint at;
        QColor colour;
    };
    const Probe probes[] = {
        { "as it is: red top left", { 40, 40 }, QColor(255, 0, 0) },
        { "as it is: yellow bottom right", { 120, 95 }, QColor(255, 255, 0) },
        { "mirrored: blue top left", { 200, 40 }, QColor(0, 0, 255) },
        { "mirrored: green bottom right", { 280, 95 }, QColor(0, 255, 0) },
        { "mirrored: its frame", { 177, 60 }, QColor(0, 0, 0) },
        { "round: red above left of its centre", { 70, 190 }, QColor(255, 0, 0) },
        { "round: yellow below right", { 95, 215 }, QColor(255, 255, 0) },
        { "round: its ring", { 80, 252 }, QColor(192, 0, 0) },
        { "round: outside the ring", { 40, 162 }, QColor(255, 255, 255) },
    };
    const auto near = [](QColor a, QColor b) {
        return std::abs(a.red() - b.red()) < 40 && std::abs(a.green() - b.green()) < 40
            && std::abs(a.blue() - b.blue()) < 40;
    };
    for (const Probe& p : probes)
        EXPECT_TRUE(near(image.pixelColor(p.at), p.colour))
            << p.name << ": " << image.pixelColor(p.at).name().toStdString();
    // Greyed: every channel of the turned clip's middle within a few steps.
    const QColor middle = image.pixelColor(255, 190);
    EXPECT_LT(std::max({ middle.red(), middle.green(), middle.blue() })
            - std::min({ middle.red(), middle.green(), middle.blue() }), 8)
        << middle.name().toStdString();
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
