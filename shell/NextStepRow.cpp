#include "shell/NextStepRow.h"

#include "platform/PaintedIcon.h"

#include <QPainter>

namespace {
constexpr int kHeight = 24;

// A small right-pointing arrow in a circle: "go on with this".
QIcon rowIcon()
{
    static const QIcon icon = makePaintedIcon([](QPainter& p) {
        p.setPen(iconPen(1.2, iconcolors::kAccent));
        p.setBrush(QColor(0xe6, 0xf1, 0xfc));
        p.drawEllipse(QPointF(10, 10), 8, 8);
        p.setPen(iconPen(2, iconcolors::kAccent));
        p.drawLine(QPointF(6, 10), QPointF(13, 10));
        p.drawLine(QPointF(10, 6.5), QPointF(13.5, 10));
        p.drawLine(QPointF(10, 13.5), QPointF(13.5, 10));
    });
    return icon;
}
} // namespace

NextStepRow::NextStepRow(QWidget* parent)
    : QAbstractButton(parent)
{
    setIcon(rowIcon());
    setIconSize({ 16, 16 });
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

QSize NextStepRow::sizeHint() const { return { 110, kHeight }; }

void NextStepRow::setStep(int step, const QString& caption)
{
    step_ = step;
    setText(caption);
    setToolTip(caption);
    update();
}

void NextStepRow::setHighlighted(bool highlighted)
{
    if (highlighted_ == highlighted)
        return;
    highlighted_ = highlighted;
    update();
}

void NextStepRow::enterEvent(QEnterEvent* event)
{
    QAbstractButton::enterEvent(event);
    emit hovered();
}

void NextStepRow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& pal = palette();
    const QRect box = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(box, highlighted_ ? pal.color(QPalette::Highlight).lighter(170) : pal.color(QPalette::Base));
    painter.setPen(pal.color(QPalette::Mid));
    painter.drawRect(box);
    painter.drawPixmap(4, (height() - 16) / 2, icon().pixmap(iconSize(), devicePixelRatioF()));
    painter.setPen(pal.color(QPalette::Text));
    const QRect textBox(24, 0, width() - 26, height());
    painter.drawText(textBox, Qt::AlignVCenter | Qt::AlignLeft,
        fontMetrics().elidedText(text(), Qt::ElideRight, textBox.width()));
}
