#include "DocumentWindowFixture.h"

#include "model/DrawingHeader.h"
#include "output/PageSetup.h"

#include "canvas/widgets/CanvasImage.h"
#include "canvas/widgets/RulerWidget.h"
#include "model/ItemBody.h"
#include "model/ItemKinds.h"
#include "model/ItemRecord.h"
#include "platform/Bitmap24.h"
#include "fixtures/RenderFixtures.h"
#include "support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using DocumentWindowUi = DocumentWindowFixture;

TEST_F(DocumentWindowUi, NewDrawingTakesTheSettingsForNewFiles)
{
    canvasForNewDrawings(1, 50, 40, 400, 200);
    preferences.defaults.pixels.gridDensityX = 25;
    preferences.defaults.pixels.gridDensityY = 50;
    auto w = newWindow();
    const HeaderBody* h = w->header();
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h->windowId, 101);
    EXPECT_EQ(h->units, 1);
    EXPECT_EQ(h->zoom, 1.0);
    EXPECT_EQ(h->screenMinX, 50);
    EXPECT_EQ(h->screenMaxY, 240);
    EXPECT_FALSE(w->isModified());
    EXPECT_TRUE(w->isUntouched());
    const ItemRecord* grid = findLiveOfKind(w->items(), kinds::kGrid);
    ASSERT_NE(grid, nullptr);
    // k = 0 .. 400 / 25 from the left edge; 0 .. 200 / 50 from the top.
    ASSERT_EQ(grid->gridListX.size(), 17u);
    EXPECT_EQ(grid->gridListX.front().left + kAnchorHalf, 50);
    EXPECT_EQ(grid->gridListX.back().left + kAnchorHalf, 450);
    EXPECT_EQ(grid->gridListY.size(), 5u);
    EXPECT_EQ(w->originX(), 50);
    EXPECT_EQ(w->canvasBitmap().width(), 400);
}

TEST_F(DocumentWindowUi, NewDrawingTakesThePageSetupOfTheDefaultDesignType)
{
    struct Case {
        int defaultType;
        int headerType;
    };
    for (const Case c :
        { Case { designtypes::kBusinessCards, 4 }, Case { -designtypes::kBusinessCards, -4 } }) {
        SCOPED_TRACE(c.defaultType);
        preferences.defaultDesignType = c.defaultType;
        pageset_t& cards = pageSetupOf(preferences.pageSetups, designtypes::kBusinessCards);
        cards.units = units::kInches;
        cards.current().cardWidth = "3 1/2";
        cards.current().cardHeight = "2";
        auto w = newWindow();
        const HeaderBody* h = w->header();
        ASSERT_NE(h, nullptr);
        EXPECT_EQ(h->designType, c.headerType);
        EXPECT_EQ(h->units, units::kInches);
        EXPECT_DOUBLE_EQ(h->canvasWidth, 3.5);
        EXPECT_DOUBLE_EQ(h->canvasHeight, 2.0);
        EXPECT_EQ(h->screenWidth, 336);
        EXPECT_FALSE(w->isModified());
    }
}

TEST_F(DocumentWindowUi, UntitledNumbersKeepCountingAfterAWindowCloses)
{
    auto first = newWindow();
    const int n = first->untitledNumber();
    EXPECT_EQ(first->title(), QStringLiteral("Untitled %1").arg(n));
    first->close();
    first.reset();
    auto second = newWindow();
    EXPECT_EQ(second->untitledNumber(), n + 1);
    EXPECT_EQ(second->windowTitle(), QStringLiteral("Untitled %1").arg(n + 1));
    // A file that cannot be loaded leaves the window as it was, number and all.
    EXPECT_FALSE(second->initDocument(7, testpaths::scratchDir() + "/missing.tvle"));
    EXPECT_EQ(second->untitledNumber(), n + 1);
    EXPECT_TRUE(second->fileName().isEmpty());
    EXPECT_EQ(context.lastUntitledNumber(), n + 1);
}

TEST_F(DocumentWindowUi, PictureFileNamesMakeAnUntitledDrawing)
{
    auto w = newWindow();
    w->initDocument(9, testpaths::scratchDir() + "/holiday.JPG ");
    EXPECT_TRUE(w->fileName().isEmpty());
    EXPECT_TRUE(w->title().startsWith("Untitled "));
    ASSERT_EQ(prompt.asked.size(), 1);
    EXPECT_EQ(prompt.asked[0].kind, UserPrompt::Kind::Information);
    EXPECT_TRUE(prompt.asked[0].text.contains("holiday.JPG"));
}

