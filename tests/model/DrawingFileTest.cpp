#include "support/FileBuilder.h"

#include "model/DrawingFile.h"
#include "model/DrawingHeader.h"
#include "model/ItemKinds.h"
#include "model/ItemRecord.h"
#include "base/Rounding.h"
#include "base/ScreenMetrics.h"
#include "base/UserPrompt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr ScreenMetrics kScreen {}; // 96 dpi

class DrawingFileTest : public testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const QString& name = "drawing.tvle") const { return dir.filePath(name); }

    // Loads bytes from a file on a 96 dpi screen unless told otherwise; the
    // prompt answers No unless told otherwise.
    bool load(const FileBuilder& file, ItemList& list, UserPrompt::Answer answer = UserPrompt::Answer::No,
        const ScreenMetrics& screen = {})
    {
        prompt = FixedAnswerPrompt(answer);
        file.save(path("made.tvle"));
        return readDrawing(path("made.tvle"), list, screen, prompt);
    }

    std::vector<ItemRecord*> records(const ItemList& list)
    {
        std::vector<ItemRecord*> out;
        for (ItemRecord& r : list)
            out.push_back(&r);
        return out;
    }

    FixedAnswerPrompt prompt;
};

ItemRecord* addShape(ItemList& list, std::int32_t kind, int points)
{
    ItemRecord* r = createItem(list, kind);
    r->body.x1 = 10;
    r->body.y1 = 20;
    r->body.x2 = 110;
    r->body.y2 = 70;
    syncRealCoordinates(r, kScreen);
    syncPixelCoordinates(r, kScreen);
    for (int i = 0; i < points; ++i) {
        PointEntry p;
        for (int k = 0; k < 6; ++k)
            p.set(k, i * 10 + k, -i);
        p.data.flags[0] = static_cast<std::uint8_t>(i);
        r->pointList.push_back(p);
    }
    return r;
}

TEST_F(DrawingFileTest, RoundTripKeepsEveryLiveRecordAndItsBytes)
{
    ItemList list;
    ItemRecord* header = createHeader(list);
    setText(header, u"A4\u07EC210\u07EC");
    ItemRecord* grid = createItem(list, kinds::kGrid);
    grid->gridListX = { { 0, 0, 7, 1, 14, 12 }, { 1, 0, 27, 1, 34, 12 } };
    grid->gridListY = { { 0, 0, 1, 97, 12, 104 } };
    ItemRecord* text = createItem(list, kinds::kText);
    setText(text, u"H\u00e9llo\u2028w\u00f6rld \U0001F600");
    addShape(list, kinds::kStar, 3);
    ItemRecord* line = createItem(list, kinds::kLine);
    line->body.x2 = 300;
    line->body.lineColor = 0x123456;
    syncRealCoordinates(line, kScreen);
    syncPixelCoordinates(line, kScreen);
    ItemRecord* pattern = createItem(list, -1);
    pattern->body.recordClass = kinds::kClassPattern;
    writeAt<double>(pattern->bytes, overlay::kPatternLengths, 2.5);
    writeAt<std::int32_t>(pattern->bytes, overlay::kPatternCount, 1);
    ItemRecord* store = createItem(list, kinds::kPictureStore);
    store->body.recordClass = kinds::kClassPictureStore;
    store->body.pictureId = 99;
    store->imageStream = { 0xFF, 0xD8, 0xFF, 0xD9 };
    setText(store, u"/pictures/cat.jpg");
    ItemRecord* clip = createItem(list, kinds::kClip);
    clip->body.pictureId = 99;
    syncRealCoordinates(clip, kScreen);
    syncPixelCoordinates(clip, kScreen);

    ASSERT_TRUE(writeDrawing(path(), list));
    EXPECT_FALSE(isModified(list));

    ItemList loaded;
    ASSERT_TRUE(readDrawing(path(), loaded, kScreen, prompt));
    EXPECT_TRUE(prompt.asked.isEmpty());
    const auto before = records(list);
    const auto after = records(loaded);
    ASSERT_EQ(after.size(), before.size());
    int counter = 0;
    for (std::size_t i = 0; i < before.size(); ++i) {
        ItemRecord& a = *before[i];
        ItemRecord& b = *after[i];
        SCOPED_TRACE(a.body.kind);
        if (a.body.kind != kinds::kHeader && a.body.kind != kinds::kPictureStore) {
            EXPECT_EQ(b.body.stepNumber, ++counter) << "loaded records are renumbered in file order";
            EXPECT_EQ(b.body.historyState, 0);
            EXPECT_EQ(b.body.replacesStep, 0);
            b.body.stepNumber = a.body.stepNumber;
            b.body.historyState = a.body.historyState;
        }
        EXPECT_EQ(std::memcmp(a.bytes, b.bytes, kBodySize), 0);
        EXPECT_EQ(getText(&a), getText(&b));
        EXPECT_EQ(a.imageStream, b.imageStream);
        ASSERT_EQ(a.pointList.size(), b.pointList.size());
        for (std::size_t k = 0; k < a.pointList.size(); ++k)
            EXPECT_EQ(std::memcmp(&a.pointList[k].data, &b.pointList[k].data, 56), 0);
    }
    ItemRecord* loadedGrid = findFirstOfKind(loaded, kinds::kGrid);
    ASSERT_EQ(loadedGrid->gridListX.size(), 1u) << "deleted gridlines are not written";
    EXPECT_EQ(loadedGrid->gridListX[0].left, 7);
    EXPECT_EQ(loadedGrid->gridListX[0].right, 14);
    ASSERT_EQ(loadedGrid->gridListY.size(), 1u);
    EXPECT_EQ(loadedGrid->gridListY[0].top, 97);
}

