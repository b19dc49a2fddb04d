#include "DocumentWindowFixture.h"

#include "canvas/widgets/DragHint.h"
#include "canvas/widgets/RulerWidget.h"
#include "model/ItemBody.h"
#include "model/ItemKinds.h"
#include "model/ItemRecord.h"

#include <QTest>

using DocumentRulerDrag = DocumentWindowFixture;

TEST_F(DocumentRulerDrag, WidthHintWhileDraggingTheRightEnd)
{
    canvasForNewDrawings(1, 50, 50, 250, 200);
    auto w = newWindow();
    RulerWidget* ruler = w->rulerX();
    const int edge = w->originX() + 250;

    QTest::mouseMove(ruler, QPoint(edge + 3, 6));
    EXPECT_EQ(ruler->cursor().shape(), Qt::SizeHorCursor);
    QTest::mouseMove(ruler, QPoint(edge + 5, 6)); // 5 pixels away is too far
    EXPECT_EQ(ruler->cursor().shape(), Qt::ArrowCursor);

    QTest::mousePress(ruler, Qt::LeftButton, {}, QPoint(edge, 6));
    EXPECT_TRUE(w->dragHint()->isVisible());
    EXPECT_EQ(w->dragHint()->text(), QStringLiteral("Width: 250 Pixels"));
    QTest::mouseMove(ruler, QPoint(edge + 50, 6));
    EXPECT_EQ(w->dragHint()->text(), QStringLiteral("Width: 300 Pixels"));
    QTest::mouseRelease(ruler, Qt::LeftButton, {}, QPoint(edge + 50, 6));

    EXPECT_DOUBLE_EQ(w->header()->canvasWidth, 300);
    EXPECT_EQ(w->header()->screenWidth, 300);
    EXPECT_TRUE(w->isModified()); // the new size must not be lost on close
    // The grid grew to the new edge: gridlines every 25 up to below 350.
    const ItemRecord* grid = findLiveOfKind(w->items(), kinds::kGrid);
    EXPECT_EQ(grid->gridListX.back().left + kAnchorHalf, 325);
    // Moving over the view outside the canvas hides the hint.
    QTest::mouseMove(w->viewPanel(), QPoint(w->viewPanel()->width() - 5, 5));
    EXPECT_FALSE(w->dragHint()->isVisible());
}

TEST_F(DocumentRulerDrag, HintTextsInInchesAndHeights)
{
    canvasForNewDrawings(3, 0.2, 0.2, 1, 2);
    auto w = newWindow();
    const int right = w->originX() + 96;
    QTest::mousePress(w->rulerX(), Qt::LeftButton, {}, QPoint(right, 6));
    EXPECT_EQ(w->dragHint()->text(), QStringLiteral("Width: 1 Inch"));
    QTest::mouseMove(w->rulerX(), QPoint(right + 48, 6));
    EXPECT_EQ(w->dragHint()->text(), QStringLiteral("Width: 1.5 Inches"));
    QTest::mouseRelease(w->rulerX(), Qt::LeftButton, {}, QPoint(right + 48, 6));
    EXPECT_DOUBLE_EQ(w->header()->canvasWidth, 1.5);

    const int bottom = w->originY() + 192;
    QTest::mousePress(w->rulerY(), Qt::LeftButton, {}, QPoint(6, bottom));
    EXPECT_EQ(w->dragHint()->text(), QStringLiteral("Height: 2 Inches"));
    // Dragged far above the top edge, the height stays 5 pixels.
    QTest::mouseMove(w->rulerY(), QPoint(6, 1));
    QTest::mouseRelease(w->rulerY(), Qt::LeftButton, {}, QPoint(6, 1));
    EXPECT_EQ(w->header()->screenHeight, 5);
}

TEST_F(DocumentRulerDrag, MovingTheLeftEdgeShiftsTheGrid)
{
    canvasForNewDrawings(1, 50, 50, 400, 200);
    auto w = newWindow();
    RulerWidget* ruler = w->rulerX();
    QTest::mousePress(ruler, Qt::LeftButton, {}, QPoint(50, 6));
    QTest::mouseMove(ruler, QPoint(80, 6));
    QTest::mouseRelease(ruler, Qt::LeftButton, {}, QPoint(80, 6));
    EXPECT_DOUBLE_EQ(w->header()->canvasLeft, 80);
    EXPECT_EQ(w->originX(), 80);
    const ItemRecord* grid = findLiveOfKind(w->items(), kinds::kGrid);
    EXPECT_EQ(grid->gridListX.front().left + kAnchorHalf, 80);

    // Dragged before 0, the edge stops at 0 and the first gridline lands on it.
    QTest::mousePress(ruler, Qt::LeftButton, {}, QPoint(80, 6));
    QTest::mouseMove(ruler, QPoint(2, 6));
    QTest::mouseRelease(ruler, Qt::LeftButton, {}, QPoint(-30, 6));
    EXPECT_DOUBLE_EQ(w->header()->canvasLeft, 0);
    EXPECT_EQ(grid->gridListX.front().left + kAnchorHalf, 0);
}