TEST_F(DocumentWindowUi, OpensASavedDrawingWithItsZoom)
{
    auto w = newWindow();
    w->applyZoom(2.0);
    const QString path = testpaths::scratchDir() + "/zoomed.tvle";
    dialogs.queueAnswer(path);
    ASSERT_TRUE(w->saveDocumentAs());

    auto other = std::make_unique<DocumentWindow>(context);
    other->resize(600, 300);
    QSignalSpy zooms(other.get(), &DocumentWindow::zoomChanged);
    other->initDocument(555, path);
    EXPECT_EQ(other->fileName(), path);
    EXPECT_EQ(other->title(), QStringLiteral("zoomed"));
    EXPECT_EQ(other->windowId(), 555);
    EXPECT_EQ(other->header()->windowId, w->windowId()) << "the header keeps the id it was saved with";
    EXPECT_EQ(other->header()->screenWidth, 800); // 400 pixels at 200 %
    ASSERT_FALSE(zooms.isEmpty());
    EXPECT_EQ(zooms.last().at(0).toDouble(), 2.0);
    EXPECT_FALSE(other->isModified());
}

TEST_F(DocumentWindowUi, TilingAtZoom3RepaintsOnceAcrossA1600PixelStep)
{
    canvasForNewDrawings(1, 0, 0, 4000, 300);
    auto w = newWindow();
    w->applyZoom(0.25);
    EXPECT_EQ(w->canvasBitmap().width(), 1000); // fits in one bitmap

    w->applyZoom(3.0);
    EXPECT_EQ(w->header()->screenWidth, 12000);
    EXPECT_EQ(w->canvasBitmap().width(), 1600);
    EXPECT_EQ(w->tileX(), 0);
    ASSERT_TRUE(w->scrollBarX()->isVisible());

    QSignalSpy repaints(w.get(), &DocumentWindow::canvasRepainted);
    w->scrollBarX()->setValue(500);
    EXPECT_EQ(w->tileX(), 0);
    EXPECT_EQ(repaints.count(), 0);
    w->scrollBarX()->setValue(1600);
    EXPECT_EQ(w->tileX(), 1600);
    EXPECT_EQ(repaints.count(), 1);
    EXPECT_EQ(w->canvasImage()->parentWidget()->x(), 0); // the bitmap starts at the view's left edge
    // A page step by keyboard scrolls on; the bitmap keeps covering the view.
    QTest::keyClick(w->scrollBarX(), Qt::Key_PageDown);
    const int left = w->originX() + w->tileX();
    EXPECT_LE(left, 0);
    EXPECT_GE(left + 1600, w->viewPanel()->width());
}

// Scrolling along a 12000-pixel canvas in 20-pixel steps moves the bitmap
// without repainting it until the view leaves it; with a view about 770
// pixels wide that is once every 40 steps or so, not on every step.
TEST_F(DocumentWindowUi, ScrollStepsWithinTheBitmapRepaintNothing)
{
    canvasForNewDrawings(1, 0, 0, 4000, 300);
    auto w = newWindow();
    w->applyZoom(3.0);
    QSignalSpy repaints(w.get(), &DocumentWindow::canvasRepainted);
    const int view = w->viewPanel()->width();
    ASSERT_GT(view, 700);
    ASSERT_LT(view, 800);
    int steps = 0;
    for (int position = 20; position <= w->scrollBarX()->maximum(); position += 20, ++steps) {
        const int before = repaints.count();
        w->scrollBarX()->setValue(position);
        // The first 40 steps stay inside the first 1600 pixels.
        if (position + view <= 1600) {
            EXPECT_EQ(repaints.count(), before) << position;
        }
        // Whatever happened, the bitmap covers the view up to the canvas's end.
        const int left = w->originX() + w->tileX();
        EXPECT_LE(left, 0) << position;
        EXPECT_GE(left + 1600, std::min(view, 12000 - position)) << position;
    }
    EXPECT_GT(steps, 500);
    EXPECT_GE(repaints.count(), 12);
    EXPECT_LE(repaints.count(), 15);

    // Back to the start the same way.
    repaints.clear();
    for (int position = w->scrollBarX()->value(); position >= 0; position -= 20)
        w->scrollBarX()->setValue(position);
    EXPECT_LE(repaints.count(), 15);
}

TEST_F(DocumentWindowUi, RulerFollowsTheZoom)
{
    canvasForNewDrawings(1, 50, 50, 400, 200);
    auto w = newWindow();
    const QRgb tick = QColor(Qt::black).rgb();
    // 100 %: the canvas starts at 50, a labelled tick 100 pixels further.
    EXPECT_EQ(w->rulerX()->image().pixel(150, 0), tick);
    EXPECT_NE(w->rulerX()->image().pixel(100, 0), tick);
    w->applyZoom(2.0);
    EXPECT_EQ(w->originX(), 100);
    EXPECT_EQ(w->rulerX()->image().pixel(300, 0), tick);
    EXPECT_EQ(w->rulerX()->image().pixel(110, 10), tick); // ticks every 10 pixels at 200 %
    EXPECT_EQ(w->rulerY()->image().pixel(0, 300), tick);
}

TEST_F(DocumentWindowUi, MouseMarksOnTheRulersComeAndGo)
{
    canvasForNewDrawings(1, 50, 50, 400, 200);
    auto w = newWindow();
    QTest::mouseMove(w->canvasImage(), QPoint(10, 20));
    EXPECT_EQ(w->rulerX()->mark(), 60);
    EXPECT_EQ(w->rulerY()->mark(), 70);
    QTest::mouseMove(w->viewPanel(), QPoint(5, 5)); // outside the canvas
    EXPECT_EQ(w->rulerX()->mark(), -1);
    EXPECT_EQ(w->rulerY()->mark(), -1);
}

