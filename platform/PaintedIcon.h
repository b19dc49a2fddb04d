#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>

#include <functional>

class QPainter;

// Icons drawn in code, so every button has a crisp picture at any screen
// scale without shipping image files. The paint function draws into a
// 20 x 20 box; the icon holds it at 18, 24, 36 and 48 pixels.
using IconPainter = std::function<void(QPainter&)>;
QIcon makePaintedIcon(const IconPainter& paint);
// The same drawing as one transparent picture of size x size pixels.
QImage paintedIconImage(const IconPainter& paint, int size);

// The shared palette of the drawn icons.
namespace iconcolors {
inline const QColor kOutline { 0x2b, 0x3a, 0x55 };
inline const QColor kFill { 0x9c, 0xc8, 0xf0 };
inline const QColor kAccent { 0x2f, 0x7d, 0xd1 };
inline const QColor kPaper { 0xff, 0xff, 0xff };
inline const QColor kFolder { 0xf2, 0xc1, 0x4e };
inline const QColor kGreen { 0x4c, 0xa6, 0x4c };
inline const QColor kRed { 0xd2, 0x3b, 0x3b };
} // namespace iconcolors

// A pen in the outline colour, `width` units wide, with round joins.
QPen iconPen(double width = 1.4, const QColor& color = iconcolors::kOutline);
