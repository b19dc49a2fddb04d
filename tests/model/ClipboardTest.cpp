#include "DrawingFixture.h"

#include "base/ScreenMetrics.h"
#include "base/UserPrompt.h"
#include "model/Clipboard.h"
#include "model/DrawingFile.h"
#include "model/Grouping.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(Clipboard, TwoClipsOfOnePictureTakeOneStore)
{
    Drawing source;
    ItemRecord* store = addPictureStore(source.list, 7);
    writeAt<double>(store->bytes, overlay::kStoreScale, 0.75);
    source.draw(1, kinds::kClip)->body.pictureId = 7;
    source.draw(2, kinds::kClip)->body.pictureId = 7;
    source.select({ 1, 2 });
    ItemList clipboard;
    EXPECT_EQ(copySelection(source.list, clipboard, source.screen), 2);
    EXPECT_EQ(picturesIn(clipboard), 1);

    Drawing holding;
    addPictureStore(holding.list, 7);
    EXPECT_EQ(pasteClipboard(holding.list, clipboard, holding.screen).made.size(), 2u);
    EXPECT_EQ(picturesIn(holding.list), 1) << "the drawing holds the picture already";

    Drawing fresh;
    pasteClipboard(fresh.list, clipboard, fresh.screen);
    ASSERT_EQ(picturesIn(fresh.list), 1);
    EXPECT_DOUBLE_EQ(readAt<double>(findPictureStore(fresh.list, 7)->bytes, overlay::kStoreScale), 0.75);
}

TEST(Clipboard, PastedGroupsGetIdsAboveTheDrawingsAndKeepTheirFrame)
{
    Drawing source;
    for (int label = 1; label <= 4; ++label)
        source.draw(label);
    source.join({ 1, 2 });
    ItemRecord* frame = source.join({ 3, 4 }).made.back(); // group 2, copied as group 1
    frame->body.selected = 255;
    ItemList clipboard;
    copySelection(source.list, clipboard, source.screen);

    Drawing target;
    target.draw(7)->body.groupId = 3;
    const EditStep pasted = pasteClipboard(target.list, clipboard, target.screen);
    ASSERT_EQ(pasted.made.size(), 3u);
    EXPECT_EQ(target.live(3)->body.groupId, 5);
    EXPECT_EQ(target.live(4)->body.groupId, 5);
    const ItemRecord* pastedFrame = findLiveOfKind(target.list, kinds::kGroupFrame);
    ASSERT_NE(pastedFrame, nullptr) << "a pasted group is still a group";
    EXPECT_EQ(pastedFrame->body.groupId, 5);
    EXPECT_EQ(pastedFrame->body.x1, frame->body.x1 + 10);
    EXPECT_EQ(pastedFrame->body.zOrder, 0);
    EXPECT_EQ(pastedFrame->body.selected, 255);
}

TEST(Clipboard, PastedItemsLandOnTopInTheirOwnOrder)
{
    Drawing source;
    for (int label = 1; label <= 9; ++label)
        source.draw(label);
    source.select({ 9, 4 });
    ItemList clipboard;
    copySelection(source.list, clipboard, source.screen);

    Drawing target;
    for (int label = 11; label <= 16; ++label)
        target.draw(label);
    target.select({ 11 });
    pasteClipboard(target.list, clipboard, target.screen);
    EXPECT_EQ(target.stack(), "11@1/110 12@2/120 13@3/130 14@4/140 15@5/150 16@6/160 4@7/50 9@8/100");
    EXPECT_EQ(target.live(11)->body.selected, 0) << "the pasted items alone are selected";
    EXPECT_EQ(target.live(4)->body.selected, 255);
    EXPECT_EQ(target.live(4)->body.editBatch, target.live(9)->body.editBatch);
}

TEST(Clipboard, NothingSelectedLeavesOnlyTheHeaderAndPastesNothing)
{
    Drawing source;
    source.draw(1);
    ItemList clipboard;
    EXPECT_EQ(copySelection(source.list, clipboard, source.screen), 0);
    EXPECT_EQ(countRecords(clipboard), 1);
    EXPECT_NE(findHeader(clipboard), nullptr);
    EXPECT_FALSE(canPaste(clipboard));

    Drawing target;
    const int before = target.records();
    EXPECT_TRUE(pasteClipboard(target.list, clipboard, target.screen).empty());
    EXPECT_EQ(target.records(), before);
    EXPECT_FALSE(isModified(target.list));
}

