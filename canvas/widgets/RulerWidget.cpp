#include "canvas/widgets/RulerWidget.h"

#include <QMouseEvent>
#include <QPainter>

RulerWidget::RulerWidget(bool horizontal, QWidget* parent)
    : QWidget(parent)
    , horizontal_(horizontal)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void RulerWidget::setImage(QImage image)
{
    image_ = std::move(image);
    update();
}

void RulerWidget::setMark(int position)
{
    if (position == mark_)
        return;
    mark_ = position;
    update();
}

void RulerWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
    if (mark_ < 0)
        return;
    // The mark is drawn over the image rather than into it, so erasing it
    // puts back exactly the ruler pixels that were under it.
    painter.setPen(Qt::red);
    if (horizontal_)
        painter.drawLine(mark_, 0, mark_, height() - 1);
    else
        painter.drawLine(0, mark_, width() - 1, mark_);
}

void RulerWidget::mousePressEvent(QMouseEvent* event)
{
    emit pressed(event->position().toPoint(), event->button());
}

void RulerWidget::mouseMoveEvent(QMouseEvent* event)
{
    emit moved(event->position().toPoint(), event->buttons());
}

void RulerWidget::mouseReleaseEvent(QMouseEvent* event)
{
    emit released(event->position().toPoint(), event->button());
}

void RulerWidget::leaveEvent(QEvent*)
{
    emit left();
}
