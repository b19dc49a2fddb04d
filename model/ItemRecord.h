#pragma once

#include "model/ItemBody.h"
#include "model/ItemList.h"

#include <QImage>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// One entry of a shape's point list: the anchor, its value when the current
// edit began, the two Bézier control points of the segment that leaves it and
// their values when the edit began.
struct PointEntry {
    StoredPoints data {};

    std::int32_t x(int point) const { return data.xy[2 * point]; }
    std::int32_t y(int point) const { return data.xy[2 * point + 1]; }
    void set(int point, std::int32_t px, std::int32_t py)
    {
        data.xy[2 * point] = px;
        data.xy[2 * point + 1] = py;
    }
};

// A gridline keeps its anchor mark's rectangle; its position is the
// rectangle's left (vertical gridline) or top (horizontal) plus half the mark.
struct Gridline {
    std::int32_t deleted = 0;
    std::uint8_t highlighted = 0;
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
};

constexpr int kAnchorSize = 7;
constexpr int kAnchorHalf = kAnchorSize / 2;

// Pixels saved from under one selection mark, to be put back when the mark goes.
struct MarkSnapshot {
    std::int32_t tag = 0;
    int x = 0, y = 0;
    QImage pixels;
};

// A box in canvas units, edges included.
struct UnitBox {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

// A record of a drawing: links and owned data, then the stored body.
struct ItemRecord {
    ItemRecord* prev = nullptr;
    ItemRecord* next = nullptr;
    std::u16string text; // always NUL-terminated by std::u16string itself
    std::vector<MarkSnapshot> markSnapshots;
    std::vector<std::int32_t> tagList;
    std::vector<Gridline> gridListX;
    std::vector<Gridline> gridListY;
    std::vector<PointEntry> pointList;
    std::vector<std::uint8_t> imageStream;
    // A clip's prepared bitmaps: caches that painting a clip fills in, so
    // they may change while the clip itself is only read.
    mutable ItemList children;
    // The box that repaints test a shape against, worked out from its points
    // (the stored minX .. maxY otherwise). Kept apart from the body so that
    // loading a drawing leaves its stored fields as the file had them.
    std::optional<UnitBox> repaintBox;

    union {
        ItemBody body;
        HeaderBody header;
        std::uint8_t bytes[kBodySize];
    };

    ItemRecord() : bytes {} {}
    ItemRecord(const ItemRecord&) = delete;
    ItemRecord& operator=(const ItemRecord&) = delete;
};
