#include "shell/CommandIcons.h"

#include "platform/PaintedIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace {

using namespace iconcolors;

void page(QPainter& p, QRectF r)
{
    const double fold = r.width() * 0.35;
    p.setPen(iconPen(1.2));
    p.setBrush(kPaper);
    p.drawPolygon(QPolygonF({ r.topLeft(), { r.right() - fold, r.top() }, { r.right(), r.top() + fold },
        r.bottomRight(), r.bottomLeft() }));
    p.drawPolyline(QPolygonF({ { r.right() - fold, r.top() }, { r.right() - fold, r.top() + fold },
        { r.right(), r.top() + fold } }));
}

void arrow(QPainter& p, QPointF from, QPointF to, const QColor& color)
{
    p.setPen(iconPen(2, color));
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF n(-d.y(), d.x());
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(QPolygonF({ to + d * 2.5, to - d * 1.5 + n * 3, to - d * 1.5 - n * 3 }));
}

void newFile(QPainter& p)
{
    page(p, QRectF(4, 2, 12, 16));
    p.setPen(Qt::NoPen);
    p.setBrush(kFolder);
    p.drawPolygon(QPolygonF({ { 14, 12 }, { 15, 14.5 }, { 17.5, 15 }, { 15, 16 }, { 14, 18.5 }, { 13, 16 },
        { 10.5, 15 }, { 13, 14.5 } }));
}

void openFile(QPainter& p)
{
    p.setPen(iconPen(1.2));
    p.setBrush(kFolder.darker(115));
    p.drawPolygon(QPolygonF({ { 2, 5 }, { 7, 5 }, { 8.5, 6.5 }, { 16, 6.5 }, { 16, 16 }, { 2, 16 } }));
    p.setBrush(kFolder);
    p.drawPolygon(QPolygonF({ { 2, 16 }, { 5, 9 }, { 19, 9 }, { 16, 16 } }));
}

void save(QPainter& p)
{
    p.setPen(iconPen(1.2));
    p.setBrush(kAccent);
    p.drawRoundedRect(QRectF(2.5, 2.5, 15, 15), 1.5, 1.5);
    p.setBrush(kPaper);
    p.drawRect(QRectF(5, 2.5, 10, 6));
    p.setBrush(QColor(0xe0, 0xe6, 0xee));
    p.drawRect(QRectF(5.5, 11.5, 9, 6));
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    p.drawRect(QRectF(11.5, 3.5, 2, 4));
}

void exportPicture(QPainter& p)
{
    p.setPen(iconPen(1.2));
    p.setBrush(kPaper);
    p.drawRect(QRectF(2, 6, 13, 11));
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawPolygon(QPolygonF({ { 2.6, 16.4 }, { 7, 10 }, { 11, 16.4 } }));
    arrow(p, QPointF(10, 10), QPointF(16, 3.5), kRed);
}

void print(QPainter& p)
{
    p.setPen(iconPen(1.2));
    p.setBrush(kPaper);
    p.drawRect(QRectF(5.5, 2, 9, 6));
    p.setBrush(QColor(0x8a, 0x96, 0xa8));
    p.drawRoundedRect(QRectF(2, 7, 16, 7.5), 1.5, 1.5);
    p.setBrush(kPaper);
    p.drawRect(QRectF(5.5, 12, 9, 6));
    p.setPen(iconPen(0.8));
    p.drawLine(QPointF(7, 14.5), QPointF(13, 14.5));
    p.drawLine(QPointF(7, 16.3), QPointF(11, 16.3));
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawEllipse(QPointF(15.5, 9.5), 1, 1);
}

void turnArrow(QPainter& p, bool clockwise)
{
    p.save();
    if (clockwise) {
        p.translate(20, 0);
        p.scale(-1, 1);
    }
    QPainterPath path(QPointF(15.5, 16));
    path.cubicTo(QPointF(18, 9), QPointF(12, 5), QPointF(6, 7.5));
    p.setPen(iconPen(2.2, kAccent));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawPolygon(QPolygonF({ { 2, 8.5 }, { 7.8, 3.5 }, { 8.3, 11.5 } }));
    p.restore();
}

void undo(QPainter& p) { turnArrow(p, false); }
void redo(QPainter& p) { turnArrow(p, true); }

void repaint(QPainter& p)
{
    p.setPen(iconPen(2, kGreen));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(3.5, 3.5, 13, 13), 100 * 16, 250 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawPolygon(QPolygonF({ { 12, 1 }, { 16.5, 4.3 }, { 11.5, 7.5 } }));
}

