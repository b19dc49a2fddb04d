#include "model/History.h"

#include "model/ActionRecorder.h"
#include "model/Grouping.h"
#include "model/ItemKinds.h"
#include "model/ItemRecord.h"
#include "model/Stacking.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace {

bool isItem(const ItemRecord& r)
{
    return r.body.recordClass == kinds::kClassItem;
}

// Writes only where something was selected, so that a walk over a large
// drawing does not touch every record.
void deselectAll(ItemList& list)
{
    for (ItemRecord& r : list)
        if (r.body.selected)
            r.body.selected = 0;
}

// Where a record stands for the rules that pick the last done and the next
// undone record: its step number, and of equal numbers the first in the list.
struct Place {
    std::int32_t step;
    std::size_t order;

    bool before(const Place& other) const
    {
        return step != other.step ? step < other.step : order > other.order;
    }
};

struct Candidate {
    ItemRecord* record;
    Place place;
};

// The records that the chosen records supersede, found in one walk (the
// first record in the list with each step number, like a lookup would find).
// A grid record whose predecessor is gone falls back to the first grid record.
std::vector<ItemRecord*> predecessorsOf(const ItemList& list, const std::vector<ItemRecord*>& chosen)
{
    std::vector<std::pair<std::int32_t, std::size_t>> wanted; // step, index in chosen
    for (std::size_t i = 0; i < chosen.size(); ++i)
        if (chosen[i]->body.replacesStep != 0)
            wanted.emplace_back(chosen[i]->body.replacesStep, i);
    std::sort(wanted.begin(), wanted.end());
    std::vector<ItemRecord*> found(chosen.size(), nullptr);
    const bool anyGrid = std::any_of(
        chosen.begin(), chosen.end(), [](const ItemRecord* r) { return r->body.kind == kinds::kGrid; });
    if (wanted.empty() && !anyGrid)
        return found; // new items supersede nothing
    ItemRecord* firstGrid = nullptr;
    for (ItemRecord& r : list) {
        if (!firstGrid && r.body.kind == kinds::kGrid)
            firstGrid = &r;
        if (!isItem(r))
            continue;
        auto at = std::lower_bound(
            wanted.begin(), wanted.end(), std::make_pair(r.body.stepNumber, std::size_t { 0 }));
        for (; at != wanted.end() && at->first == r.body.stepNumber; ++at)
            if (!found[at->second])
                found[at->second] = &r;
    }
    for (std::size_t i = 0; i < chosen.size(); ++i) {
        if (!found[i] && chosen[i]->body.kind == kinds::kGrid)
            found[i] = firstGrid;
        if (found[i] == chosen[i])
            found[i] = nullptr;
    }
    return found;
}

// Undo's batch, newest first: the last done record and, unless its batch is
// 0, the done records of its batch that come after every done record of
// another batch. Two walks, and memory only for the batch.
std::vector<ItemRecord*> batchToUndo(ItemList& list)
{
    std::optional<Candidate> last;
    std::size_t order = 0;
    for (ItemRecord& r : list) {
        if (r.body.selected)
            r.body.selected = 0; // undo leaves nothing selected
        const Place place { r.body.stepNumber, order++ };
        if (isItem(r) && r.body.historyState == history::kDone && (!last || last->place.before(place)))
            last = Candidate { &r, place };
    }
    if (!last)
        return {};
    const std::int32_t batch = last->record->body.editBatch;
    if (batch == 0)
        return { last->record };
    std::vector<Candidate> mine;
    std::optional<Place> others;
    order = 0;
    for (ItemRecord& r : list) {
        const Place place { r.body.stepNumber, order++ };
        if (!isItem(r) || r.body.historyState != history::kDone)
            continue;
        if (r.body.editBatch == batch)
            mine.push_back({ &r, place });
        else if (!others || others->before(place))
            others = place;
    }
    std::sort(mine.begin(), mine.end(),
        [](const Candidate& a, const Candidate& b) { return b.place.before(a.place); });
    std::vector<ItemRecord*> chosen;
    for (const Candidate& c : mine) {
        if (others && c.place.before(*others))
            break;
        chosen.push_back(c.record);
    }
    return chosen;
}

