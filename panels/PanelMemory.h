#pragma once

#include <QString>

#include <map>

// What the property panels remember while the program runs, beyond the
// frame of one page: the tab each panel showed last, and the character set
// last chosen for each font family on the text tool page.
struct PanelMemory {
    // Tabs by index: 0 the first, 1 the second. The line and the shape panel
    // share one.
    int lineShapeTab = 0;
    int textTab = 0;
    // Keys are lower-case family names: families are matched without case.
    std::map<QString, int> charSetOfFamily;
};
