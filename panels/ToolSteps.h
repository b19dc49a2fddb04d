#pragma once

#include "canvas/ToolTable.h"

#include <QStringList>

// The instructions a tool page shows: how to enter the points of the next
// item with the tool of `page` (98, 100 ... 199, 300, 302, 303). Empty for
// other pages. The line tool's second line changes once its first point is
// entered.
QStringList toolSteps(Page page, bool firstPointEntered = false);
