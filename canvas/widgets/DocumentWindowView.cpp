// The view side of the document window: layout, tiling, scrolling, rulers
// and zoom.
#include "canvas/widgets/DocumentWindow.h"

#include "base/ScreenMetrics.h"
#include "canvas/CanvasTiling.h"
#include "canvas/DocumentPainting.h"
#include "canvas/DocumentSettings.h"
#include "canvas/EditorContext.h"
#include "canvas/RulerPainter.h"
#include "canvas/ViewLayout.h"
#include "canvas/widgets/CanvasImage.h"
#include "canvas/widgets/DragHint.h"
#include "canvas/widgets/RulerWidget.h"
#include "model/DrawingHeader.h"
#include "model/ItemRecord.h"
#include "platform/Bitmap24.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace {

QWidget* makePanel(QWidget* parent, const char* name, const QColor& colour)
{
    auto* w = new QWidget(parent);
    w->setObjectName(QString::fromLatin1(name));
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, colour);
    w->setPalette(pal);
    return w;
}

} // namespace

void DocumentWindow::createControls()
{
    const RulerStyle style = documentsettings::rulerStyle();
    rulerCorner_ = makePanel(this, "rulerCorner", style.outsideColour);
    rulerX_ = new RulerWidget(true, this);
    rulerX_->setObjectName(QStringLiteral("rulerX"));
    rulerY_ = new RulerWidget(false, this);
    rulerY_->setObjectName(QStringLiteral("rulerY"));
    viewPanel_ = makePanel(this, "viewPanel", palette().color(QPalette::Dark));
    viewPanel_->setMouseTracking(true);
    anchorStripBackground_ = makePanel(viewPanel_, "anchorStripBackground", palette().color(QPalette::Dark));
    anchorStripBackground_->setMouseTracking(true);
    canvasHolder_ = makePanel(viewPanel_, "canvasHolder", Qt::white);
    canvasImage_ = new CanvasImage(canvasBitmap_.get(), canvasHolder_);
    canvasImage_->setObjectName(QStringLiteral("canvasImage"));
    dragHint_ = new DragHint(viewPanel_);
    dragHint_->setObjectName(QStringLiteral("dragHint"));
    dragHint_->setStyle(style);
    scrollBarX_ = new QScrollBar(Qt::Horizontal, this);
    scrollBarX_->setObjectName(QStringLiteral("scrollBarX"));
    scrollBarY_ = new QScrollBar(Qt::Vertical, this);
    scrollBarY_->setObjectName(QStringLiteral("scrollBarY"));
    for (QScrollBar* bar : { scrollBarX_, scrollBarY_ }) {
        bar->setSingleStep(20);
        bar->hide();
    }
    scrollCorner_ = makePanel(this, "scrollCorner", palette().color(QPalette::Window));
    scrollCorner_->hide();

    connect(scrollBarX_, &QScrollBar::valueChanged, this, &DocumentWindow::scrollBarXChange);
    connect(scrollBarY_, &QScrollBar::valueChanged, this, &DocumentWindow::scrollBarYChange);
    for (RulerWidget* ruler : { rulerX_, rulerY_ }) {
        const bool horizontal = ruler->horizontal();
        connect(ruler, &RulerWidget::pressed, this, [this, horizontal](QPoint at, Qt::MouseButton button) {
            if (button == Qt::LeftButton)
                rulerMouseDown(horizontal, at);
        });
        connect(ruler, &RulerWidget::moved, this,
            [this, horizontal](QPoint at, Qt::MouseButtons) { rulerMouseMove(horizontal, at); });
        connect(ruler, &RulerWidget::released, this, [this, horizontal](QPoint at, Qt::MouseButton button) {
            if (button == Qt::LeftButton)
                rulerMouseUp(horizontal, at);
        });
        connect(ruler, &RulerWidget::left, this, &DocumentWindow::resetRulerCursors);
    }
    // The canvas's mouse goes to the tools; a move also marks the rulers.
    connect(canvasImage_, &CanvasImage::pressed, this, &DocumentWindow::canvasPress);
    connect(canvasImage_, &CanvasImage::moved, this, &DocumentWindow::canvasMove);
    connect(canvasImage_, &CanvasImage::released, this, &DocumentWindow::canvasRelease);
    setMouseTracking(true);
    for (QObject* o : { static_cast<QObject*>(this), static_cast<QObject*>(viewPanel_),
             static_cast<QObject*>(anchorStripBackground_) })
        o->installEventFilter(this);
}