void magnifier(QPainter& p, bool plus)
{
    p.setPen(iconPen(2.4));
    p.drawLine(QPointF(12.5, 12.5), QPointF(17.5, 17.5));
    p.setPen(iconPen(1.4));
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(8.5, 8.5), 6, 6);
    p.setPen(iconPen(1.8, kAccent));
    p.drawLine(QPointF(5.5, 8.5), QPointF(11.5, 8.5));
    if (plus)
        p.drawLine(QPointF(8.5, 5.5), QPointF(8.5, 11.5));
}

void zoomOut(QPainter& p) { magnifier(p, false); }
void zoomIn(QPainter& p) { magnifier(p, true); }

void stacked(QPainter& p, bool selectedOnTop)
{
    const QRectF back(2, 2, 11, 11);
    const QRectF front(7, 7, 11, 11);
    const auto draw = [&p](const QRectF& r, bool selected) {
        p.setPen(iconPen(1.2));
        p.setBrush(selected ? kAccent : kPaper);
        p.drawRect(r);
    };
    draw(back, !selectedOnTop);
    draw(front, selectedOnTop);
}

void toBack(QPainter& p) { stacked(p, false); }
void toFront(QPainter& p) { stacked(p, true); }

void erase(QPainter& p)
{
    p.setPen(iconPen(3, kRed));
    p.drawLine(QPointF(4.5, 4.5), QPointF(15.5, 15.5));
    p.drawLine(QPointF(15.5, 4.5), QPointF(4.5, 15.5));
}

void paste(QPainter& p)
{
    p.setPen(iconPen(1.2));
    p.setBrush(QColor(0xc8, 0x9a, 0x5e));
    p.drawRoundedRect(QRectF(2.5, 3.5, 12, 15), 1.5, 1.5);
    p.setBrush(QColor(0xb0, 0xb8, 0xc4));
    p.drawRect(QRectF(5.5, 2, 6, 3));
    page(p, QRectF(9, 8, 9, 11));
}

void copy(QPainter& p)
{
    page(p, QRectF(2.5, 2, 10, 12));
    page(p, QRectF(7.5, 6.5, 10, 12));
}

void grid(QPainter& p)
{
    p.setPen(iconPen(1.2, kAccent));
    for (double v : { 5.0, 10.0, 15.0 }) {
        p.drawLine(QPointF(v, 2), QPointF(v, 18));
        p.drawLine(QPointF(2, v), QPointF(18, v));
    }
}

void snap(QPainter& p)
{
    QPainterPath magnet;
    magnet.moveTo(4, 3);
    magnet.lineTo(4, 11);
    magnet.arcTo(QRectF(4, 5, 12, 12), 180, 180);
    magnet.lineTo(16, 3);
    p.setPen(QPen(kRed, 4, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(magnet);
    p.setPen(QPen(QColor(0xc0, 0xc6, 0xd0), 4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(4, 2), QPointF(4, 5));
    p.drawLine(QPointF(16, 2), QPointF(16, 5));
}

void joined(QPainter& p, bool apart)
{
    const double shift = apart ? 2.5 : 0;
    p.setPen(iconPen(1.1));
    p.setBrush(kFill);
    p.drawRect(QRectF(3 - shift, 5, 7, 7));
    p.drawEllipse(QPointF(13.5 + shift, 11), 4, 4);
    if (apart) {
        p.setPen(iconPen(1.3, kRed));
        p.drawLine(QPointF(10, 3), QPointF(10, 18));
        return;
    }
    p.setPen(QPen(kAccent, 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1.5, 3.5, 17, 13));
}

void join(QPainter& p) { joined(p, false); }
void split(QPainter& p) { joined(p, true); }

IconPainter painterFor(UpperButton button)
{
    using B = UpperButton;
    switch (button) {
    case B::New: return newFile;
    case B::Open: return openFile;
    case B::Save: return save;
    case B::Export: return exportPicture;
    case B::Print: return print;
    case B::Undo: return undo;
    case B::Redo: return redo;
    case B::Repaint: return repaint;
    case B::ZoomOut: return zoomOut;
    case B::ZoomIn: return zoomIn;
    case B::ToBack: return toBack;
    case B::ToFront: return toFront;
    case B::Erase: return erase;
    case B::Paste: return paste;
    case B::Copy: return copy;
    case B::Gridlines: return grid;
    case B::Snap: return snap;
    case B::JoinItems: return join;
    case B::SplitGroup: return split;
    default: return {};
    }
}

} // namespace

QIcon commandIcon(UpperButton button)
{
    const ToolInfo* tool = toolOfButton(button);
    if (tool && tool->icon)
        return makePaintedIcon(tool->icon);
    const IconPainter paint = painterFor(button);
    return paint ? makePaintedIcon(paint) : QIcon();
}
