// The ruler ends of the document window: the mouse on the rulers drives a
// RulerEndDrag, with a floating hint showing the new size.
#include "canvas/widgets/DocumentWindow.h"

#include "canvas/MeasureText.h"
#include "canvas/widgets/DragHint.h"
#include "canvas/widgets/RulerWidget.h"
#include "model/ItemKinds.h"
#include "model/ItemRecord.h"

void DocumentWindow::resetRulerCursors()
{
    if (rulerDrag_.active())
        return;
    rulerX_->unsetCursor();
    rulerY_->unsetCursor();
}

void DocumentWindow::rulerMouseDown(bool horizontal, QPoint at)
{
    const HeaderBody* h = header();
    if (!h)
        return;
    const int position = horizontal ? at.x() : at.y();
    if (rulerDrag_.press(horizontal, position, horizontal ? originX_ : originY_, *h) && rulerDrag_.resizes())
        showHint(horizontal, at, horizontal ? h->canvasWidth : h->canvasHeight);
}

void DocumentWindow::rulerMouseMove(bool horizontal, QPoint at)
{
    const HeaderBody* h = header();
    if (!h)
        return;
    const int position = horizontal ? at.x() : at.y();
    if (!rulerDrag_.active()) {
        RulerWidget* ruler = horizontal ? rulerX_ : rulerY_;
        const int origin = horizontal ? originX_ : originY_;
        if (RulerEndDrag::nearEnd(position, origin, horizontal ? h->screenWidth : h->screenHeight))
            ruler->setCursor(horizontal ? Qt::SizeHorCursor : Qt::SizeVerCursor);
        else
            ruler->unsetCursor();
        return;
    }
    if (rulerDrag_.horizontal() != horizontal)
        return;
    rulerDrag_.move(position);
    if (rulerDrag_.resizes())
        showHint(horizontal, at, rulerDrag_.lengthInUnits(*h));
    redrawRuler(horizontal);
}

void DocumentWindow::rulerMouseUp(bool horizontal, QPoint at)
{
    HeaderBody* h = header();
    if (!h || !rulerDrag_.active() || rulerDrag_.horizontal() != horizontal)
        return;
    rulerMouseMove(horizontal, at);
    const bool resized = rulerDrag_.resizes();
    if (!rulerDrag_.finish(horizontal ? at.x() : at.y(), *h, findLiveOfKind(items_, kinds::kGrid)))
        return;
    // The canvas's size and place are saved with the drawing, so the change
    // must not be lost on close.
    setModified(items_, true);
    layoutView();
    if (!resized)
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
