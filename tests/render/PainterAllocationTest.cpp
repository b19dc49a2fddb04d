#include "fixtures/RenderFixtures.h"

#include "platform/Bitmap24.h"
#include "platform/DrawSurface.h"
#include "render/PaintResources.h"
#include "render/PaintTarget.h"
#include "render/ScenePainter.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

// Counts every allocation of the test program while switched on, so the test
// below can see whether painting an item allocates.
namespace {
std::atomic<long> allocations { 0 };
std::atomic<bool> counting { false };
} // namespace

namespace {
void* countedAlloc(std::size_t n) noexcept
{
    if (counting)
        ++allocations;
    return std::malloc(n ? n : 1);
}
} // namespace

// Every form is replaced, so that memory never passes between this
// allocator and the library's (a sanitizer build reports such a mix).
void* operator new(std::size_t n)
{
    if (void* p = countedAlloc(n))
        return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t n)
{
    if (void* p = countedAlloc(n))
        return p;
    throw std::bad_alloc();
}
void* operator new(std::size_t n, const std::nothrow_t&) noexcept { return countedAlloc(n); }
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept { return countedAlloc(n); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }

using namespace renderfixture;

// A full repaint touches thousands of items: drawing a plain shape or line
// must not allocate once the painter's buffers have grown.
TEST(PainterAllocation, PlainShapesAndLinesPaintWithoutAllocating)
{
    ItemList items;
    addHeader(items, 400, 400);
    const std::int32_t kinds[] = { kinds::kTriangle, kinds::kSquare, kinds::kRectangle, kinds::kCircle,
        kinds::kPolygon, kinds::kStar, kinds::kPie, kinds::kArc, kinds::kSpline };
    std::vector<ItemRecord*> plain;
    for (std::int32_t kind : kinds)
        plain.push_back(addShape(items, kind, { { 100, 100 }, { 150, 120 }, { 90, 60 }, { 60, 130 } }, 0xFF, 0xFF00));
    plain.push_back(addLine(items, { 10, 10 }, { 200, 50 }, 0, 3, 1.0));
    plain.push_back(addLine(items, { 10, 10 }, { 200, 50 }, 0, 0, 0.0));
    Bitmap24 bitmap(400, 400);
    DrawSurface surface(bitmap);
    PaintResources resources(items, kScreen);
    PaintTarget target = PaintTarget::screen(surface, &items, kScreen, 1.0, 0, 0);
    target.resources = &resources;
    for (const ItemRecord* item : plain)
        paintItemOn(target, *item); // lets buffers grow
    for (const ItemRecord* item : plain) {
        allocations = 0;
        counting = true;
        paintItemOn(target, *item);
        counting = false;
        EXPECT_EQ(allocations.load(), 0) << "kind " << item->body.kind;
    }
}
