// The ruler ends of the document window: dragging them resizes the canvas
// or moves its left (top) edge, with a floating hint showing the new size.
#include "canvas/widgets/DocumentWindow.h"

#include "canvas/widgets/DragHint.h"
#include "canvas/GridlineSetup.h"
#include "canvas/MeasureText.h"
#include "canvas/widgets/RulerWidget.h"
#include "model/DrawingHeader.h"
#include "model/ItemKinds.h"
#include "model/ItemRecord.h"
#include "base/Rounding.h"

#include <QScrollBar>

#include <algorithm>
#include <cstdlib>

namespace {

// Ruler ends answer within this many pixels (strictly) of the canvas's edge.
constexpr int kEdgeGrip = 5;
// Smallest canvas width or height a ruler-end drag leaves, in zoomed pixels.
constexpr int kMinimumExtent = 5;

} // namespace

bool DocumentWindow::nearCanvasEdge(bool horizontal, int position, bool farEdge) const
{
    const HeaderBody* h = header();
    if (!h)
        return false;
    const int origin = horizontal ? originX_ : originY_;
    const int edge = farEdge ? origin + (horizontal ? h->screenWidth : h->screenHeight) : origin;
    return std::abs(position - edge) < kEdgeGrip;
}

void DocumentWindow::resetRulerCursors()
{
    if (rulerDrag_ != 0)
        return;
    rulerX_->unsetCursor();
    rulerY_->unsetCursor();
}

void DocumentWindow::rulerMouseDown(bool horizontal, QPoint at)
{
    const HeaderBody* h = header();
    if (!h || rulerDrag_ != 0)
        return;
    const int pos = horizontal ? at.x() : at.y();
    if (nearCanvasEdge(horizontal, pos, true)) {
        rulerDrag_ = horizontal ? 4 : 5;
        rulerDragValue_ = horizontal ? h->screenWidth : h->screenHeight;
        showHint(horizontal, at, horizontal ? h->canvasWidth : h->canvasHeight);
    } else if (nearCanvasEdge(horizontal, pos, false)) {
        rulerDrag_ = horizontal ? 6 : 7;
        rulerDragValue_ = horizontal ? h->screenMinX : h->screenMinY;
    } else {
        return;
    }
    rulerDragStart_ = at;
}

void DocumentWindow::rulerMouseMove(bool horizontal, QPoint at, Qt::MouseButtons)
{
    const HeaderBody* h = header();
    if (!h)
        return;
    const int pos = horizontal ? at.x() : at.y();
    const int delta = pos - (horizontal ? rulerDragStart_.x() : rulerDragStart_.y());
    RulerWidget* ruler = horizontal ? rulerX_ : rulerY_;
    const bool mine
        = horizontal ? (rulerDrag_ == 4 || rulerDrag_ == 6) : (rulerDrag_ == 5 || rulerDrag_ == 7);
    if (rulerDrag_ == 0) {
        const bool near = nearCanvasEdge(horizontal, pos, false) || nearCanvasEdge(horizontal, pos, true);
        if (near)
            ruler->setCursor(horizontal ? Qt::SizeHorCursor : Qt::SizeVerCursor);
        else
            ruler->unsetCursor();
        return;
    }
    if (!mine)
        return;
    if (rulerDrag_ == 4 || rulerDrag_ == 5) {
        rulerDragValue_ = std::max(kMinimumExtent, (horizontal ? h->screenWidth : h->screenHeight) + delta);
        const double perUnit = (horizontal ? h->pixelsPerUnitX : h->pixelsPerUnitY) * h->zoom;
        showHint(horizontal, at, perUnit > 0 ? rulerDragValue_ / perUnit : 0);
    } else {
        rulerDragValue_ = std::max(0, (horizontal ? h->screenMinX : h->screenMinY) + delta);
    }
    redrawRuler(horizontal);
}

void DocumentWindow::rulerMouseUp(bool horizontal, QPoint at)
{
    const int mode = rulerDrag_;
    const bool mine = horizontal ? (mode == 4 || mode == 6) : (mode == 5 || mode == 7);
    if (!mine)
        return;
    rulerMouseMove(horizontal, at, Qt::NoButton);
    rulerDrag_ = 0;
    if (mode == 4 || mode == 5)
        finishWidthDrag(horizontal, at);
    else
        finishEdgeDrag(horizontal, at);
}

void DocumentWindow::finishWidthDrag(bool horizontal, QPoint)
{
    HeaderBody* h = header();
    const double perUnit = (horizontal ? h->pixelsPerUnitX : h->pixelsPerUnitY) * h->zoom;
    if (perUnit <= 0)
        return;
    (horizontal ? h->canvasWidth : h->canvasHeight) = rulerDragValue_ / perUnit;
    recomputeScreenExtent(*h);
    if (ItemRecord* grid = findLiveOfKind(items_, kinds::kGrid))
        growGridlines(*h, *grid, horizontal);
    // The canvas's size is saved with the drawing, so the change must not be lost on close.
    setModified(items_, true);
    layoutView();
}

void DocumentWindow::finishEdgeDrag(bool horizontal, QPoint at)
{
    HeaderBody* h = header();
    const double perUnit = (horizontal ? h->pixelsPerUnitX : h->pixelsPerUnitY) * h->zoom;
    if (perUnit <= 0)
        return;
    const int delta = horizontal ? at.x() - rulerDragStart_.x() : at.y() - rulerDragStart_.y();
    (horizontal ? h->canvasLeft : h->canvasTop) = rulerDragValue_ / perUnit;
    recomputeScreenExtent(*h);
    if (ItemRecord* grid = findLiveOfKind(items_, kinds::kGrid))
        shiftGridlines(*grid, horizontal, roundEven(delta / h->zoom));
    setModified(items_, true);
    layoutView();
    repaintCanvas();
}

void DocumentWindow::showHint(bool horizontal, QPoint at, double lengthInUnits)
{
    const HeaderBody* h = header();
    if (!h)
        return;
    dragHint_->setText(
        QString::fromLatin1(horizontal ? "Width: " : "Height: ") + measureText(lengthInUnits, h->units));
    const RulerWidget* ruler = horizontal ? rulerX_ : rulerY_;
    const QPoint inView = ruler->mapTo(this, at) - viewPanel_->pos();
    dragHint_->placeAt(horizontal ? QPoint(inView.x(), inView.y() + 8) : QPoint(inView.x() + 8, inView.y()));
    dragHint_->raise();
    dragHint_->show();
}

void DocumentWindow::hideHint()
{
    if (dragHint_)
        dragHint_->hide();
}
