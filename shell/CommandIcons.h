#pragma once

#include <QIcon>

// The picture of upper-menu button 1 ... 36.
QIcon commandIcon(int button);
