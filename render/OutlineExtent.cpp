#include "render/OutlineExtent.h"

#include "base/Rounding.h"

#include <algorithm>
#include <climits>

namespace {

struct Extent {
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    void add(QPoint p)
    {
        left = std::min(left, p.x()), right = std::max(right, p.x());
        top = std::min(top, p.y()), bottom = std::max(bottom, p.y());
    }
    QRect rect() const { return left <= right ? boundedRect(left, top, right, bottom) : QRect(); }
};

} // namespace

QRect boundedRect(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom)
{
    const auto bound = [](std::int64_t v) { return int(std::clamp(v, -kExtentLimit, kExtentLimit)); };
    return QRect(QPoint(bound(left), bound(top)), QPoint(bound(right), bound(bottom)));
}

QRect drawnExtent(const Outline& outline)
{
    Extent e;
    if (outline.primitive == Outline::Primitive::Nothing)
        return {};
    if (outline.primitive == Outline::Primitive::Ellipse) {
        e.add({ outline.box.left, outline.box.top });
        e.add({ outline.box.right, outline.box.bottom });
    }
    for (const QPoint& p : outline.points)
        e.add(p);
    return e.rect();
}

QRect anchorExtent(const std::vector<DeviceEntry>& entries)
{
    Extent e;
    for (const DeviceEntry& d : entries)
        e.add(d.anchor);
    return e.rect();
}

void moveOutline(Outline& outline, QPoint by)
{
    for (QPoint& p : outline.points)
        p = QPoint(addClamped(p.x(), by.x()), addClamped(p.y(), by.y()));
    EdgeBox& b = outline.box;
    b = { addClamped(b.left, by.x()), addClamped(b.top, by.y()), addClamped(b.right, by.x()),
        addClamped(b.bottom, by.y()) };
}
