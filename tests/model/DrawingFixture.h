#pragma once

#include "base/ScreenMetrics.h"
#include "model/DrawingHeader.h"
#include "model/Grouping.h"
#include "model/History.h"
#include "model/ItemKinds.h"
#include "model/ItemList.h"
#include "model/ItemRecord.h"

#include <algorithm>
#include <string>
#include <vector>

// A drawing as a new document window holds it: a header and a base grid
// record. Items carry a label in lineColor, which every copy keeps, so a test
// can follow one item through the records that supersede each other.
struct Drawing {
    ScreenMetrics screen;
    ItemList list;
    ItemRecord* header = nullptr;
    ItemRecord* grid = nullptr;

    Drawing()
    {
        header = createHeader(list);
        grid = createItem(list, kinds::kGrid);
        grid->body.historyState = history::kBase;
        setModified(list, false);
    }

    // An item drawn with a tool: a step of its own, on top, 20 pixels square
    // at x = 10 * label.
    ItemRecord* draw(int label, std::int32_t kind = kinds::kSquare)
    {
        ItemRecord* r = addNewItem(list, kind);
        r->body.lineColor = label;
        r->body.x1 = 10 * label;
        r->body.x2 = r->body.x1 + 20;
        r->body.y2 = 20;
        syncRealCoordinates(r, screen);
        syncExtentFields(r);
        return r;
    }

    // The live record of the item with `label`, or null.
    ItemRecord* live(int label) const
    {
        for (ItemRecord& r : list)
            if (isShown(r) && r.body.lineColor == label)
                return &r;
        return nullptr;
    }

    void select(const std::vector<int>& labels)
    {
        selectOnly(list, nullptr);
        for (int label : labels)
            if (ItemRecord* r = live(label))
                r->body.selected = 255;
    }

    // The visible items bottom to top as "label@z/x", e.g. "1@1/10 2@2/20".
    std::string stack() const
    {
        std::vector<const ItemRecord*> shown;
        for (const ItemRecord& r : list)
            if (isShown(r))
                shown.push_back(&r);
        std::stable_sort(shown.begin(), shown.end(),
            [](const ItemRecord* a, const ItemRecord* b) { return a->body.zOrder < b->body.zOrder; });
        std::string s;
        for (const ItemRecord* r : shown)
            s += (s.empty() ? "" : " ") + std::to_string(r->body.lineColor) + "@"
                + std::to_string(r->body.zOrder) + "/" + std::to_string(r->body.x1);
        return s;
    }

    // Joins the items into a group, as Join Items does with them selected.
    EditStep join(const std::vector<int>& labels)
    {
        select(labels);
        return joinItems(list, screen);
    }

    int records() const { return countRecords(list); }

private:
    static bool isShown(const ItemRecord& r)
    {
        return r.body.recordClass == kinds::kClassItem && r.body.hidden == 0
            && kinds::isDrawnItem(r.body.kind);
    }
};

inline ItemRecord* addPictureStore(ItemList& list, std::int32_t pictureId)
{
    ItemRecord* store = createItem(list, kinds::kPictureStore);
    store->body.recordClass = kinds::kClassPictureStore;
    store->body.pictureId = pictureId;
    return store;
}

inline int picturesIn(const ItemList& list)
{
    int n = 0;
    for (const ItemRecord& r : list)
        n += r.body.kind == kinds::kPictureStore;
    return n;
}