bool DocumentWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A move over the window outside the canvas clears the ruler marks and the hint.
    if (event->type() == QEvent::MouseMove
        && (watched == this || watched == viewPanel_ || watched == anchorStripBackground_)) {
        eraseRulerMarks();
        hideHint();
        resetRulerCursors();
    }
    return QWidget::eventFilter(watched, event);
}

void DocumentWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!destroying_)
        layoutView();
}

// The wheel scrolls the canvas as in any view: up and down, sideways with
// Shift or on a sideways wheel; with Ctrl it zooms by the zoom steps.
void DocumentWindow::wheelEvent(QWheelEvent* event)
{
    constexpr int kNotch = QWheelEvent::DefaultDeltasPerStep;
    QPoint angle = event->angleDelta();
    if (event->modifiers() & Qt::ControlModifier) {
        zoomWheelRest_ += angle.y() != 0 ? angle.y() : angle.x();
        const int steps = zoomWheelRest_ / kNotch;
        zoomWheelRest_ -= steps * kNotch;
        if (steps != 0)
            emit zoomStepsRequested(steps);
        event->accept();
        return;
    }
    QPoint pixels = event->pixelDelta();
    if (event->modifiers() & Qt::ShiftModifier) {
        angle = angle.transposed();
        pixels = pixels.transposed();
    }
    QPoint move;
    if (!pixels.isNull()) {
        move = pixels;
    } else {
        wheelRest_ += angle;
        const int notchPixels = QApplication::wheelScrollLines() * scrollBarY_->singleStep();
        move = wheelRest_ * notchPixels / kNotch;
        wheelRest_ -= move * kNotch / notchPixels;
    }
    // Turning the wheel towards the user (a negative delta) moves down the drawing.
    if (!scrollBarX_->isHidden())
        scrollBarX_->setValue(scrollBarX_->value() - move.x());
    if (!scrollBarY_->isHidden())
        scrollBarY_->setValue(scrollBarY_->value() - move.y());
    event->accept();
}

void DocumentWindow::layoutView()
{
    HeaderBody* h = header();
    if (busy_ || destroying_ || !h)
        return;
    busy_ = true;
    const ViewLayout l = computeViewLayout(width(), height(), h->screenMaxX, h->screenMaxY);
    viewPanel_->setGeometry(l.view);
    anchorStripBackground_->setGeometry(0, 0, l.view.width(), l.view.height());
    const std::pair<QScrollBar*, std::tuple<bool, QRect, int, int>> bars[] = {
        { scrollBarX_, { l.showScrollX, l.scrollX, l.scrollMaxX, l.view.width() } },
        { scrollBarY_, { l.showScrollY, l.scrollY, l.scrollMaxY, l.view.height() } },
    };
    for (const auto& [bar, setting] : bars) {
        const auto& [shown, rect, max, page] = setting;
        const QSignalBlocker block(bar);
        if (shown) {
            bar->setGeometry(rect);
            bar->setRange(0, max);
            bar->setPageStep(std::max(1, page));
            bar->show();
        } else {
            bar->setValue(0);
            bar->hide();
        }
    }
    scrollCorner_->setVisible(l.showFiller);
    if (l.showFiller)
        scrollCorner_->setGeometry(l.filler);
    originX_ = h->screenMinX - scrollBarX_->value();
    originY_ = h->screenMinY - scrollBarY_->value();
    recomputeTile();
    rulerCorner_->setGeometry(l.corner);
    rulerX_->setGeometry(l.rulerX);
    rulerY_->setGeometry(l.rulerY);
    redrawRulers();
    busy_ = false;
}

