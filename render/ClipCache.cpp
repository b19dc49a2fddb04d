#include "render/ClipCache.h"

#include "model/ItemKinds.h"
#include "model/ItemList.h"
#include "model/ItemRecord.h"

#include <cstring>

// A cache record's stream: the key's length (u32) and bytes, padded to a
// multiple of 8, then the width and height (i32) and the rows of 4-byte
// pixels, so that the pixels can be shown in place.
namespace {

std::size_t padded(std::size_t n)
{
    return (n + 7) & ~std::size_t(7);
}

constexpr std::size_t kLengthBytes = 8;

} // namespace

std::optional<ClipCacheEntry> findClipCache(const ItemRecord& clip, const ClipCacheKey& key)
{
    for (const ItemRecord& record : clip.children) {
        if (record.body.kind != kinds::kClipBitmap)
            continue;
        const std::vector<std::uint8_t>& s = record.imageStream;
        const std::vector<std::uint8_t>& k = key.bytes();
        const std::size_t pixelsAt = kLengthBytes + padded(k.size()) + 8;
        if (s.size() < pixelsAt)
            return std::nullopt;
        std::uint32_t keyLength = 0;
        std::memcpy(&keyLength, s.data(), sizeof keyLength);
        if (keyLength != k.size() || std::memcmp(s.data() + kLengthBytes, k.data(), k.size()) != 0)
            return std::nullopt;
        std::int32_t w = 0, h = 0;
        std::memcpy(&w, s.data() + pixelsAt - 8, 4);
        std::memcpy(&h, s.data() + pixelsAt - 4, 4);
        if (w <= 0 || h <= 0 || (s.size() - pixelsAt) / 4 / std::size_t(w) < std::size_t(h))
            return std::nullopt;
        ClipCacheEntry entry;
        entry.bitmap = Bitmap24(QImage(s.data() + pixelsAt, w, h, qsizetype(w) * 4, QImage::Format_RGB32));
        entry.offset = QPoint(record.body.x1, record.body.y1);
        entry.extent = QSize(record.body.x2, record.body.y2);
        return entry;
    }
    return std::nullopt;
}

void storeClipCache(const ItemRecord& clip, const ClipCacheKey& key, const Bitmap24& bitmap, QPoint offset,
    QSize extent)
{
    ItemList& caches = clip.children;
    freeChildren(caches);
    const std::vector<std::uint8_t>& k = key.bytes();
    const std::int32_t w = bitmap.width(), h = bitmap.height();
    const std::size_t pixelsAt = kLengthBytes + padded(k.size()) + 8;
    std::vector<std::uint8_t> stream(pixelsAt + std::size_t(w) * std::size_t(h) * 4);
    const std::uint32_t keyLength = std::uint32_t(k.size());
    std::memcpy(stream.data(), &keyLength, sizeof keyLength);
    std::memcpy(stream.data() + kLengthBytes, k.data(), k.size());
    std::memcpy(stream.data() + pixelsAt - 8, &w, 4);
    std::memcpy(stream.data() + pixelsAt - 4, &h, 4);
    for (int y = 0; y < h; ++y)
        std::memcpy(stream.data() + pixelsAt + std::size_t(y) * std::size_t(w) * 4, bitmap.scanLine(y),
            std::size_t(w) * 4);
    for (const std::int32_t kind : { kinds::kClipBitmap, kinds::kClipBitmapRaw }) {
        ItemRecord* record = createItem(caches, kind);
        record->imageStream = stream;
        record->body.x1 = offset.x();
        record->body.y1 = offset.y();
        record->body.x2 = extent.width();
        record->body.y2 = extent.height();
    }
}