TEST_F(DrawingFileTest, LeavesOutWhatIsNotLive)
{
    ItemList list;
    createHeader(list);
    for (int i = 0; i < 2; ++i)
        addShape(list, kinds::kSquare, 4)->body.hidden = 255;
    addShape(list, kinds::kSquare, 4);
    createItem(list, kinds::kDropped);
    createItem(list, kinds::kText); // no text: dropped
    ItemRecord* store = createItem(list, kinds::kPictureStore);
    store->body.recordClass = kinds::kClassPictureStore;
    store->body.pictureId = 5;
    ItemRecord* clip = createItem(list, kinds::kClip);
    clip->body.pictureId = 5;
    clip->body.hidden = 255;

    ASSERT_TRUE(writeDrawing(path(), list));
    ItemList loaded;
    ASSERT_TRUE(readDrawing(path(), loaded, kScreen, prompt));
    std::vector<std::int32_t> kindsLoaded;
    for (ItemRecord& r : loaded)
        kindsLoaded.push_back(r.body.kind);
    EXPECT_EQ(kindsLoaded, (std::vector<std::int32_t> { kinds::kHeader, kinds::kSquare }));

    clip->body.hidden = 0;
    ASSERT_TRUE(writeDrawing(path(), list));
    ASSERT_TRUE(readDrawing(path(), loaded, kScreen, prompt));
    EXPECT_NE(findPictureStore(loaded, 5), nullptr) << "one live clip keeps its picture";
}

TEST_F(DrawingFileTest, LegacyTextTailsAreSkippedAndNotWrittenAgain)
{
    FileBuilder file;
    file.record(kinds::kHeader)
        .record(kinds::kText, [](ItemBody& b) {
            b.tailLength = 4;
            b.legacyTail1Length = 10;
            b.legacyTail2Length = 20;
        })
        .utf16(u"Hi")
        .raw(QByteArray(30, 'x'))
        .record(kinds::kLine);
    ItemList list;
    ASSERT_TRUE(load(file, list));
    const auto loaded = records(list);
    ASSERT_EQ(loaded.size(), 3u);
    EXPECT_EQ(getText(loaded[1]), u"Hi");
    EXPECT_EQ(loaded[2]->body.kind, kinds::kLine);

    ASSERT_TRUE(writeDrawing(path(), list));
    EXPECT_EQ(QFileInfo(path()).size(), 3 * kBodySize + 4);
    ItemList again;
    ASSERT_TRUE(readDrawing(path(), again, kScreen, prompt));
    const auto reloaded = records(again);
    ASSERT_EQ(reloaded.size(), 3u);
    EXPECT_EQ(reloaded[1]->body.legacyTail1Length, 0);
    EXPECT_EQ(reloaded[1]->body.legacyTail2Length, 0);
    EXPECT_EQ(getText(reloaded[1]), u"Hi");
}

TEST_F(DrawingFileTest, ShortFilesLoadWhatCameBefore)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        int records; // including the header a headerless file is given
    };
    FileBuilder twoRecords;
    twoRecords.record(kinds::kHeader).record(kinds::kLine);
    const Case cases[] = {
        { "empty", {}, 1 },
        { "447 bytes", QByteArray(447, '\0'), 1 },
        { "trailing piece", twoRecords.bytes() + QByteArray(100, '\x7f'), 2 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ItemList list;
        ASSERT_TRUE(load(FileBuilder().raw(c.bytes), list));
        EXPECT_EQ(countRecords(list), c.records);
        EXPECT_NE(findHeader(list), nullptr) << "a headerless file gets a fresh header";
        EXPECT_TRUE(prompt.asked.isEmpty());
    }
}

