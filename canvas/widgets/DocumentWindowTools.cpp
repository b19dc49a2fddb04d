// The drawing tools of the document window: mouse and keys go to the tool
// state machine, whose outcome is carried out here (rubber band, new items,
// pages), the typing of a new text line, and the history commands.
#include "canvas/widgets/DocumentWindow.h"

#include "canvas/DocumentPainting.h"
#include "canvas/EditorContext.h"
#include "canvas/widgets/CanvasImage.h"
#include "model/DrawingHeader.h"
#include "model/History.h"
#include "model/ItemKinds.h"
#include "model/ItemRecord.h"
#include "platform/Bitmap24.h"
#include "render/Geometry.h"
#include "render/ScenePainter.h"
#include "render/TextRendering.h"

#include <QMouseEvent>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

QRect toRect(const PaintRect& r)
{
    return r.right > r.left && r.bottom > r.top ? QRect(r.left, r.top, r.right - r.left, r.bottom - r.top)
                                                : QRect();
}

// Characters that go into a text: printable ones and the line separator.
bool isTypeable(const QString& text)
{
    if (text.isEmpty())
        return false;
    return std::all_of(
        text.begin(), text.end(), [](QChar c) { return c.isPrint() || c == QChar(kLineSeparator); });
}

} // namespace

void DocumentWindow::setEditMode(EditMode mode)
{
    cancelPending();
    Preferences& p = context_.preferences();
    // The spline and curve tools make the open or closed shape last chosen
    // for them; the solid and oblong tools are their filled forms.
    if (mode == EditMode::Spline)
        p.splineShape = p.splineToolShape;
    else if (mode == EditMode::Solid)
        p.splineShape = kinds::kSolid;
    else if (mode == EditMode::Curve)
        p.curveShape = p.curveToolShape;
    else if (mode == EditMode::Oblong)
        p.curveShape = kinds::kSolid;
    tools_.choose(mode, p.splineShape, p.curveShape);
    refreshHandles();
}

void DocumentWindow::setPointCount(int count)
{
    if (count == 0)
        cancelPending();
}

void DocumentWindow::cancelPending()
{
    holdTimer_.stop();
    endTyping();
    tools_.reset();
    eraseBand();
    notePointCount();
}

void DocumentWindow::notePointCount()
{
    if (tools_.pointCount() == reportedPoints_)
        return;
    reportedPoints_ = tools_.pointCount();
    emit pointCountChanged(reportedPoints_);
}

QPoint DocumentWindow::documentPoint(QPoint bitmapPoint) const
{
    QPoint doc(screenToDoc(bitmapPoint.x(), tileX_), screenToDoc(bitmapPoint.y(), tileY_));
    if (snapHook_ && editMode() != EditMode::Select)
        doc = snapHook_(doc);
    return doc;
}

void DocumentWindow::canvasPress(QMouseEvent* event)
{
    hideHint();
    markRulers(event->position().toPoint());
    if (event->button() != Qt::LeftButton)
        return;
    const Preferences& p = context_.preferences();
    tools_.setShapes(p.splineShape, p.curveShape);
    const ToolOutcome o
        = tools_.press(documentPoint(event->position().toPoint()), event->modifiers() & Qt::ControlModifier);
    if (o.startHold)
        holdTimer_.start();
    carryOut(o);
    if (editMode() == EditMode::Select)
        selectPress(event);
}

void DocumentWindow::canvasMove(QMouseEvent* event)
{
    hideHint();
    markRulers(event->position().toPoint());
    carryOut(tools_.move(documentPoint(event->position().toPoint())));
    selectMove(event);
}

