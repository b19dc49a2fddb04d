#pragma once

#include "canvas/ToolTable.h"

#include <QIcon>

// The picture of an upper-menu button: a tool's button shows the tool's icon.
QIcon commandIcon(UpperButton button);
