#pragma once

#include "platform/Bitmap24.h"

#include <QPoint>
#include <QSize>

#include <cstdint>
#include <optional>
#include <vector>

struct ItemRecord;

// Everything a clip's prepared bitmap depends on, as bytes: the clip's
// picture, cut, turn, mirrors, colour adjustments, frame and angle, and the
// target's zoom, size and effects. A cache built under one key serves only
// the same key, so a cache that outlived an edit or a zoom change is never
// drawn, whoever forgot to drop it.
class ClipCacheKey {
public:
    template <typename T> void add(T value)
    {
        const auto* p = reinterpret_cast<const std::uint8_t*>(&value);
        bytes_.insert(bytes_.end(), p, p + sizeof value);
    }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

// A prepared clip: its bitmap, where that lies up and to the left of the
// clip's device corner, and for a turned clip the extent of the turned bitmap.
struct ClipCacheEntry {
    Bitmap24 bitmap; // shares the record's bytes: read only, valid while the record lives
    QPoint offset;
    QSize extent;
};

// The clip's cache (its 1003000 record) when it was built under `key`.
std::optional<ClipCacheEntry> findClipCache(const ItemRecord& clip, const ClipCacheKey& key);

// Replaces the clip's cache records (1003000 and its twin 1003100) with the
// bitmap built under `key`.
void storeClipCache(const ItemRecord& clip, const ClipCacheKey& key, const Bitmap24& bitmap, QPoint offset,
    QSize extent = {});
