#include "shell/CommandButton.h"

#include <QPainter>
#include <QStyleOption>

CommandButton::CommandButton(UpperButton which, const QIcon& icon, const QString& hint, QWidget* parent)
    : QAbstractButton(parent)
    , which_(which)
{
    setIcon(icon);
    setIconSize({ 18, 18 });
    setToolTip(hint);
    setStatusTip(hint);
    setAccessibleName(hint);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(sizeHint());
}

void CommandButton::setRaised(bool raised)
{
    if (raised_ == raised)
        return;
    raised_ = raised;
    update();
}

void CommandButton::setPressedIn(bool pressedIn)
{
    if (pressedIn_ == pressedIn)
        return;
    pressedIn_ = pressedIn;
    update();
}

void CommandButton::enterEvent(QEnterEvent* event)
{
    QAbstractButton::enterEvent(event);
    if (isEnabled())
        emit hovered(which_);
}

void CommandButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect box = rect().adjusted(0, 0, -1, -1);
    const bool sunken = pressedIn_ || isDown();
    const QPalette& pal = palette();
    if (sunken) {
        painter.fillRect(box, pal.color(QPalette::Button).darker(112));
        painter.setPen(pal.color(QPalette::Dark));
        painter.drawLine(box.topLeft(), box.topRight());
        painter.drawLine(box.topLeft(), box.bottomLeft());
        painter.setPen(pal.color(QPalette::Light));
        painter.drawLine(box.bottomLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomRight());
    } else if (raised_) {
        painter.fillRect(box, pal.color(QPalette::Button).lighter(108));
        painter.setPen(pal.color(QPalette::Light));
        painter.drawLine(box.topLeft(), box.topRight());
        painter.drawLine(box.topLeft(), box.bottomLeft());
        painter.setPen(pal.color(QPalette::Dark));
        painter.drawLine(box.bottomLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomRight());
    }
    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    const QPixmap pixmap = icon().pixmap(iconSize(), devicePixelRatioF(), mode);
    const QPoint at((width() - iconSize().width()) / 2 + (sunken ? 1 : 0),
        (height() - iconSize().height()) / 2 + (sunken ? 1 : 0));
    painter.drawPixmap(at, pixmap);
}
