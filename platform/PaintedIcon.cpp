#include "platform/PaintedIcon.h"

#include <QPainter>
#include <QPen>
#include <QPixmap>

QPen iconPen(double width, const QColor& color)
{
    QPen pen(color, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QIcon makePaintedIcon(const IconPainter& paint)
{
    QIcon icon;
    for (int size : { 18, 24, 36, 48 }) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 20.0, size / 20.0);
        paint(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
