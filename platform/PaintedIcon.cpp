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

QImage paintedIconImage(const IconPainter& paint, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 20.0, size / 20.0);
    paint(painter);
    painter.end();
    return image;
}

QIcon makePaintedIcon(const IconPainter& paint)
{
    QIcon icon;
    for (int size : { 18, 24, 36, 48 })
        icon.addPixmap(QPixmap::fromImage(paintedIconImage(paint, size)));
    return icon;
}
