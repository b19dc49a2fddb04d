#pragma once

#include "model/ItemRecord.h"
#include "platform/TextFont.h"

#include <QPoint>
#include <QPointF>

#include <array>
#include <optional>
#include <utility>
#include <string_view>

struct PaintTarget;
struct ScreenMetrics;
class TextFontCache;

// The font of a text item at a zoom: its family, round(zoom x size) points,
// rotated by its text angle.
TextFontRequest makeTextFont(const ItemRecord& item, double zoom);

// The text of an item as far as it is examined: up to its first NUL and at
// most kMaxTextUnits characters.
std::u16string_view itemText(const ItemRecord& item);

// Number of lines of a text: separators plus one.
int lineCount(std::u16string_view text);

// Line k (1-based) of a text: the characters between separators k-1 and k.
std::u16string_view textLine(std::u16string_view text, int k);

// Ascent + descent + external leading at zoom 1, in canvas units (pixels of
// `screen`). `fonts`, when given, must be made for the same screen.
int lineHeight(const ItemRecord& item, const ScreenMetrics& screen, TextFontCache* fonts = nullptr);

// Advance width of a line at zoom 1: measured at the zoom, divided by it, rounded.
int lineWidth(const ItemRecord& item, std::u16string_view line, double zoom, const ScreenMetrics& screen);

// Recomputes the item's box (minX .. maxY, spans, length) from its baseline,
// font and number of lines; x1 .. y2 stay the baseline. `anchorMarkSize` is
// the grid anchor mark size of the settings.
void textBox(ItemRecord& item, const ScreenMetrics& screen, int anchorMarkSize = kAnchorSize);
// The corners of the text's rotated box in canvas units: the baseline's ends
// moved down to the descent line, then the same two raised by the block of lines.
std::array<QPointF, 4> textBoxCorners(const ItemRecord& item, const ScreenMetrics& screen);

// Where a line's glyph cell starts: s moved along the baseline by the
// justification, then up by the ascent to the top of the cell.
QPoint textOrigin(
    const ItemRecord& item, const TextFont& font, std::u16string_view line, QPoint s, double zoom);

// The item's font at the target's zoom: from the target's font cache when it
// has one, else made into `own`.
const TextFont& targetFont(const PaintTarget& target, const ItemRecord& item, std::optional<TextFont>& own);

// How far one line reaches at the target's zoom, in device pixels: the
// larger of its advance width (measured as lineWidth) and the length of the
// item's baseline.
int lineReach(
    const PaintTarget& target, const ItemRecord& item, const TextFont& font, std::u16string_view line);

// The caret before character `caret` of the item's text, as the device
// points of its top and bottom, given where the baseline of the last line
// starts on the device: it stands at the end of the text before it in its
// line and spans the line's glyph cell, across the text's angle.
std::pair<QPoint, QPoint> textCaret(
    const ItemRecord& item, int caret, QPoint lastLineStart, double zoom, const ScreenMetrics& screen);

// Draws one line flat, its baseline running from s to e (device pixels),
// placed by the item's justification.
void drawTextLine(const PaintTarget& target, const ItemRecord& item, std::u16string_view line, QPoint s, QPoint e);