TEST_F(DrawingFileTest, MissingFileOrEmptyPathLeavesTheListAlone)
{
    ItemList list;
    createHeader(list);
    createItem(list, kinds::kLine);
    for (const QString& p : { QString(), QString("   "), path("absent.tvle") })
        EXPECT_FALSE(readDrawing(p, list, kScreen, prompt));
    EXPECT_EQ(countRecords(list), 2);
}

TEST_F(DrawingFileTest, WrongSignatureIsAskedOnceAndMarksTheDrawingModified)
{
    FileBuilder file;
    file.record(kinds::kHeader).record(kinds::kLine);
    for (int i = 0; i < 3; ++i)
        file.record(kinds::kLine, [i](ItemBody& b) {
            if (i != 1)
                b.magic = 12345;
        });

    ItemList list;
    createHeader(list);
    EXPECT_FALSE(load(file, list, UserPrompt::Answer::No));
    EXPECT_EQ(prompt.asked.size(), 1);
    EXPECT_EQ(countRecords(list), 1) << "declining keeps the drawing as it was";

    ASSERT_TRUE(load(file, list, UserPrompt::Answer::Yes));
    EXPECT_EQ(prompt.asked, QStringList { drawingtext::kNotValid }) << "asked at the third record only";
    EXPECT_EQ(countRecords(list), 5);
    EXPECT_TRUE(isModified(list));
}

TEST_F(DrawingFileTest, NewerVersionWarnsAfterLoading)
{
    struct Case {
        std::int32_t version;
        bool warns;
    };
    for (const Case c : { Case { 165, true }, Case { 164, false }, Case { 0, false } }) {
        FileBuilder file;
        file.record(kinds::kHeader, [&](ItemBody& b) { reinterpret_cast<HeaderBody&>(b).formatVersion = c.version; });
        ItemList list;
        ASSERT_TRUE(load(file, list));
        EXPECT_EQ(prompt.asked.contains(drawingtext::kNewerVersion), c.warns) << c.version;
        EXPECT_NE(findHeader(list), nullptr);
    }
}

TEST_F(DrawingFileTest, PointAndGridlineTails)
{
    QByteArray pointTail(120, '\0');
    const std::int32_t firstX = 77;
    std::memcpy(pointTail.data(), &firstX, 4);
    FileBuilder file;
    file.record(kinds::kHeader)
        .record(kinds::kPolygon, [](ItemBody& b) { b.tailLength = 120; })
        .raw(pointTail)
        .record(kinds::kGrid, [](ItemBody& b) { b.tailLength = 7; })
        .raw(QByteArray(7, '\1'))
        .record(kinds::kGrid, [](ItemBody& b) { b.tailLength = 24; })
        .int32(1).int32(50)
        .int32(3).int32(60)
        .int32(2).int32(70)
        .record(kinds::kLine);
    ItemList list;
    ASSERT_TRUE(load(file, list));
    const auto r = records(list);
    ASSERT_EQ(r.size(), 5u);
    ASSERT_EQ(r[1]->pointList.size(), 2u) << "8 spare bytes are skipped with the tail";
    EXPECT_EQ(r[1]->pointList[0].x(0), 77);
    EXPECT_TRUE(r[2]->gridListX.empty() && r[2]->gridListY.empty()) << "a 7-byte tail holds no gridline";
    ASSERT_EQ(r[3]->gridListX.size(), 1u);
    EXPECT_EQ(r[3]->gridListX[0].left, 47);
    ASSERT_EQ(r[3]->gridListY.size(), 1u) << "axis 3 is skipped";
    EXPECT_EQ(r[3]->gridListY[0].top, 67);
    EXPECT_EQ(r[4]->body.kind, kinds::kLine);
}

// One length field of one record kind, damaged in the ways files are found.
struct DamagedTail {
    const char* name;
    std::int32_t kind;
    void (*set)(ItemBody&, std::int32_t);
};

void setTail(ItemBody& b, std::int32_t v)
{
    b.tailLength = v;
}
void setLegacy1(ItemBody& b, std::int32_t v)
{
    b.legacyTail1Length = v;
}
void setLegacy2(ItemBody& b, std::int32_t v)
{
    b.legacyTail2Length = v;
}
void setNameLength(ItemBody& b, std::int32_t v)
{
    b.length = v;
}

