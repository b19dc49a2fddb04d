#pragma once

#include "base/ScreenMetrics.h"
#include "platform/Bitmap24.h"

#include <QString>

struct ItemRecord;
struct ItemList;

// A clip's picture as its cut coordinates see it, or why there is none.
struct ClipSource {
    Bitmap24 bitmap;
    QString failure; // empty when the bitmap is usable
    bool ok() const { return failure.isEmpty(); }
};

// Decodes the picture store the clip refers to (by its pictureId) at full
// size, then applies the turn and mirrors chosen when it was inserted: for a
// quarter or three-quarter turn the picture is first cut to even width and
// height and turned by mirrorX x mirrorY x the turn; for a half turn both
// mirror signs are negated instead; then it is mirrored by the two signs.
// Fails, without touching anything, for a missing store, an empty one, a
// picture that cannot be decoded or one of at most 1 pixel in either
// direction. Metafiles are drawn at their own size on the given screen.
ClipSource loadClipSource(const ItemRecord& clip, const ItemList& items, const ScreenMetrics& screen = {});