// Redo's batch, oldest first: the undone record one step after the last done
// record (or after the last base record when none is done), then each undone
// record one step further on while the batch holds. Only records at or after
// that first step are kept, which are normally just the undone ones.
std::vector<ItemRecord*> batchToRedo(ItemList& list)
{
    std::optional<std::int32_t> lastDone, lastBase;
    for (ItemRecord& r : list) {
        if (r.body.selected)
            r.body.selected = 0;
        if (!isItem(r))
            continue;
        const std::int32_t step = r.body.stepNumber;
        if (r.body.historyState == history::kDone)
            lastDone = std::max(lastDone.value_or(step), step);
        else if (r.body.historyState == history::kBase)
            lastBase = std::max(lastBase.value_or(step), step);
    }
    const std::int32_t from = stepAfter(lastDone.value_or(lastBase.value_or(0)));
    std::vector<Candidate> later;
    std::size_t order = 0;
    for (ItemRecord& r : list) {
        const Place place { r.body.stepNumber, order++ };
        if (isItem(r) && place.step >= from)
            later.push_back({ &r, place });
    }
    std::sort(later.begin(), later.end(), [](const Candidate& a, const Candidate& b) {
        return a.place.step != b.place.step ? a.place.step < b.place.step : a.place.order < b.place.order;
    });
    // Only an undone record is redone: a record of another state at the next
    // step number would only be flipped out of place.
    const auto undoneAt = [&later](std::int32_t step) -> ItemRecord* {
        const auto at = std::lower_bound(later.begin(), later.end(), step,
            [](const Candidate& c, std::int32_t s) { return c.place.step < s; });
        if (at == later.end() || at->place.step != step || at->record->body.historyState != history::kUndone)
            return nullptr;
        return at->record;
    };
    std::vector<ItemRecord*> chosen;
    ItemRecord* s = undoneAt(from);
    const std::int32_t batch = s ? s->body.editBatch : 0;
    while (s) {
        chosen.push_back(s);
        const std::int32_t step = s->body.stepNumber;
        if (batch == 0 || stepAfter(step) == step)
            break;
        s = undoneAt(stepAfter(step));
        if (s && s->body.editBatch != batch)
            break;
    }
    return chosen;
}

void toggleHidden(ItemRecord& r)
{
    r.body.hidden = r.body.hidden ? 0 : 255;
}

// Dropped records stand for deleted items; keeping their points and text
// would only hold memory until the history is cleared.
void stripMarker(ItemRecord& marker)
{
    marker.body.kind = kinds::kDropped;
    std::vector<PointEntry>().swap(marker.pointList);
    std::u16string().swap(marker.text);
}

// Group ids of the selected group frames whose every live member is selected:
// erasing the members erases these frames too.
std::vector<std::int32_t> framesLeftEmpty(const ItemList& list)
{
    std::vector<std::int32_t> groups;
    for (ItemRecord& r : list)
        if (isSelected(&r) && r.body.kind == kinds::kGroupFrame)
            groups.push_back(r.body.groupId);
    if (groups.empty())
        return groups;
    std::sort(groups.begin(), groups.end());
    groups.erase(std::unique(groups.begin(), groups.end()), groups.end());
    std::vector<bool> keep(groups.size(), false);
    for (ItemRecord& r : list) {
        if (!isItem(r) || r.body.hidden || isSelected(&r) || !kinds::isDrawnItem(r.body.kind))
            continue;
        const auto at = std::lower_bound(groups.begin(), groups.end(), r.body.groupId);
        if (at != groups.end() && *at == r.body.groupId)
            keep[static_cast<std::size_t>(at - groups.begin())] = true;
    }
    std::vector<std::int32_t> erased;
    for (std::size_t i = 0; i < groups.size(); ++i)
        if (!keep[i])
            erased.push_back(groups[i]);
    return erased;
}

bool isErasable(const ItemRecord& r, const std::vector<std::int32_t>& emptyFrames)
{
    if (!isSelected(&r))
        return false;
    if (r.body.kind == kinds::kGroupFrame)
        return std::binary_search(emptyFrames.begin(), emptyFrames.end(), r.body.groupId);
    return kinds::isDrawnItem(r.body.kind);
}

