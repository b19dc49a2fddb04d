#include "model/Grouping.h"

#include "base/Rounding.h"
#include "model/History.h"
#include "model/ItemKinds.h"
#include "model/ItemRecord.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

bool isItem(const ItemRecord& r)
{
    return r.body.recordClass == kinds::kClassItem;
}

bool anySelected(const ItemList& list, bool (*wanted)(const ItemRecord&))
{
    for (const ItemRecord& r : list)
        if (isSelected(&r) && wanted(r))
            return true;
    return false;
}

// A group frame leaves the history as a dropped record: live, never drawn,
// and hiding it on undo brings the old frame back.
void dropFrame(ItemRecord& frame)
{
    frame.body.kind = kinds::kDropped;
    frame.body.selected = 0;
}

} // namespace

void compactGroupIds(ItemList& list)
{
    std::vector<std::int32_t> ids;
    for (const ItemRecord& r : list)
        if (isItem(r) && r.body.groupId > 0)
            ids.push_back(r.body.groupId);
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());

    // The largest remaining id moves to the smallest gap until no gap lies
    // below the largest. Gaps fill from the bottom up, so one cursor finds them.
    std::vector<std::pair<std::int32_t, std::int32_t>> moves; // old id, new id
    std::int32_t gap = 1;
    std::size_t low = 0;
    for (std::size_t high = ids.size(); high-- > 0;) {
        const std::int32_t largest = ids[high];
        while (low <= high && ids[low] <= gap) {
            if (ids[low] == gap)
                ++gap;
            ++low;
        }
        if (gap >= largest)
            break;
        moves.emplace_back(largest, gap++);
    }
    if (moves.empty())
        return;
    std::sort(moves.begin(), moves.end());
    for (ItemRecord& r : list) {
        if (!isItem(r) || r.body.groupId <= 0)
            continue;
        const auto at
            = std::lower_bound(moves.begin(), moves.end(), std::make_pair(r.body.groupId, INT32_MIN));
        if (at != moves.end() && at->first == r.body.groupId)
            r.body.groupId = at->second;
    }
}

EditStep joinItems(ItemList& list, const ScreenMetrics& screen)
{
    if (!anySelected(list, [](const ItemRecord& r) { return r.body.kind != kinds::kGroupFrame; }))
        return {};
    EditStep step = beginEditStep(list, screen);
    const std::int32_t id = nextGroupId(list);
    std::int64_t sumX = 0, sumY = 0, members = 0;
    for (ItemRecord* r : step.made) {
        r->body.groupId = id;
        if (r->body.kind == kinds::kGroupFrame) {
            dropFrame(*r);
            continue;
        }
        sumX += static_cast<std::int64_t>(r->body.x1) + r->body.x2;
        sumY += static_cast<std::int64_t>(r->body.y1) + r->body.y2;
        ++members;
    }
    const double twice = 2.0 * static_cast<double>(members);
    const std::int32_t cx = roundEven(static_cast<double>(sumX) / twice);
    const std::int32_t cy = roundEven(static_cast<double>(sumY) / twice);

    ItemRecord* frame = createItem(list, kinds::kGroupFrame);
    ItemBody& b = frame->body;
    b.groupId = id;
    b.selected = 255;
    b.editBatch = step.batch;
    b.x1 = b.x2 = b.startX1 = b.startX2 = cx;
    b.y1 = b.y2 = b.startY1 = b.startY2 = cy;
    syncRealCoordinates(frame, screen);
    syncExtentFields(frame);
    step.made.push_back(frame);
    return step;
}

EditStep splitGroup(ItemList& list, const ScreenMetrics& screen)
{
    if (!anySelected(list, [](const ItemRecord& r) { return r.body.groupId > 0; }))
        return {};
    EditStep step = beginEditStep(list, screen);
    for (ItemRecord* r : step.made) {
        r->body.groupId = 0;
        if (r->body.kind == kinds::kGroupFrame)
            dropFrame(*r);
    }
    for (ItemRecord& r : list)
        r.body.selected = 0;
    return step;
}