TEST_F(DrawingFileTest, DamagedTailLengthsLoseNothingAfterThem)
{
    const DamagedTail fields[] = {
        { "header text", kinds::kHeader, setTail },
        { "text line text", kinds::kText, setTail },
        { "text line legacy tail 1", kinds::kText, setLegacy1 },
        { "text line legacy tail 2", kinds::kText, setLegacy2 },
        { "triangle points", kinds::kTriangle, setTail },
        { "star points", kinds::kStar, setTail },
        { "curve points", kinds::kCurve, setTail },
        { "gridlines", kinds::kGrid, setTail },
        { "picture", kinds::kPictureStore, setTail },
        { "picture file name", kinds::kPictureStore, setNameLength },
    };
    struct Damage {
        const char* name;
        std::int32_t length;
        bool cutShort; // the length claims more than the file holds
    };
    const Damage damages[] = {
        { "negative", -2, false },
        { "most negative", INT32_MIN, false },
        { "zero", 0, false },
        { "longer than the file", 0x7FFFFFF0, true },
    };
    for (const DamagedTail& f : fields)
        for (const Damage& d : damages) {
            SCOPED_TRACE(std::string(f.name) + ", " + d.name);
            FileBuilder file;
            if (f.kind != kinds::kHeader)
                file.record(kinds::kHeader);
            file.record(f.kind, [&](ItemBody& b) { f.set(b, d.length); })
                .record(kinds::kLine, [](ItemBody& b) { b.lineColor = 0x654321; });
            ItemList list;
            ASSERT_TRUE(load(file, list));
            const auto r = records(list);
            const ItemRecord* damaged = findFirstOfKind(list, f.kind);
            ASSERT_NE(damaged, nullptr);
            EXPECT_TRUE(damaged->pointList.empty() && damaged->text.empty() && damaged->imageStream.empty()
                && damaged->gridListX.empty() && damaged->gridListY.empty());
            if (d.cutShort) {
                EXPECT_EQ(r.back(), damaged) << "reading stops at the record that claims too much";
                EXPECT_EQ(prompt.asked, QStringList { drawingtext::kCutShort });
                EXPECT_TRUE(isModified(list)) << "so that saving over the file asks first";
            } else {
                ASSERT_EQ(r.size(), f.kind == kinds::kHeader ? 2u : 3u);
                EXPECT_EQ(r.back()->body.kind, kinds::kLine);
                EXPECT_EQ(r.back()->body.lineColor, 0x654321);
                EXPECT_TRUE(prompt.asked.isEmpty());
                EXPECT_FALSE(isModified(list));
            }
        }
}

TEST_F(DrawingFileTest, ALegacyTailCutShortKeepsTheTextReadBeforeIt)
{
    FileBuilder file;
    file.record(kinds::kHeader)
        .record(kinds::kText,
            [](ItemBody& b) {
                b.tailLength = 4;
                b.legacyTail1Length = 1000;
            })
        .utf16(u"Hi")
        .raw(QByteArray(10, 'z'));
    ItemList list;
    ASSERT_TRUE(load(file, list));
    const ItemRecord* text = findFirstOfKind(list, kinds::kText);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(getText(text), u"Hi");
    EXPECT_EQ(prompt.asked, QStringList { drawingtext::kCutShort });
}

TEST_F(DrawingFileTest, OverlongTextTailIsSkippedSoLaterRecordsStayInStep)
{
    const std::int32_t tail = 1024000;
    FileBuilder file;
    file.record(kinds::kHeader)
        .record(kinds::kText, [&](ItemBody& b) { b.tailLength = tail; })
        .raw(QByteArray(tail, 'a'))
        .record(kinds::kLine);
    ItemList list;
    ASSERT_TRUE(load(file, list));
    const auto r = records(list);
    ASSERT_EQ(r.size(), 3u);
    EXPECT_TRUE(r[1]->text.empty());
    EXPECT_EQ(r[2]->body.kind, kinds::kLine);
}