void DocumentWindow::canvasRelease(QMouseEvent* event)
{
    markRulers(event->position().toPoint());
    if (event->button() != Qt::LeftButton)
        return;
    holdTimer_.stop();
    if (editMode() == EditMode::Select) {
        selectRelease(event);
        return;
    }
    const Preferences& p = context_.preferences();
    tools_.setShapes(p.splineShape, p.curveShape);
    carryOut(
        tools_.release(documentPoint(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier));
}

void DocumentWindow::holdTimeout()
{
    carryOut(tools_.hold());
}

void DocumentWindow::carryOut(const ToolOutcome& outcome)
{
    if (outcome.resetText)
        endTyping();
    if (outcome.make) {
        eraseBand();
        makeItem(*outcome.make);
    }
    if (outcome.bandChanged)
        redrawBand();
    requestPage(outcome);
    notePointCount();
}

void DocumentWindow::requestPage(const ToolOutcome& outcome)
{
    Page page = outcome.page;
    if (page == Page::None)
        return;
    if (outcome.onlyIfOn != Page::None && !context_.preferences().helpPageOn(helpSwitchOf(outcome.onlyIfOn)))
        page = outcome.fallback;
    if (page != Page::None)
        emit pageRequested(page);
}

void DocumentWindow::makeItem(const ToolItemRequest& request)
{
    ItemRecord* item = makeToolItem(items_, request, context_.preferences(), context_.screen());
    repaintBoxes({ item });
    emit historyChanged();
    emit selectionChanged();
}

void DocumentWindow::redrawBand()
{
    QRect dirty = band_.erase(*canvasBitmap_);
    if (const std::optional<ToolBand> band = tools_.band())
        dirty |= band_.draw(*canvasBitmap_, *band, context_.preferences(), context_.screen(),
            { zoomOf(items_), tileX_, tileY_ });
    if (!dirty.isEmpty())
        canvasImage_->update(dirty);
}

void DocumentWindow::eraseBand()
{
    const QRect dirty = band_.erase(*canvasBitmap_);
    if (!dirty.isEmpty())
        canvasImage_->update(dirty);
}

void DocumentWindow::repaintBoxes(const std::vector<ItemRecord*>& records)
{
    QRect dirty = band_.erase(*canvasBitmap_);
    dirty |= toRect(documentpainting::repaintRecords(
        *canvasBitmap_, items_, context_.screen(), tileX_, tileY_, records, speed_));
    if (!dirty.isEmpty())
        canvasImage_->update(dirty);
    redrawBand();
}

bool DocumentWindow::keyDown(int key, Qt::KeyboardModifiers modifiers)
{
    const bool commandKey = modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (typing_ && !commandKey && typingKey(key))
        return true;
    if (commandKey)
        return false;
    std::optional<ToolKey> toolKey;
    switch (key) {
    case Qt::Key_Backspace:
        toolKey = ToolKey::Backspace;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        toolKey = ToolKey::Enter;
        break;
    case Qt::Key_C:
        toolKey = ToolKey::Close;
        break;
    case Qt::Key_Escape:
        toolKey = ToolKey::Escape;
        break;
    default:
        break;
    }
    if (toolKey) {
        const ToolOutcome o = tools_.key(*toolKey);
        if (o.used) {
            carryOut(o);
            return true;
        }
    }
    if (key == Qt::Key_Delete)
        return eraseSelection();
    return false;
}

bool DocumentWindow::character(const QString& text)
{
    if (!isTypeable(text) || (!typing_ && !tools_.textPending()))
        return false;
    return typeText(text);
}

// A character typed after the text tool's first point makes the text line;
// later ones go into it at the caret. The typing belongs to the step that
// made the line: one undo takes the whole line away.
bool DocumentWindow::typeText(const QString& text)
{
    const std::u16string typed = text.toStdU16String();
    if (!typing_) {
        eraseBand();
        const QPoint start = tools_.textStart();
        const QPoint end = tools_.textBoxEnd().value_or(start);
        typing_ = makeToolItem(
            items_, { kinds::kText, { start, end }, 0 }, context_.preferences(), context_.screen());
        caret_ = 0;
        tools_.textMade();
        emit historyChanged();
        emit selectionChanged();
    }
    const PaintRect oldBox = paintBox(*typing_, context_.screen());
    std::u16string t = getText(typing_);
    caret_ = std::clamp(caret_, 0, static_cast<int>(t.size()));
    t.insert(static_cast<std::size_t>(caret_), typed);
    caret_ += static_cast<int>(typed.size());
    setText(typing_, t);
    afterTextChange(oldBox);
    return true;
}

bool DocumentWindow::typingKey(int key)
{
    std::u16string t = getText(typing_);
    const int length = static_cast<int>(t.size());
    caret_ = std::clamp(caret_, 0, length);
    const PaintRect oldBox = paintBox(*typing_, context_.screen());
    switch (key) {
    case Qt::Key_Backspace:
        if (caret_ > 0)
            t.erase(static_cast<std::size_t>(--caret_), 1);
        break;
    case Qt::Key_Delete:
        if (caret_ < length)
            t.erase(static_cast<std::size_t>(caret_), 1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        t.insert(static_cast<std::size_t>(caret_++), 1, kLineSeparator);
        break;
    case Qt::Key_Left:
        caret_ = std::max(0, caret_ - 1);
        showCaret();
        return true;
    case Qt::Key_Right:
        caret_ = std::min(length, caret_ + 1);
        showCaret();
        return true;
    case Qt::Key_Home:
        caret_ = 0;
        showCaret();
        return true;
    case Qt::Key_End:
        caret_ = length;
        showCaret();
        return true;
    case Qt::Key_Escape: {
        endTyping();
        carryOut(tools_.key(ToolKey::Escape));
        return true;
    }
    default:
        return false;
    }
    setText(typing_, t);
    afterTextChange(oldBox);
    return true;
}

// Re-anchors the typed line: a line placed by a click has a baseline as
// long as its widest line, one placed as a box keeps the box's baseline.
void DocumentWindow::afterTextChange(PaintRect oldBox)
{
    ItemRecord& text = *typing_;
    const ScreenMetrics& screen = context_.screen();
    if (!tools_.textBoxEnd()) {
        const std::u16string_view all = itemText(text);
        int widest = 0;
        for (int k = 1; k <= lineCount(all); ++k)
            widest = std::max(widest, lineWidth(text, textLine(all, k), 1.0, screen));
        const double t = text.body.textAngle / 10.0 * std::numbers::pi / 180.0;
        const QPoint end = pointAt(QPoint(text.body.x1, text.body.y1), widest, t);
        text.body.x2 = end.x();
        text.body.y2 = end.y();
        syncRealCoordinates(&text, screen);
    }
    textBox(text, screen);
    setModified(items_, true);
    PaintRect area = oldBox.normalised();
    area.include(paintBox(text, screen).normalised());
    QRect dirty = band_.erase(*canvasBitmap_);
    dirty |= toRect(
        documentpainting::repaintUnits(*canvasBitmap_, items_, screen, tileX_, tileY_, area, speed_));
    if (!dirty.isEmpty())
        canvasImage_->update(dirty);
    showCaret();
}

void DocumentWindow::showCaret()
{
    if (!typing_) {
        caretTimer_.stop();
        canvasImage_->setCaret(std::nullopt);
        return;
    }
    const ItemBody& b = typing_->body;
    const QPoint start(docToScreen(b.x1, tileX_), docToScreen(b.y1, tileY_));
    canvasImage_->setCaret(textCaret(*typing_, caret_, start, zoomOf(items_), context_.screen()));
    caretTimer_.start();
}

void DocumentWindow::blinkCaret()
{
    if (!typing_) {
        showCaret();
        return;
    }
    if (canvasImage_->caret())
        canvasImage_->setCaret(std::nullopt);
    else
        showCaret();
}

void DocumentWindow::endTyping()
{
    ItemRecord* text = typing_;
    typing_ = nullptr;
    caret_ = 0;
    showCaret();
    // A line typed and then rubbed out again is no item: it goes with its step.
    if (text && textLength(text) == 0) {
        freeItem(items_, text);
        emit historyChanged();
    }
}

void DocumentWindow::undo()
{
    cancelPending();
    repaintBoxes(undoStep(items_).toggled);
    emit historyChanged();
    emit selectionChanged();
}

void DocumentWindow::redo()
{
    cancelPending();
    repaintBoxes(redoStep(items_).toggled);
    emit historyChanged();
    emit selectionChanged();
}

void DocumentWindow::clearUndoHistory()
{
    cancelPending();
    clearHistory(items_);
    repaintCanvas();
    emit historyChanged();
    emit selectionChanged();
}

bool DocumentWindow::eraseSelection()
{
    const EditStep step = eraseSelected(items_, context_.screen());
    if (step.empty())
        return false;
    repaintBoxes(step.superseded);
    emit historyChanged();
    emit selectionChanged();
    return true;
}

bool DocumentWindow::canUndo() const
{
    return historyAvailability(items_).canUndo;
}

bool DocumentWindow::canRedo() const
{
    return historyAvailability(items_).canRedo;
}
