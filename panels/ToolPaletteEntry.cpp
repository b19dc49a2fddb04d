#include "panels/ToolPaletteEntry.h"

#include "platform/PaintedIcon.h"

#include <QPainter>

namespace {
constexpr int kHeight = 24;
constexpr int kIconSize = 18;
} // namespace

ToolPaletteEntry::ToolPaletteEntry(const ToolInfo& tool, const QString& name, QWidget* parent)
    : QAbstractButton(parent)
    , tool_(tool.tool)
    , page_(tool.page)
{
    setText(name);
    if (tool.icon)
        setIcon(makePaintedIcon(tool.icon));
    setIconSize({ kIconSize, kIconSize });
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(name);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize ToolPaletteEntry::sizeHint() const
{
    return { kIconSize + 12 + fontMetrics().horizontalAdvance(text()), kHeight };
}

void ToolPaletteEntry::setRaised(bool raised)
{
    if (raised_ == raised)
        return;
    raised_ = raised;
    update();
}

void ToolPaletteEntry::enterEvent(QEnterEvent* event)
{
    QAbstractButton::enterEvent(event);
    if (isEnabled())
        emit hovered(this);
}

void ToolPaletteEntry::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& pal = palette();
    const QRect box = rect().adjusted(0, 0, -1, -1);
    const bool sunken = isDown();
    if (raised_ || sunken) {
        painter.fillRect(box, pal.color(QPalette::Button).lighter(sunken ? 95 : 108));
        painter.setPen(pal.color(sunken ? QPalette::Dark : QPalette::Light));
        painter.drawLine(box.topLeft(), box.topRight());
        painter.drawLine(box.topLeft(), box.bottomLeft());
        painter.setPen(pal.color(sunken ? QPalette::Light : QPalette::Dark));
        painter.drawLine(box.bottomLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomRight());
    }
    const QIcon::Mode mode = !isEnabled() ? QIcon::Disabled : QIcon::Normal;
    const int shift = raised_ || sunken ? 1 : 0;
    const QPixmap pixmap = icon().pixmap(iconSize(), devicePixelRatioF(), mode);
    const int top = (height() - kIconSize) / 2;
    // The raised entry shows its picture pressed in: a small sunken well.
    if (raised_) {
        painter.fillRect(QRect(3, top - 1, kIconSize + 2, kIconSize + 2), pal.color(QPalette::Base));
        painter.setPen(pal.color(QPalette::Mid));
        painter.drawRect(QRect(3, top - 1, kIconSize + 1, kIconSize + 1));
    }
    painter.drawPixmap(4 + shift, top + shift, pixmap);
    painter.setPen(pal.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(QRect(kIconSize + 10, 0, width() - kIconSize - 10, height()),
        Qt::AlignVCenter | Qt::AlignLeft, text());
}
