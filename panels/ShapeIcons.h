#pragma once

#include <QIcon>

// The pictures of the things a user can insert, by the side-panel page of
// their tool: 400 picture, 300 text, 98 line, 100 ... 112 and 199 shapes.
// An unknown page gives a null icon.
QIcon insertIcon(int page);
