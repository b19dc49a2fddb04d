// Selection and direct manipulation with the pointer: a click picks the item
// nearest its outline, Ctrl-drag selects the items in a rectangle, and a
// dragged handle moves, reshapes or turns the selection as one undoable step.
#include "canvas/widgets/DocumentWindow.h"

#include "canvas/DocumentPainting.h"
#include "canvas/EditorContext.h"
#include "canvas/PickItem.h"
#include "canvas/widgets/CanvasImage.h"
#include "canvas/widgets/SelectionOverlay.h"
#include "model/DrawingHeader.h"
#include "model/History.h"
#include "model/ItemKinds.h"
#include "model/ItemRecord.h"
#include "platform/Bitmap24.h"

#include <QMouseEvent>

namespace {

DeviceMapping viewOf(const ItemList& items, std::int32_t tileX, std::int32_t tileY)
{
    const double zoom = zoomOf(items) > 0 ? zoomOf(items) : 1.0;
    return { zoom, zoom, -tileX, -tileY };
}

QRect toRect(const PaintRect& r)
{
    return r.right > r.left && r.bottom > r.top ? QRect(r.left, r.top, r.right - r.left, r.bottom - r.top)
                                                : QRect();
}

} // namespace

QPoint DocumentWindow::dragPoint(QPoint bitmapPoint) const
{
    const QPoint doc(screenToDoc(bitmapPoint.x(), tileX_), screenToDoc(bitmapPoint.y(), tileY_));
    return snapHook_ ? snapHook_(doc) : doc;
}

void DocumentWindow::selectPress(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    refreshHandles();
    const QPoint at = event->position().toPoint();
    selectDown_ = at;
    heldHandle_.reset();
    if (event->modifiers() & Qt::ControlModifier) {
        areaSelecting_ = true;
        // Shift pressed with the button counts for the whole drag, even if
        // a move event arrives without it.
        areaPartial_ = event->modifiers() & Qt::ShiftModifier;
        selectArea_ = QRect();
        if (!(event->modifiers() & Qt::ShiftModifier))
            selectOnly(items_, nullptr);
        refreshHandles();
        return;
    }
    if (const std::optional<HandleHit> hit = hitHandle(items_, at, viewOf(items_, tileX_, tileY_), handleStyle_))
        heldHandle_ = dragFor(items_, *hit);
}

// The selection is lifted only when the held handle really moves, so that a
// click on a handle leaves no empty step in the history.
void DocumentWindow::liftForDrag()
{
    const std::int32_t heldStep = heldHandle_->item->body.stepNumber;
    const EditStep step = beginEditStep(items_, context_.screen());
    HandleHit hit = *heldHandle_;
    hit.item = nullptr;
    for (ItemRecord* copy : step.made)
        if (copy->body.replacesStep == heldStep)
            hit.item = copy;
    drag_.begin(items_, hit, dragPoint(selectDown_));
    emit historyChanged();
}

void DocumentWindow::selectMove(QMouseEvent* event)
{
    if (editMode() != EditMode::Select)
        return;
    const QPoint at = event->position().toPoint();
    const bool buttonDown = event->buttons() & Qt::LeftButton;
    if (areaSelecting_ && buttonDown) {
        selectArea_ = QRect(selectDown_, at).normalized();
        const QRect units(QPoint(screenToDoc(selectArea_.left(), tileX_), screenToDoc(selectArea_.top(), tileY_)),
            QPoint(screenToDoc(selectArea_.right(), tileX_), screenToDoc(selectArea_.bottom(), tileY_)));
        selectInRect(items_, units, areaPartial_ || (event->modifiers() & Qt::ShiftModifier), context_.screen());
        refreshHandles();
        return;
    }
    if (heldHandle_ && buttonDown) {
        if (!drag_.active()) {
            if (at == selectDown_)
                return;
            liftForDrag();
        }
        const PaintRect area = drag_.update(dragPoint(at), context_.screen());
        const QRect dirty = toRect(documentpainting::repaintUnits(
            *canvasBitmap_, items_, context_.screen(), tileX_, tileY_, area, speed_));
        if (!dirty.isEmpty())
            canvasImage_->update(dirty);
        refreshHandles();
        return;
    }
    const bool overHandle
        = hitHandle(items_, at, viewOf(items_, tileX_, tileY_), handleStyle_).has_value();
    canvasImage_->setCursor(overHandle ? Qt::SizeAllCursor : Qt::ArrowCursor);
}

void DocumentWindow::selectRelease(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (areaSelecting_) {
        areaSelecting_ = false;
        selectArea_ = QRect();
        followSelection();
        return;
    }
    if (drag_.active()) {
        selectMove(event);
        drag_.end();
        heldHandle_.reset();
        setModified(items_, true);
        emit historyChanged();
        followSelection();
        return;
    }
    heldHandle_.reset();
    const QPoint at = event->position().toPoint();
    const QPoint click(screenToDoc(at.x(), tileX_), screenToDoc(at.y(), tileY_));
    pickItem(items_, click, event->modifiers() & Qt::ShiftModifier, zoomOf(items_) > 0 ? zoomOf(items_) : 1.0,
        context_.screen());
    followSelection();
}

void DocumentWindow::followSelection()
{
    refreshHandles();
    emit selectionChanged();
    emit pageRequested(selectionPage(items_));
}

void DocumentWindow::refreshHandles()
{
    if (!canvasImage_)
        return;
    if (!overlay_) {
        overlay_ = new SelectionOverlay(
            canvasImage_,
            [this] {
                SelectionOverlay::Marks marks;
                marks.area = selectArea_;
                if (editMode() != EditMode::Select)
                    return marks;
                const DeviceMapping view = viewOf(items_, tileX_, tileY_);
                const bool single = singleSelection(items_);
                for (const ItemRecord& r : items_) {
                    const ItemBody& b = r.body;
                    if (b.recordClass != kinds::kClassItem || !b.selected || b.hidden || b.inProgress)
                        continue;
                    const std::vector<Handle> handles = itemHandles(r, single, view, handleStyle_);
                    QPoint centre;
                    bool hasCentre = false;
                    for (const Handle& h : handles) {
                        if (h.code == handlecode::kCentre || (h.code == handlecode::kMiddle && b.kind != kinds::kPie && b.kind != kinds::kArc)) {
                            centre = h.at;
                            hasCentre = true;
                        }
                        if ((h.code == handlecode::kRotate || h.code == handlecode::kGroupRotate) && hasCentre)
                            marks.dotLines.emplace_back(centre, h.at);
                    }
                    marks.handles.insert(marks.handles.end(), handles.begin(), handles.end());
                }
                return marks;
            },
            handleStyle_);
        connect(this, &DocumentWindow::selectionChanged, overlay_, qOverload<>(&QWidget::update));
        connect(this, &DocumentWindow::canvasRepainted, overlay_, qOverload<>(&QWidget::update));
    }
    overlay_->update();
}

SelectionOverlay* DocumentWindow::selectionOverlay() const
{
    return overlay_;
}