TEST_F(DocumentWindowUi, ActivationReportsZoomAndToolAndLeavingHandsBackTheTool)
{
    context.setCurrentTool(EditMode::Star);
    EXPECT_EQ(DocumentWindow(context).editMode(), EditMode::Star); // shape tools carry over to a new window
    context.setCurrentTool(EditMode::TextEditing);
    EXPECT_EQ(DocumentWindow(context).editMode(), EditMode::Select); // other modes do not

    auto w = newWindow();
    w->applyZoom(1.5);
    w->setEditMode(EditMode::Text);
    QSignalSpy zooms(w.get(), &DocumentWindow::zoomChanged);
    QSignalSpy pages(w.get(), &DocumentWindow::toolPageRequested);
    w->formActivate();
    ASSERT_EQ(zooms.count(), 1);
    EXPECT_EQ(zooms[0].at(0).toDouble(), 1.5);
    EXPECT_TRUE(QTest::qWaitFor([&] { return pages.count() == 1; }, 2000));
    EXPECT_EQ(pages[0].at(0).value<Page>(), Page::TextTool);
    w->formDeactivate();
    EXPECT_EQ(context.currentTool(), EditMode::Text);
}

TEST_F(DocumentWindowUi, DecliningAFileWithAWrongSignatureLeavesAnUntitledDrawingWithoutFurtherMessages)
{
    const QString path = testpaths::scratchDir() + "/notadrawing.tvle";
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(kBodySize, '\0'));
    }
    auto w = newWindow();
    prompt.queueAnswer(UserPrompt::Answer::No);
    w->initDocument(77, path);
    ASSERT_EQ(prompt.asked.size(), 1); // only "Not a valid Tavelle file. Attempt to open it anyway?"
    EXPECT_EQ(prompt.asked[0].kind, UserPrompt::Kind::Warning);
    EXPECT_TRUE(w->fileName().isEmpty());
    EXPECT_NE(w->header(), nullptr);
}

TEST_F(DocumentWindowUi, AnUnreadableFileIsReportedWithItsName)
{
    // A folder under a drawing's name cannot be read by anyone, root included;
    // a file without read permission only stops other users.
    const QString folder = testpaths::scratchDir() + "/folder.tvle";
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString locked = testpaths::scratchDir() + "/unreadable.tvle";
    {
        QFile f(locked);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QFile::setPermissions(locked, QFileDevice::Permissions {});
    QStringList paths { folder };
    if (QFile probe(locked); !probe.open(QIODevice::ReadOnly))
        paths << locked;
    for (const QString& path : paths) {
        prompt.asked.clear();
        auto w = newWindow();
        w->initDocument(78, path);
        ASSERT_EQ(prompt.asked.size(), 1) << qPrintable(path);
        EXPECT_EQ(prompt.asked[0].kind, UserPrompt::Kind::Error);
        EXPECT_TRUE(prompt.asked[0].text.contains(QFileInfo(path).fileName())) << qPrintable(prompt.asked[0].text);
        EXPECT_TRUE(w->fileName().isEmpty());
    }
}

// The Speed options: setting the same ones again does nothing; turning
// shadows off repaints without them; a change of the 3-D switch also drops
// the clips' cached bitmaps, which hold their 3-D frames.
TEST_F(DocumentWindowUi, SpeedSwitchesRepaintWhenOneChanges)
{
    auto w = newWindow();
    ItemRecord* box = renderfixture::addBox(w->items(), { 20, 20 }, { 80, 60 }, 0x000000);
    box->body.shadowElevation = 30;
    box->body.shadowLightness = 100;
    ItemRecord* clip = createItem(w->items(), kinds::kClip);
    w->repaintCanvas();
    EXPECT_EQ(w->canvasBitmap().pixel(82, 62), 0x646464u);

    QSignalSpy repaints(w.get(), &DocumentWindow::canvasRepainted);
    struct Step {
        SpeedSwitches speed;
        int repaints;
        bool clipCacheKept;
        std::uint32_t besideBox;
    };
    const Step steps[] = {
        { { true, true, true }, 0, true, 0x646464 },
        { { true, false, true }, 1, true, 0xFFFFFF },
        { { true, false, false }, 2, false, 0xFFFFFF },
        { { false, false, false }, 3, true, 0xFFFFFF },
    };
    for (const Step& k : steps) {
        createItem(clip->children, kinds::kClipBitmap);
        w->setSpeedSwitches(k.speed);
        EXPECT_EQ(w->speedSwitches(), k.speed);
        EXPECT_EQ(repaints.count(), k.repaints);
        EXPECT_EQ(!clip->children.empty(), k.clipCacheKept) << k.repaints;
        EXPECT_EQ(w->canvasBitmap().pixel(82, 62), k.besideBox) << k.repaints;
        freeChildren(clip->children);
    }
}
