#pragma once

#include "model/ItemKinds.h"
#include "model/ItemList.h"
#include "model/ItemRecord.h"
#include "render/ShapeOutline.h"

#include <QPoint>

#include <initializer_list>
#include <vector>

namespace geometrytest {

// A shape item with the given anchors, in a list of its own.
inline ItemRecord* addShape(ItemList& list, std::int32_t kind, std::initializer_list<QPoint> anchors)
{
    ItemRecord* r = createItem(list, kind);
    for (QPoint p : anchors) {
        PointEntry e;
        e.set(0, p.x(), p.y());
        r->pointList.push_back(e);
    }
    return r;
}

inline std::vector<DeviceEntry> entriesOf(std::initializer_list<QPoint> anchors)
{
    std::vector<DeviceEntry> out;
    for (QPoint p : anchors)
        out.push_back({ p, {}, {} });
    return out;
}

inline Outline outlineOf(std::int32_t kind, const std::vector<DeviceEntry>& entries, int sides = 0, int variant = 2)
{
    Outline out;
    buildOutline(out, kind, entries.data(), int(entries.size()), sides, variant);
    return out;
}

} // namespace geometrytest
