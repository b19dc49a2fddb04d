#pragma once

#include <QIcon>
#include <QImage>

// The program's icon: a card with a star, drawn in code.
QIcon appIcon();
// The same picture, size x size pixels, for the desktop's icon theme.
QImage appIconImage(int size);
