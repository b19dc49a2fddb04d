#pragma once

#include <QVariant>

#include <cstdint>
#include <functional>
#include <vector>

// Side-panel page numbers.
namespace pages {
inline constexpr int kSelect = 20;
inline constexpr int kMixed = 59;
inline constexpr int kLineTool = 98;
inline constexpr int kLineProperties = 99;
inline constexpr int kShapeToolFirst = 100;
inline constexpr int kShapeToolLast = 199;
inline constexpr int kShapePropertiesFirst = 200;
inline constexpr int kShapePropertiesLast = 299;
inline constexpr int kTextTool = 300;
inline constexpr int kTextProperties = 301;
inline constexpr int kTextToolPlaced = 302;
inline constexpr int kTextTyping = 303;
inline constexpr int kPictureDialog = 400;
inline constexpr int kClipProperties = 401;
inline constexpr int kHelpFirst = 1024;
inline constexpr int kHelpLast = 1080;

// Pages that show the properties of selected items.
constexpr bool isItemPage(int page)
{
    return page == kMixed || page == kLineProperties
        || (page >= kShapePropertiesFirst && page <= kShapePropertiesLast) || page == kTextProperties
        || page == kClipProperties;
}

// Pages that choose a drawing tool.
constexpr bool isToolPage(int page)
{
    return page == kLineTool || (page >= kShapeToolFirst && page <= kShapeToolLast) || page == kTextTool;
}

constexpr bool isHelpPage(int page) { return page >= kHelpFirst && page <= kHelpLast; }
} // namespace pages

// One visited side-panel page: the window it belonged to, the selection it
// showed (a tag from tagSelection) and, for tool pages, the tool settings
// that were current then.
struct PageVisit {
    int page = pages::kSelect;
    std::int32_t windowId = -1;
    std::int32_t selectionTag = 0;
    QVariant toolSettings;
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
