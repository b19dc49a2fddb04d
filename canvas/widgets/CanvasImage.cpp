#include "canvas/widgets/CanvasImage.h"

#include "platform/Bitmap24.h"

#include <QPaintEvent>
#include <QPainter>

CanvasImage::CanvasImage(const Bitmap24* bitmap, QWidget* parent)
    : QWidget(parent)
    , bitmap_(bitmap)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CanvasImage::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (bitmap_ && !bitmap_->isNull())
        painter.drawImage(event->rect(), bitmap_->image(), event->rect());
    if (caret_) {
        painter.setCompositionMode(QPainter::CompositionMode_Difference);
        painter.setPen(QPen(Qt::white, 2));
        painter.drawLine(caret_->first, caret_->second);
    }
}

namespace {

QRect caretArea(const std::optional<std::pair<QPoint, QPoint>>& caret)
{
    return caret ? QRect(caret->first, caret->second).normalized().adjusted(-3, -3, 3, 3) : QRect();
}

} // namespace

void CanvasImage::setCaret(std::optional<std::pair<QPoint, QPoint>> caret)
{
    if (caret == caret_)
        return;
    const QRect old = caretArea(caret_);
    caret_ = caret;
    update(old | caretArea(caret_));
}

void CanvasImage::mousePressEvent(QMouseEvent* event)
{
    emit pressed(event);
}

void CanvasImage::mouseMoveEvent(QMouseEvent* event)
{
    emit moved(event);
}

void CanvasImage::mouseReleaseEvent(QMouseEvent* event)
{
    emit released(event);
}

void CanvasImage::mouseDoubleClickEvent(QMouseEvent* event)
{
    emit doubleClicked(event);
}