// Re-creates the canvas bitmap when the canvas's size changed, chooses the
// part of the canvas it holds and repaints when that part changed.
void DocumentWindow::recomputeTile()
{
    const HeaderBody* h = header();
    if (!h)
        return;
    bool recreated = false;
    // A view longer than a tile needs a longer bitmap, else part of it stays blank.
    const int bitmapWidth = canvasBitmapSize(h->screenWidth, viewPanel_->width());
    const int bitmapHeight = canvasBitmapSize(h->screenHeight, viewPanel_->height());
    if (h->screenWidth != lastWidth_ || h->screenHeight != lastHeight_
        || bitmapWidth != canvasBitmap_->width() || bitmapHeight != canvasBitmap_->height()) {
        canvasBitmap_->resize(bitmapWidth, bitmapHeight);
        canvasHolder_->resize(canvasBitmap_->width(), canvasBitmap_->height());
        canvasImage_->resize(canvasBitmap_->width(), canvasBitmap_->height());
        lastWidth_ = h->screenWidth;
        lastHeight_ = h->screenHeight;
        recreated = true;
    }
    // A fresh bitmap holds nothing yet: its place is chosen from the start.
    const std::int32_t tx = tileOffset(
        { canvasBitmap_->width(), originX_, viewPanel_->width(), h->screenWidth, recreated ? 0 : tileX_ });
    const std::int32_t ty = tileOffset(
        { canvasBitmap_->height(), originY_, viewPanel_->height(), h->screenHeight, recreated ? 0 : tileY_ });
    const bool moved = tx != tileX_ || ty != tileY_;
    tileX_ = tx;
    tileY_ = ty;
    placeCanvas();
    if (moved || recreated)
        repaintCanvas();
}

void DocumentWindow::placeCanvas()
{
    canvasHolder_->move(originX_ + tileX_, originY_ + tileY_);
}

void DocumentWindow::scrollBarXChange(int position)
{
    const HeaderBody* h = header();
    if (!h)
        return;
    eraseRulerMarks();
    originX_ = h->screenMinX - position;
    recomputeTile();
    redrawRuler(true);
}

void DocumentWindow::scrollBarYChange(int position)
{
    const HeaderBody* h = header();
    if (!h)
        return;
    eraseRulerMarks();
    originY_ = h->screenMinY - position;
    recomputeTile();
    redrawRuler(false);
}

void DocumentWindow::redrawRulers()
{
    redrawRuler(true);
    redrawRuler(false);
}

// The ruler is painted for the visible part of the view only, counting its
// ticks from the canvas's edge, so scrolling far along a large canvas costs
// the same as scrolling near its start.
void DocumentWindow::redrawRuler(bool horizontal)
{
    const HeaderBody* h = header();
    if (!h)
        return;
    RulerWidget* ruler = horizontal ? rulerX_ : rulerY_;
    RulerView v;
    v.horizontal = horizontal;
    v.length = horizontal ? viewPanel_->width() : viewPanel_->height();
    v.bandStart = horizontal ? originX_ : originY_;
    v.bandLength = horizontal ? h->screenWidth : h->screenHeight;
    if (rulerDrag_.active() && rulerDrag_.horizontal() == horizontal) {
        if (rulerDrag_.resizes())
            v.bandLength = rulerDrag_.value();
        else
            v.bandStart = rulerDrag_.value() - (horizontal ? scrollBarX_->value() : scrollBarY_->value());
    }
    const ScreenMetrics& s = context_.screen();
    v.ticks = rulerTicks(h->units, h->zoom, horizontal, horizontal ? s.pixelsPerMmX() : s.pixelsPerMmY(),
        horizontal ? s.dpiX : s.dpiY);
    ruler->setImage(paintRuler(v, documentsettings::rulerStyle()));
}

void DocumentWindow::markRulers(QPoint p)
{
    rulerX_->setMark(p.x() + tileX_ + originX_);
    rulerY_->setMark(p.y() + tileY_ + originY_);
}

void DocumentWindow::eraseRulerMarks()
{
    rulerX_->setMark(-1);
    rulerY_->setMark(-1);
}

void DocumentWindow::applyZoom(double zoom)
{
    HeaderBody* h = header();
    if (!h || !(zoom > 0))
        return;
    documentpainting::restoreMarks(*canvasBitmap_, items_);
    dropClipCaches(items_);
    eraseRulerMarks();
    h->zoom = zoom;
    recomputeScreenExtent(*h);
    openingPass_ = true;
    layoutView();
    effectsTimer_.start();
}