// User counts of a few picture ids: class-0 records carrying each id.
class PictureUsers {
public:
    void want(std::int32_t pictureId) { ids_.push_back(pictureId); }

    void count(const ItemList& list)
    {
        std::sort(ids_.begin(), ids_.end());
        ids_.erase(std::unique(ids_.begin(), ids_.end()), ids_.end());
        users_.assign(ids_.size(), 0);
        if (ids_.empty())
            return;
        for (ItemRecord& r : list)
            if (isItem(r))
                if (int* n = slot(r.body.pictureId))
                    ++*n;
    }

    // Forgets one user of the record's picture; true when it was the last
    // one, so that its picture store can go.
    bool release(const ItemRecord& r)
    {
        int* n = slot(r.body.pictureId);
        if (!n)
            return false;
        const bool last = *n < 2;
        --*n;
        return last;
    }

private:
    int* slot(std::int32_t pictureId)
    {
        const auto at = std::lower_bound(ids_.begin(), ids_.end(), pictureId);
        if (at == ids_.end() || *at != pictureId)
            return nullptr;
        return &users_[static_cast<std::size_t>(at - ids_.begin())];
    }

    std::vector<std::int32_t> ids_;
    std::vector<int> users_;
};

// Frees `doomed` (class-0 records, in list order). The last record to use a
// clip's picture takes the picture store with it, even when that is the
// deletion marker of the clip rather than the clip itself: a store no record
// uses is never drawn nor saved.
void freeWithPictures(ItemList& list, const std::vector<ItemRecord*>& doomed)
{
    PictureUsers users;
    for (const ItemRecord* r : doomed)
        if (r->body.kind == kinds::kClip)
            users.want(r->body.pictureId);
    users.count(list);
    std::vector<std::int32_t> unusedPictures;
    for (ItemRecord* r : doomed) {
        if (users.release(*r))
            unusedPictures.push_back(r->body.pictureId);
        freeItem(list, r);
    }
    for (std::int32_t id : unusedPictures)
        freeItem(list, findPictureStore(list, id));
}

} // namespace

HistoryAvailability historyAvailability(const ItemList& list)
{
    HistoryAvailability a;
    for (ItemRecord& r : list) {
        if (!isItem(r))
            continue;
        a.canUndo = a.canUndo || r.body.historyState == history::kDone;
        a.canRedo = a.canRedo || r.body.historyState == history::kUndone;
        if (a.canUndo && a.canRedo)
            break;
    }
    return a;
}

int clearRedoSteps(ItemList& list)
{
    std::vector<ItemRecord*> undone;
    for (ItemRecord& r : list)
        if (isItem(r) && r.body.historyState == history::kUndone)
            undone.push_back(&r);
    freeWithPictures(list, undone);
    return static_cast<int>(undone.size());
}

EditStep beginEditStep(ItemList& list, const ScreenMetrics& screen)
{
    EditStep step;
    if (!firstSelected(list))
        return step;
    ActionRecorder action(list, screen);
    step.batch = action.batch();
    ItemRecord* const last = list.last;
    for (ItemRecord* r = list.first; r; r = r->next) {
        if (isSelected(r)) {
            ItemRecord* copy = action.supersede(*r);
            ItemBody& b = copy->body;
            b.selected = 255;
            b.startX1 = r->body.x1;
            b.startY1 = r->body.y1;
            b.startX2 = r->body.x2;
            b.startY2 = r->body.y2;
            b.startClipRotation = r->body.clipRotation;
            for (PointEntry& p : copy->pointList) {
                p.set(1, p.x(0), p.y(0));
                p.set(4, p.x(2), p.y(2));
                p.set(5, p.x(3), p.y(3));
            }
            step.superseded.push_back(r);
            step.made.push_back(copy);
        }
        if (r == last)
            break;
    }
    return step;
}

