#include "DocumentWindowFixture.h"

#include "fixtures/RenderFixtures.h"
#include "support/TestPaths.h"

#include "model/DrawingFile.h"
#include "render/ScenePainter.h"

#include <QFile>

namespace {

using namespace renderfixture;

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

ItemRecord* addLineItem(ItemList& list, QPoint a, QPoint b)
{
    ItemRecord* r = createItem(list, kinds::kLine);
    r->body.x1 = a.x(), r->body.y1 = a.y(), r->body.x2 = b.x(), r->body.y2 = b.y();
    syncRealCoordinates(r, kScreen);
    syncPixelCoordinates(r, kScreen);
    placeOnTop(list, r);
    return r;
}

// Every kind of record the program stores, with its tails, made as the editor
// makes them, then edited once so that the history fields are not a fresh base.
void buildEveryKind(ItemList& list)
{
    ItemRecord* h = addHeader(list, 500, 400);
    setText(h, u"Letter\u07EC8.5\u07EC");
    addGrid(list, { 50, 150 }, { 60 });
    addText(list, u"Two\u2028lines", { 40, 300 }, { 200, 280 }, 0, 0x112233);
    addLineItem(list, { 30, 30 }, { 250, 90 });
    addShape(list, kinds::kTriangle, { { 10, 10 }, { 90, 20 }, { 40, 80 } });
    addBox(list, { 100, 100 }, { 160, 150 }, 0x445566);
    addShape(list, kinds::kSquare, { { 200, 200 }, { 240, 200 }, { 240, 240 }, { 200, 240 } });
    addShape(list, kinds::kCircle, { { 300, 100 }, { 330, 110 } });
    addShape(list, kinds::kEllipse, { { 300, 200 }, { 350, 220 }, { 290, 180 } });
    addShape(list, kinds::kPolygon, { { 100, 300 }, { 130, 300 } });
    addShape(list, kinds::kStar, { { 200, 320 }, { 240, 330 }, { 210, 320 } });
    addShape(list, kinds::kPie, { { 400, 100 }, { 440, 100 }, { 400, 60 } });
    addShape(list, kinds::kArc, { { 400, 200 }, { 440, 200 }, { 380, 170 } }, 0, -1);
    addShape(list, kinds::kSpline, { { 20, 350 }, { 60, 330 }, { 90, 380 } }, 0, -1, kinds::kOpen);
    addShape(list, kinds::kCurve, { { 300, 300 }, { 360, 290 }, { 380, 360 }, { 310, 380 } }, 0, 0x00FF00);
    ItemRecord* pattern = createItem(list, -7);
    pattern->body.recordClass = kinds::kClassPattern;
    writeAt<double>(pattern->bytes, overlay::kPatternLengths, 2.0);
    writeAt<std::int32_t>(pattern->bytes, overlay::kPatternCount, 1);
    ItemRecord* store = createItem(list, kinds::kPictureStore);
    store->body.recordClass = kinds::kClassPictureStore;
    store->body.pictureId = 5;
    store->imageStream = { 0x42, 0x4D, 0, 1, 2, 3 };
    setText(store, u"/pictures/tree.bmp");
    ItemRecord* clip = createItem(list, kinds::kClip);
    clip->body.pictureId = 5;
    clip->body.x1 = 20, clip->body.y1 = 20, clip->body.x2 = 80, clip->body.y2 = 60;
    syncRealCoordinates(clip, kScreen);
    syncPixelCoordinates(clip, kScreen);
    placeOnTop(list, clip);

    // An edit: the square is copied, hidden and replaced, as a user action does.
    ItemRecord* square = findFirstOfKind(list, kinds::kSquare);
    ItemRecord* copy = copyItem(list, *square, kScreen);
    square->body.hidden = 1;
    copy->body.replacesStep = square->body.stepNumber;
    copy->body.lineColor = 0x0000FF;
}

class OpenThenSave : public DocumentWindowFixture {
protected:
    // Opens the file in a window, saves it there and returns what was saved.
    QByteArray openAndSave(const QString& path)
    {
        auto w = std::make_unique<DocumentWindow>(context);
        w->resize(600, 400);
        w->initDocument(++lastId, path);
        w->show();
        EXPECT_EQ(w->fileName(), path);
        EXPECT_TRUE(w->saveDocument(false));
        return bytesOf(path);
    }
};

TEST_F(OpenThenSave, ADrawingOfEveryKindComesBackByteForByte)
{
    ItemList list;
    buildEveryKind(list);
    const QString path = testpaths::scratchDir() + "/every-kind.tvle";
    ASSERT_TRUE(writeDrawing(path, list));
    const QByteArray saved = bytesOf(path);
    ASSERT_GT(saved.size(), 16 * 448);

    const QByteArray again = openAndSave(path);
    ASSERT_EQ(again.size(), saved.size());
    for (qsizetype i = 0; i < saved.size(); ++i)
        ASSERT_EQ(again[i], saved[i]) << "first difference at byte " << i << ", record " << i / 448;
    EXPECT_TRUE(prompt.asked.isEmpty());
}

// A file from elsewhere whose stored box does not hold its points: opening it
// neither moves the box nor leaves any of the shape out of repaints.
TEST_F(OpenThenSave, StoredBoxesStayAsTheFileHadThem)
{
    ItemList list;
    addHeader(list, 200, 200);
    ItemRecord* t = createItem(list, kinds::kTriangle);
    t->body.x1 = 10, t->body.y1 = 10, t->body.x2 = 50, t->body.y2 = 40;
    syncRealCoordinates(t, kScreen);
    syncPixelCoordinates(t, kScreen);
    for (QPoint p : { QPoint(0, 0), QPoint(100, 0), QPoint(50, 80) }) {
        PointEntry e;
        e.set(0, p.x(), p.y());
        t->pointList.push_back(e);
    }
    placeOnTop(list, t);
    const QString path = testpaths::scratchDir() + "/foreign.tvle";
    ASSERT_TRUE(writeDrawing(path, list));
    const QByteArray saved = bytesOf(path);

    auto w = std::make_unique<DocumentWindow>(context);
    w->initDocument(++lastId, path);
    const ItemRecord* loaded = findFirstOfKind(w->items(), kinds::kTriangle);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->body.x1, 10);
    EXPECT_EQ(loaded->body.y1, 10);
    EXPECT_EQ(loaded->body.x2, 50);
    EXPECT_EQ(loaded->body.y2, 40);
    const PaintRect box = paintBox(*loaded, kScreen);
    EXPECT_LE(box.left, 0);
    EXPECT_GE(box.right, 100);
    EXPECT_LE(box.top, 0);
    EXPECT_GE(box.bottom, 80);
    ASSERT_TRUE(w->saveDocument(false));
    EXPECT_EQ(bytesOf(path), saved);
}

} // namespace
