#include "shell/AppIcon.h"

#include "platform/PaintedIcon.h"

#include <QPainter>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace {

void paintAppIcon(QPainter& p)
{
    p.setPen(iconPen(1.0));
    p.setBrush(QColor(0xfd, 0xf6, 0xe3));
    p.drawRoundedRect(QRectF(2, 1.5, 16, 17), 2, 2);
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 ? 2.8 : 6.5;
        const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        star << QPointF(10 + r * std::cos(a), 10.5 + r * std::sin(a));
    }
    p.setBrush(iconcolors::kAccent);
    p.drawPolygon(star);
}

} // namespace

QIcon appIcon()
{
    return makePaintedIcon(paintAppIcon);
}

QImage appIconImage(int size)
{
    return paintedIconImage(paintAppIcon, size);
}