TEST_F(DrawingFileTest, VeryLongTextIsCutToWhatTheReaderAccepts)
{
    ItemList list;
    createHeader(list);
    ItemRecord* text = createItem(list, kinds::kText);
    setText(text, std::u16string(600000, u'x'));
    createItem(list, kinds::kLine);
    ASSERT_TRUE(writeDrawing(path(), list));
    ItemList loaded;
    ASSERT_TRUE(readDrawing(path(), loaded, kScreen, prompt));
    const auto r = records(loaded);
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(textLength(r[1]), kMaxStoredTextUnits);
    EXPECT_EQ(r[2]->body.kind, kinds::kLine);

    setText(text, std::u16string(kMaxStoredTextUnits - 1, u'x') + u"\U0001F600");
    ASSERT_TRUE(writeDrawing(path(), list));
    ASSERT_TRUE(readDrawing(path(), loaded, kScreen, prompt));
    EXPECT_EQ(textLength(records(loaded)[1]), kMaxStoredTextUnits - 1) << "a surrogate pair is not split";
}

TEST_F(DrawingFileTest, FailedSaveKeepsTheOldFileAndTheModifiedFlag)
{
    ItemList list;
    createHeader(list);
    addShape(list, kinds::kTriangle, 3);
    ASSERT_TRUE(writeDrawing(path(), list));
    const QByteArray before = [&] {
        QFile f(path());
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();

    addShape(list, kinds::kTriangle, 3);
    ASSERT_TRUE(isModified(list));
    QString error;
    EXPECT_FALSE(writeDrawing(dir.filePath("no/such/folder/x.tvle"), list, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(isModified(list));

    if (geteuid() != 0) { // root may write anywhere
        ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0500), 0);
        EXPECT_FALSE(writeDrawing(path(), list, &error));
        chmod(QFile::encodeName(dir.path()).constData(), 0700);
        EXPECT_TRUE(isModified(list));
    }
    QFile f(path());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before) << "the old file is untouched";
}

TEST_F(DrawingFileTest, NoHeaderMeansNothingIsWritten)
{
    ItemList list;
    createItem(list, kinds::kLine);
    EXPECT_FALSE(writeDrawing(path(), list));
    EXPECT_FALSE(QFileInfo::exists(path()));
}

TEST_F(DrawingFileTest, KeptHistoryIsNotRenumbered)
{
    FileBuilder file;
    file.record(kinds::kHeader, [](ItemBody& b) { reinterpret_cast<HeaderBody&>(b).keepsHistory = 1; })
        .record(kinds::kLine, [](ItemBody& b) {
            b.stepNumber = 40;
            b.historyState = 2;
            b.replacesStep = 12;
        });
    ItemList list;
    ASSERT_TRUE(load(file, list));
    const ItemRecord* line = records(list)[1];
    EXPECT_EQ(line->body.stepNumber, 40);
    EXPECT_EQ(line->body.historyState, 2);
    EXPECT_EQ(line->body.replacesStep, 12);
}

TEST_F(DrawingFileTest, LoadingRescalesToTheScreen)
{
    // A millimetre drawing at zoom 2, 100 mm wide, with a line saved on a
    // 96 dpi screen 10 pixels from the left and 20 from the top.
    FileBuilder file;
    file.record(kinds::kHeader, [](ItemBody& b) {
        auto& h = reinterpret_cast<HeaderBody&>(b);
        h.units = 2;
        h.canvasWidth = 100;
        h.canvasHeight = 50;
        h.zoom = 2;
    });
    file.record(kinds::kLine, [](ItemBody& b) {
        b.posX1 = 10 * 96 / 25.4;
        b.posY2 = 20 * 96 / 25.4;
    });
    struct Case {
        double dpi;
        double pixelsPerMm; // dpi / 25.4
        int screenWidth; // 100 mm x pixels per mm x zoom 2, rounded
        int x1, y2; // the stored positions over this screen's pixels per mm, rounded
    };
    const Case cases[] = {
        { 96, 3.7795275591, 756, 10, 20 },
        { 144, 5.6692913386, 1134, 7, 13 }, // 6.67 and 13.33
        { 48, 1.8897637795, 378, 20, 40 },
    };
    for (const Case& c : cases) {
        ItemList list;
        ASSERT_TRUE(load(file, list, UserPrompt::Answer::No, { c.dpi, c.dpi }));
        const HeaderBody& h = findHeader(list)->header;
        EXPECT_NEAR(h.pixelsPerUnitX, c.pixelsPerMm, 1e-9) << c.dpi;
        EXPECT_EQ(h.screenWidth, c.screenWidth) << c.dpi;
        const ItemRecord* line = findFirstOfKind(list, kinds::kLine);
        EXPECT_EQ(line->body.x1, c.x1) << c.dpi;
        EXPECT_EQ(line->body.y2, c.y2) << c.dpi;
    }
}

} // namespace
