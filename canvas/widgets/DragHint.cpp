#include "canvas/widgets/DragHint.h"

#include <QPainter>

#include <algorithm>

namespace {
constexpr int kHintWidth = 120;
constexpr int kHintHeight = 20;
} // namespace

DragHint::DragHint(QWidget* parent)
    : QWidget(parent)
{
    resize(kHintWidth, kHintHeight);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void DragHint::setText(const QString& text)
{
    text_ = text;
    image_ = QImage(kHintWidth, kHintHeight, QImage::Format_RGB32);
    image_.fill(style_.hintBackground);
    QPainter painter(&image_);
    painter.setPen(style_.hintColour.darker(150));
    painter.drawRect(0, 0, kHintWidth - 1, kHintHeight - 1);
    QFont font = style_.labelFont;
    font.setBold(true);
    font.setPixelSize(11);
    painter.setFont(font);
    painter.setPen(style_.hintColour);
    painter.drawText(QRect(4, 4, kHintWidth - 6, kHintHeight - 4), Qt::AlignLeft | Qt::AlignTop, text_);
    painter.end();
    update();
}

void DragHint::placeAt(QPoint at)
{
    const QWidget* p = parentWidget();
    int x = at.x();
    int y = at.y();
    if (p) {
        x = std::clamp(x, 0, std::max(0, p->width() - width()));
        y = std::clamp(y, 0, std::max(0, p->height() - height()));
    }
    move(x, y);
}

void DragHint::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}
