#include "model/MoveItem.h"

#include "base/Rounding.h"
#include "model/ItemRecord.h"

void moveItemBy(ItemRecord& record, std::int32_t dx, std::int32_t dy, const ScreenMetrics& screen)
{
    ItemBody& b = record.body;
    b.x1 = b.startX1 = addClamped(b.x1, dx);
    b.y1 = b.startY1 = addClamped(b.y1, dy);
    b.x2 = b.startX2 = addClamped(b.x2, dx);
    b.y2 = b.startY2 = addClamped(b.y2, dy);
    // Points 0, 2 and 3 are the anchor and its control points; 1, 4 and 5
    // their start-of-edit copies.
    for (PointEntry& p : record.pointList) {
        for (int k : { 0, 2, 3 })
            p.set(k, addClamped(p.x(k), dx), addClamped(p.y(k), dy));
        p.set(1, p.x(0), p.y(0));
        p.set(4, p.x(2), p.y(2));
        p.set(5, p.x(3), p.y(3));
    }
    syncRealCoordinates(&record, screen);
    syncExtentFields(&record);
}
