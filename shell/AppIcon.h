#pragma once

#include <QIcon>

// The program's icon: a card with a star, drawn in code.
QIcon appIcon();
