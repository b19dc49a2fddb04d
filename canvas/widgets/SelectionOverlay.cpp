#include "canvas/widgets/SelectionOverlay.h"

#include <QEvent>
#include <QPainter>

SelectionOverlay::SelectionOverlay(QWidget* canvas, Provider provider, HandleStyle style)
    : QWidget(canvas)
    , provider_(std::move(provider))
    , style_(style)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(canvas->rect());
    canvas->installEventFilter(this);
    show();
}

bool SelectionOverlay::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void SelectionOverlay::paintEvent(QPaintEvent*)
{
    const Marks m = provider_();
    QPainter painter(this);
    const QColor grey(128, 128, 128);
    painter.setPen(QPen(grey, 1, Qt::DotLine));
    for (const auto& [centre, dot] : m.dotLines)
        painter.drawLine(centre, dot);
    painter.setPen(QPen(grey, 1));
    for (const Handle& h : m.handles) {
        // The rectangle's right and bottom edges belong to the handle.
        const QRect r = handleRect(h, style_).adjusted(0, 0, -1, -1);
        const bool dot = h.code == handlecode::kRotate || h.code == handlecode::kGroupRotate;
        painter.setBrush(dot ? QColor(0, 255, 0) : QColor(255, 255, 0));
        if (dot)
            painter.drawEllipse(r);
        else
            painter.drawRect(r);
    }
    if (!m.area.isEmpty()) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(255, 0, 0), 1, Qt::DotLine));
        painter.drawRect(m.area.adjusted(-1, -1, 1, 1));
    }
}
