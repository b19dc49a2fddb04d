#pragma once

struct PaintTarget;
struct ItemRecord;

// Draws a picture clip in full: its piece of the picture scaled to its
// placed size, colour-adjusted, mirrored by the signs of its scales, framed,
// turned by its angle and, for a round clip, masked to its disc and ringed by
// its frame. On the screen the prepared bitmap is kept with the clip and
// reused while it still matches the clip and the zoom; bitmap targets build
// it afresh and keep nothing. False when nothing could be drawn: the picture
// is missing or unreadable, or the piece or its placed size is 2 pixels or
// less (or absurdly large) in either direction.
bool paintClip(const PaintTarget& target, const ItemRecord& clip);
