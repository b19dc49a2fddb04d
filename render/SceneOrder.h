#pragma once

#include <vector>

struct ItemList;
struct ItemRecord;

// The live drawing items (class 0, not hidden) in stacking order: zOrder 1
// first, so it ends up at the bottom; items without a stacking position (0 or
// less) are not painted. Items that share a position, which only a damaged
// file holds, follow each other in list order instead of hiding one another.
class SceneOrder {
public:
    explicit SceneOrder(const ItemList& items);

    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }
    std::size_t size() const { return items_.size(); }

private:
    std::vector<const ItemRecord*> items_;
};

inline SceneOrder stackingOrder(const ItemList& items) { return SceneOrder(items); }
