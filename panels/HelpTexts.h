#pragma once

#include "canvas/ToolTable.h"
#include "panels/HintBox.h"

#include <optional>
#include <vector>

// What one help page says: its title, its picture and up to five lines.
// Links on a page are next-step numbers ("3") that the page's frame hands on.
struct HelpContent {
    QString title;
    ToolIcon picture = nullptr;
    std::vector<HintLine> lines;
};

// The help pages of the drawing tools: the page after an item is made, the
// page on moving and changing it, and the keys of the multi-point tools
// (also those of adding points to a spline or curve). Nothing for other pages.
std::optional<HelpContent> helpContent(Page page);
