#pragma once

#include "canvas/ToolTable.h"
#include "settings/ToolSettings.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// One visited side-panel page: the window it belonged to and the selection
// it showed (a tag from tagSelection); a tool page also keeps the tool
// settings it was shown with.
struct PageVisit {
    Page page = Page::Select;
    std::int32_t windowId = -1;
    std::int32_t selectionTag = 0;
    std::optional<ToolSettings> tools;

    bool operator==(const PageVisit&) const = default;
};

// The pages shown in the side panel, walked by Back and Forward like a
// browser's history: showing a page drops the entries ahead of the current one.
class PageHistory {
public:
    // Whether an entry can be shown again (its window and item still exist).
    using Usable = std::function<bool(const PageVisit&)>;

    void record(const PageVisit& visit);
    void clear();

    bool canGoBack(const Usable& usable) const;
    bool canGoForward(const Usable& usable) const;

    // Moves to the nearest usable entry before (after) the current one and
    // returns it; unusable entries on the way are skipped. Returns nullptr
    // and stays put when there is none.
    const PageVisit* back(const Usable& usable);
    const PageVisit* forward(const Usable& usable);

    int size() const { return static_cast<int>(visits_.size()); }
    int current() const { return current_; }

private:
    int findUsable(int from, int step, const Usable& usable) const;

    std::vector<PageVisit> visits_;
    int current_ = -1;
};