TEST(Clipboard, PastedItemsSitTenPixelsAwayWithTheirPointsAndExtent)
{
    Drawing source;
    ItemRecord* spline = source.draw(1, kinds::kSpline);
    PointEntry p;
    p.set(0, 3, 4);
    p.set(1, -1, -1);
    p.set(2, 5, 6);
    p.set(3, 7, 8);
    spline->pointList = { p };
    ItemRecord* round = source.draw(2, kinds::kClip);
    round->body.clipShape = 2;
    round->body.x1 = round->body.y1 = 10; // centre
    round->body.x2 = 13; // rim point
    round->body.y2 = 14;
    syncExtentFields(round);
    source.select({ 1, 2 });
    ItemList clipboard;
    copySelection(source.list, clipboard, source.screen);

    Drawing target;
    for (int paste = 0; paste < 2; ++paste) {
        SCOPED_TRACE(paste);
        const EditStep step = pasteClipboard(target.list, clipboard, target.screen);
        ASSERT_EQ(step.made.size(), 2u);
        const ItemRecord& s = *step.made[0];
        EXPECT_EQ(s.body.x1, 20);
        EXPECT_EQ(s.body.y1, 10);
        EXPECT_EQ(s.body.x2, 40);
        EXPECT_EQ(s.body.startX2, 40);
        EXPECT_EQ(s.body.startY2, 30);
        EXPECT_EQ(s.body.minY, 10);
        EXPECT_DOUBLE_EQ(s.body.posX1, 20 * ScreenMetrics {}.pixelsPerMmX());
        const PointEntry& q = s.pointList.at(0);
        EXPECT_EQ((std::vector<int> { q.x(0), q.y(0), q.x(1), q.y(1), q.x(2), q.y(3), q.x(4), q.y(5) }),
            (std::vector<int> { 13, 14, 13, 14, 15, 18, 15, 18 }));
        // A round clip keeps the extent of its circle, radius 5 round (20, 20).
        const ItemBody& c = step.made[1]->body;
        EXPECT_EQ((std::vector<int> { c.minX, c.maxX, c.minY, c.maxY, c.spanX }),
            (std::vector<int> { 15, 25, 15, 25, 10 }));
    }
}

TEST(Clipboard, CustomPatternsTravelWithTheirItems)
{
    const auto definition = [](ItemList& list, std::int32_t id, std::vector<double> lengths) {
        ItemRecord* r = createItem(list, id);
        r->body.recordClass = kinds::kClassPattern;
        for (std::size_t i = 0; i < lengths.size(); ++i)
            writeAt<double>(r->bytes, overlay::kPatternLengths + 8 * static_cast<int>(i), lengths[i]);
        writeAt<std::int32_t>(r->bytes, overlay::kPatternCount, static_cast<std::int32_t>(lengths.size()));
    };
    struct Case {
        const char* name;
        std::vector<double> targetPattern; // the target's own pattern -1; empty for none
        std::int32_t expectedId;
        int definitionsAfter;
    };
    const Case cases[] = {
        { "target without patterns", {}, -1, 1 },
        { "target with another pattern -1", { 5.0 }, -2, 2 },
        { "target with the same dashes", { 2.0, 1.0 }, -1, 1 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Drawing source;
        definition(source.list, -1, { 2.0, 1.0 });
        source.draw(1)->body.pattern = -1;
        source.select({ 1 });
        ItemList clipboard;
        copySelection(source.list, clipboard, source.screen);

        Drawing target;
        if (!c.targetPattern.empty())
            definition(target.list, -1, c.targetPattern);
        for (int paste = 0; paste < 2; ++paste) {
            const EditStep step = pasteClipboard(target.list, clipboard, target.screen);
            EXPECT_EQ(step.made.front()->body.pattern, c.expectedId);
        }
        int definitions = 0;
        for (const ItemRecord& r : target.list)
            definitions += r.body.recordClass == kinds::kClassPattern;
        EXPECT_EQ(definitions, c.definitionsAfter);
        const ItemRecord* used = nullptr;
        for (const ItemRecord& r : target.list)
            if (r.body.recordClass == kinds::kClassPattern && r.body.kind == c.expectedId)
                used = &r;
        ASSERT_NE(used, nullptr);
        EXPECT_DOUBLE_EQ(readAt<double>(used->bytes, overlay::kPatternLengths + 8), 1.0);
    }
}

TEST(Clipboard, InsertedDrawingFileIsPastedAndStaysInTheClipboard)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("insert.tvle");
    {
        Drawing file;
        file.draw(1);
        file.draw(2);
        ASSERT_TRUE(writeDrawing(path, file.list));
    }
    Drawing target;
    for (int label = 11; label <= 13; ++label)
        target.draw(label);
    ItemList clipboard;
    FixedAnswerPrompt prompt;
    EditStep pasted;
    ASSERT_TRUE(insertDrawingFile(path, target.list, clipboard, target.screen, prompt, pasted));
    EXPECT_EQ(pasted.made.size(), 2u);
    EXPECT_EQ(target.stack(), "11@1/110 12@2/120 13@3/130 1@4/20 2@5/30");

    EXPECT_FALSE(insertDrawingFile(
        dir.filePath("missing.tvle"), target.list, clipboard, target.screen, prompt, pasted));
    EXPECT_TRUE(canPaste(clipboard)) << "a failed insert keeps what the clipboard held";
    EXPECT_EQ(pasteClipboard(target.list, clipboard, target.screen).made.size(), 2u);
    EXPECT_EQ(target.stack(), "11@1/110 12@2/120 13@3/130 1@4/20 2@5/30 1@6/20 2@7/30");
}

} // namespace