EditStep eraseSelected(ItemList& list, const ScreenMetrics& screen)
{
    EditStep step;
    const std::vector<std::int32_t> emptyFrames = framesLeftEmpty(list);
    bool any = false;
    for (ItemRecord& r : list)
        any = any || isErasable(r, emptyFrames);
    if (!any)
        return step;
    ActionRecorder action(list, screen);
    step.batch = action.batch();
    ItemRecord* const last = list.last;
    for (ItemRecord* r = list.first; r; r = r->next) {
        if (isErasable(*r, emptyFrames)) {
            ItemRecord* marker = action.supersede(*r);
            stripMarker(*marker);
            step.superseded.push_back(r);
            step.made.push_back(marker);
        }
        if (r == last)
            break;
    }
    deselectAll(list);
    return step;
}

EditStep eraseItem(ItemList& list, ItemRecord& record, const ScreenMetrics& screen)
{
    selectOnly(list, &record);
    return eraseSelected(list, screen);
}

ItemRecord* addNewItem(ItemList& list, std::int32_t kind)
{
    clearRedoSteps(list);
    const ItemCounters c = itemCounters(list);
    ItemRecord* r = createItem(list, kind, c.nextStepNumber);
    r->body.editBatch = c.nextEditBatch;
    r->body.zOrder = c.maxZOrder < INT32_MAX ? c.maxZOrder + 1 : c.maxZOrder;
    return r;
}

ItemRecord* recordGridEdit(ItemList& list, const ScreenMetrics& screen, std::int32_t joinBatch)
{
    if (!findLiveOfKind(list, kinds::kGrid))
        return nullptr;
    std::optional<ActionRecorder> action;
    if (joinBatch == 0)
        action.emplace(list, screen);
    else
        action.emplace(list, screen, joinBatch);
    // Looked up again: clearing the redo steps frees records, and a damaged
    // file may hold a live grid record marked undone.
    ItemRecord* grid = findLiveOfKind(list, kinds::kGrid);
    if (!grid)
        return nullptr;
    ItemRecord* copy = action->supersede(*grid);
    copy->gridListX = grid->gridListX;
    copy->gridListY = grid->gridListY;
    copy->body.selected = 0;
    return copy;
}

namespace {

// Undo hides the batch and shows what it superseded, shifting stacking
// positions back; redo shows it and hides what it superseded again.
HistoryChange flipBatch(ItemList& list, const std::vector<ItemRecord*>& batch, bool undo)
{
    HistoryChange change;
    const std::vector<ItemRecord*> predecessors = predecessorsOf(list, batch);
    std::optional<std::int32_t> top;
    for (std::size_t i = 0; i < batch.size(); ++i) {
        ItemRecord& s = *batch[i];
        freeChildren(s.children);
        s.body.historyState = undo ? history::kUndone : history::kDone;
        const bool wasShown = s.body.hidden == 0;
        toggleHidden(s);
        change.toggled.push_back(&s);
        ItemRecord* p = predecessors[i];
        if (!p || wasShown != undo)
            continue;
        // Only stacking steps shift other items, and only they need the top.
        if (!top && p->body.stackMove != stackmove::kNone)
            top = maxZOrder(list);
        if (undo) {
            restoreStacking(list, *p, top.value_or(0));
            p->body.hidden = 0;
        } else {
            p->body.hidden = 255;
            repeatStacking(list, *p, s, top.value_or(0));
        }
        change.toggled.push_back(p);
    }
    return change;
}

} // namespace

HistoryChange undoStep(ItemList& list)
{
    return flipBatch(list, batchToUndo(list), true);
}

HistoryChange redoStep(ItemList& list)
{
    return flipBatch(list, batchToRedo(list), false);
}

int clearHistory(ItemList& list)
{
    int freed = clearRedoSteps(list);
    std::vector<ItemRecord*> doomed;
    std::int32_t counter = 0;
    for (ItemRecord& r : list) {
        if (!isItem(r))
            continue;
        ItemBody& b = r.body;
        if (b.hidden || b.kind == kinds::kDropped || (b.kind == kinds::kText && textLineCount(&r) == 0)) {
            doomed.push_back(&r);
            continue;
        }
        b.historyState = history::kBase;
        b.replacesStep = 0;
        b.stackMove = stackmove::kNone;
        b.stepNumber = ++counter;
    }
    freeWithPictures(list, doomed);
    compactGroupIds(list);
    return freed + static_cast<int>(doomed.size());
}
