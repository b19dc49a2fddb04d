#include "canvas/ToolIcons.h"

#include "platform/PaintedIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace {

void outlined(QPainter& p)
{
    p.setPen(iconPen());
    p.setBrush(iconcolors::kFill);
}

QPolygonF regular(int corners, double radius, double innerRadius, QPointF centre)
{
    QPolygonF polygon;
    const int points = innerRadius > 0 ? corners * 2 : corners;
    for (int i = 0; i < points; ++i) {
        const double r = (innerRadius > 0 && i % 2 == 1) ? innerRadius : radius;
        const double a = -std::numbers::pi / 2 + i * 2 * std::numbers::pi / points;
        polygon << centre + QPointF(r * std::cos(a), r * std::sin(a));
    }
    return polygon;
}

} // namespace

namespace toolicons {

// A hand with a pointing finger.
void pointer(QPainter& p)
{
    QPainterPath hand;
    hand.moveTo(7, 11);
    hand.lineTo(7, 3.2);
    hand.cubicTo(7, 1.6, 9.6, 1.6, 9.6, 3.2);
    hand.lineTo(9.6, 8.5);
    hand.cubicTo(9.6, 7.2, 12, 7.2, 12, 8.5);
    hand.cubicTo(12, 7.4, 14.3, 7.4, 14.3, 9);
    hand.cubicTo(14.3, 8, 16.5, 8, 16.5, 9.6);
    hand.lineTo(16.5, 13.5);
    hand.cubicTo(16.5, 16.5, 15, 18.5, 12, 18.5);
    hand.lineTo(10, 18.5);
    hand.cubicTo(8, 18.5, 7, 17, 5.5, 15);
    hand.lineTo(3.3, 12);
    hand.cubicTo(2.5, 10.8, 4.2, 9.6, 5.2, 10.6);
    hand.closeSubpath();
    p.setPen(iconPen(1.1));
    p.setBrush(QColor(0xff, 0xe4, 0xc4));
    p.drawPath(hand);
    p.setPen(iconPen(0.7));
    p.drawLine(QPointF(9.6, 8.5), QPointF(9.6, 11));
    p.drawLine(QPointF(12, 8.5), QPointF(12, 11));
    p.drawLine(QPointF(14.3, 9), QPointF(14.3, 11.5));
}

void picture(QPainter& p)
{
    p.setPen(iconPen(1.2));
    p.setBrush(QColor(0xd7, 0xec, 0xff));
    p.drawRect(QRectF(2, 3.5, 16, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(iconcolors::kFolder);
    p.drawEllipse(QPointF(13.5, 7.5), 2, 2);
    p.setBrush(iconcolors::kGreen);
    p.drawPolygon(QPolygonF({ { 2.6, 15.9 }, { 8, 9 }, { 12, 13.5 }, { 14, 11.5 }, { 17.4, 15.9 } }));
}

void text(QPainter& p)
{
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(18);
    font.setBold(true);
    p.setFont(font);
    p.setPen(iconcolors::kOutline);
    p.drawText(QRectF(0, 0, 20, 20), Qt::AlignCenter, QStringLiteral("A"));
}

void line(QPainter& p)
{
    p.setPen(iconPen(1.8));
    p.drawLine(QPointF(3.5, 16.5), QPointF(16.5, 3.5));
    p.setPen(iconPen(1));
    p.setBrush(iconcolors::kAccent);
    p.drawEllipse(QPointF(3.5, 16.5), 1.8, 1.8);
    p.drawEllipse(QPointF(16.5, 3.5), 1.8, 1.8);
}

void arc(QPainter& p)
{
    p.setPen(iconPen(1.8));
    p.drawArc(QRectF(3, 4, 14, 14), 20 * 16, 140 * 16);
}

void spline(QPainter& p)
{
    QPainterPath path(QPointF(2, 14));
    path.cubicTo(QPointF(5, 2), QPointF(9, 2), QPointF(10, 10));
    path.cubicTo(QPointF(11, 18), QPointF(15, 18), QPointF(18, 6));
    p.setPen(iconPen(1.8));
    p.drawPath(path);
}

void curve(QPainter& p)
{
    QPainterPath path(QPointF(3, 16));
    path.cubicTo(QPointF(5, 3), QPointF(15, 3), QPointF(17, 16));
    p.setPen(iconPen(0.8, iconcolors::kAccent));
    p.drawLine(QPointF(3, 16), QPointF(5, 3));
    p.drawLine(QPointF(17, 16), QPointF(15, 3));
    p.setPen(iconPen(1.8));
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(iconcolors::kAccent);
    p.drawRect(QRectF(4, 2, 2, 2));
    p.drawRect(QRectF(14, 2, 2, 2));
}

void triangle(QPainter& p)
{
    outlined(p);
    p.drawPolygon(QPolygonF({ { 10, 2.5 }, { 18, 17 }, { 2, 17 } }));
}

void square(QPainter& p)
{
    outlined(p);
    p.drawRect(QRectF(3, 3, 14, 14));
}

void rectangle(QPainter& p)
{
    outlined(p);
    p.drawRect(QRectF(1.5, 5, 17, 10));
}

void circle(QPainter& p)
{
    outlined(p);
    p.drawEllipse(QPointF(10, 10), 7.5, 7.5);
}

void pie(QPainter& p)
{
    outlined(p);
    p.drawPie(QRectF(2.5, 2.5, 15, 15), 45 * 16, 270 * 16);
}

void ellipse(QPainter& p)
{
    outlined(p);
    p.drawEllipse(QPointF(10, 10), 8.5, 5.5);
}

void polygon(QPainter& p)
{
    outlined(p);
    p.drawPolygon(regular(6, 8, 0, { 10, 10.5 }));
}

void star(QPainter& p)
{
    outlined(p);
    p.drawPolygon(regular(5, 8.5, 3.6, { 10, 11 }));
}

void solid(QPainter& p)
{
    QPainterPath path(QPointF(3, 10));
    path.cubicTo(QPointF(2, 2), QPointF(12, 1), QPointF(15, 5));
    path.cubicTo(QPointF(19, 10), QPointF(16, 18), QPointF(10, 17));
    path.cubicTo(QPointF(5, 16), QPointF(4, 14), QPointF(3, 10));
    p.setPen(iconPen());
    p.setBrush(iconcolors::kAccent);
    p.drawPath(path);
}

void oblong(QPainter& p)
{
    outlined(p);
    p.drawRoundedRect(QRectF(1.5, 5, 17, 10), 5, 5);
}

} // namespace toolicons
