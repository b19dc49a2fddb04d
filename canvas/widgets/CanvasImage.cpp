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
