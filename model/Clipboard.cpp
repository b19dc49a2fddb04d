#include "model/Clipboard.h"

#include "base/Rounding.h"
#include "model/ActionRecorder.h"
#include "model/DrawingFile.h"
#include "model/Grouping.h"
#include "model/ItemKinds.h"
#include "model/ItemRecord.h"
#include "model/MoveItem.h"
#include "model/PatternDefinitions.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace {

// Pasted items land this far right of and below the copied ones.
constexpr std::int32_t kPasteOffset = 10;

bool isItem(const ItemRecord& r)
{
    return r.body.recordClass == kinds::kClassItem;
}

bool isLive(const ItemRecord& r)
{
    return isItem(r) && r.body.hidden == 0 && r.body.inProgress == 0;
}

// Items a paste takes: live, finished, drawn and in the stacking order.
bool isPasteable(const ItemRecord& r)
{
    return isLive(r) && kinds::isDrawnItem(r.body.kind) && r.body.zOrder >= 1;
}

// A small set of ids kept sorted.
class IdSet {
public:
    bool insert(std::int32_t id)
    {
        const auto at = std::lower_bound(ids_.begin(), ids_.end(), id);
        if (at != ids_.end() && *at == id)
            return false;
        ids_.insert(at, id);
        return true;
    }
    bool contains(std::int32_t id) const { return std::binary_search(ids_.begin(), ids_.end(), id); }

private:
    std::vector<std::int32_t> ids_;
};

// A record copy resets the bytes that carry a picture store's display scale.
void keepStoreScale(ItemRecord& copy, const ItemRecord& store)
{
    std::memcpy(copy.bytes + overlay::kStoreScale, store.bytes + overlay::kStoreScale, sizeof(double));
    copy.body.selected = 0;
}

// The clipboard's items in stacking order; of equal positions, which only a
// damaged file holds, list order first.
std::vector<ItemRecord*> itemsInStackingOrder(const ItemList& clipboard)
{
    std::vector<ItemRecord*> items;
    for (ItemRecord& r : clipboard)
        if (isPasteable(r))
            items.push_back(&r);
    std::stable_sort(items.begin(), items.end(),
        [](const ItemRecord* a, const ItemRecord* b) { return a->body.zOrder < b->body.zOrder; });
    return items;
}

// The group frames of the groups among `items`, so that a pasted group is
// still a group.
std::vector<ItemRecord*> framesOf(const ItemList& clipboard, const std::vector<ItemRecord*>& items)
{
    IdSet groups;
    for (const ItemRecord* r : items)
        if (r->body.groupId > 0)
            groups.insert(r->body.groupId);
    std::vector<ItemRecord*> frames;
    for (ItemRecord& r : clipboard)
        if (isLive(r) && r.body.kind == kinds::kGroupFrame && groups.contains(r.body.groupId))
            frames.push_back(&r);
    return frames;
}

// Maps the clipboard's custom pattern ids to the document's, adopting each
// definition once.
class PatternMap {
public:
    PatternMap(ItemList& document, const ItemList& clipboard)
        : document_(document)
        , clipboard_(clipboard)
    {
    }

    std::int32_t operator()(std::int32_t pattern)
    {
        if (pattern >= 0)
            return pattern;
        for (const auto& [from, to] : map_)
            if (from == pattern)
                return to;
        const ItemRecord* definition = findPatternDefinition(clipboard_, pattern);
        const std::int32_t to = definition ? adoptPatternDefinition(document_, *definition) : pattern;
        map_.emplace_back(pattern, to);
        return to;
    }

private:
    ItemList& document_;
    const ItemList& clipboard_;
    std::vector<std::pair<std::int32_t, std::int32_t>> map_;
};

void placePasted(ItemRecord& c, std::int32_t groupBase, PatternMap& patterns, const ScreenMetrics& screen)
{
    ItemBody& b = c.body;
    if (b.groupId > 0)
        b.groupId = addClamped(b.groupId, groupBase);
    moveItemBy(c, kPasteOffset, kPasteOffset, screen);
    b.selected = 255;
    b.hidden = 0;
    b.scratchMark = 0;
    b.pattern = patterns(b.pattern);
}

} // namespace

int copySelection(ItemList& document, ItemList& clipboard, const ScreenMetrics& screen)
{
    freeItemList(clipboard);
    ItemRecord* header = findHeader(document);
    if (!header)
        return 0;
    // The whole header, page setup included, byte for byte.
    ItemRecord* h = copyItem(clipboard, *header, screen);
    std::memcpy(h->bytes, header->bytes, sizeof h->bytes);

    IdSet pictures, patterns;
    std::int32_t step = 1;
    int copied = 0;
    for (ItemRecord& r : document) {
        if (!isSelected(&r) || !kinds::isDrawable(r.body.kind))
            continue;
        ItemRecord* c = copyItem(clipboard, r, screen, step);
        step = stepAfter(step);
        c->body.selected = 0;
        ++copied;
        if (r.body.kind == kinds::kClip && pictures.insert(r.body.pictureId))
            if (ItemRecord* store = findPictureStore(document, r.body.pictureId))
                keepStoreScale(*copyItem(clipboard, *store, screen, step), *store);
        if (r.body.pattern < 0 && patterns.insert(r.body.pattern))
            if (const ItemRecord* definition = findPatternDefinition(document, r.body.pattern))
                copyPatternDefinition(clipboard, *definition);
    }
    compactGroupIds(clipboard);
    return copied;
}

bool canPaste(const ItemList& clipboard)
{
    for (const ItemRecord& r : clipboard)
        if (isPasteable(r))
            return true;
    return false;
}

EditStep pasteClipboard(ItemList& document, ItemList& clipboard, const ScreenMetrics& screen)
{
    EditStep step;
    if (!findHeader(clipboard) || !findHeader(document))
        return step;
    const std::vector<ItemRecord*> items = itemsInStackingOrder(clipboard);
    if (items.empty())
        return step;
    const std::vector<ItemRecord*> frames = framesOf(clipboard, items);

    ActionRecorder action(document, screen);
    step.batch = action.batch();
    for (ItemRecord& r : document)
        r.body.selected = 0;
    const std::int32_t groupBase = nextGroupId(document);
    for (ItemRecord& r : clipboard)
        if (r.body.kind == kinds::kPictureStore && !findPictureStore(document, r.body.pictureId))
            keepStoreScale(*action.copy(r), r);

    PatternMap patterns(document, clipboard);
    for (ItemRecord* s : items) {
        ItemRecord* c = action.copy(*s);
        placePasted(*c, groupBase, patterns, screen);
        action.stackOnTop(*c);
        step.made.push_back(c);
    }
    // Frames stay out of the stacking order, as joining leaves them.
    for (ItemRecord* f : frames) {
        ItemRecord* c = action.copy(*f);
        placePasted(*c, groupBase, patterns, screen);
        step.made.push_back(c);
    }
    return step;
}

bool insertDrawingFile(const QString& path, ItemList& document, ItemList& clipboard,
    const ScreenMetrics& screen, UserPrompt& prompt, EditStep& pasted, QString* error)
{
    if (!readDrawing(path, clipboard, screen, prompt, error))
        return false;
    pasted = pasteClipboard(document, clipboard, screen);
    return true;
}
