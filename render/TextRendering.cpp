#include "render/TextRendering.h"

#include "base/ScreenMetrics.h"
#include "model/ItemList.h"
#include "base/Rounding.h"
#include "render/Geometry.h"
#include "render/PaintResources.h"
#include "render/PaintTarget.h"
#include "render/TextFontCache.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace {

constexpr int kJustifyCentre = 2;
constexpr int kJustifyRight = 3;

double textAngleRadians(const ItemRecord& item) { return item.body.textAngle / 10.0 * std::numbers::pi / 180.0; }

// A font from the cache when there is one, else made into `own`.
const TextFont& fontFor(
    const TextFontRequest& request, double dpiY, TextFontCache* fonts, std::optional<TextFont>& own)
{
    if (fonts)
        return fonts->get(request);
    own.emplace(request, dpiY);
    return *own;
}

int widthAtZoomOne(const TextFont& font, std::u16string_view line, double zoom)
{
    const int w = font.textWidth(line);
    return zoom > 0.0 ? roundEven(w / zoom) : w;
}

} // namespace

TextFontRequest makeTextFont(const ItemRecord& item, double zoom)
{
    const ItemBody& b = item.body;
    TextFontRequest request;
    request.family = QString::fromLatin1(fontNameOf(&item));
    request.pointSize = roundEven(zoom * b.fontSize);
    request.escapement = b.textAngle;
    request.weight = b.fontWeight;
    request.italic = b.italic != 0;
    request.underline = b.underline != 0;
    request.strikeOut = b.strikeOut != 0;
    request.charSet = b.charSet > 0 ? b.charSet : 0;
    return request;
}

std::u16string_view itemText(const ItemRecord& item)
{
    const int n = std::min(textLength(&item), kMaxTextUnits);
    return std::u16string_view(item.text.data(), static_cast<std::size_t>(n));
}

int lineCount(std::u16string_view text)
{
    return 1 + static_cast<int>(std::count(text.begin(), text.end(), kLineSeparator));
}

std::u16string_view textLine(std::u16string_view text, int k)
{
    std::size_t start = 0;
    for (int i = 1; i < k; ++i) {
        const std::size_t sep = text.find(kLineSeparator, start);
        if (sep == std::u16string_view::npos)
            return {};
        start = sep + 1;
    }
    const std::size_t end = text.find(kLineSeparator, start);
    return text.substr(start, end == std::u16string_view::npos ? std::u16string_view::npos : end - start);
}

int lineHeight(const ItemRecord& item, const ScreenMetrics& screen, TextFontCache* fonts)
{
    std::optional<TextFont> own;
    const TextFont& f = fontFor(makeTextFont(item, 1.0), screen.dpiY, fonts, own);
    return f.ascent() + f.descent() + f.externalLeading();
}

int lineWidth(const ItemRecord& item, std::u16string_view line, double zoom, const ScreenMetrics& screen)
{
    return widthAtZoomOne(TextFont(makeTextFont(item, zoom), screen.dpiY), line, zoom);
}

std::array<QPointF, 4> textBoxCorners(const ItemRecord& item, const ScreenMetrics& screen)
{
    const ItemBody& b = item.body;
    const TextFont font(makeTextFont(item, 1.0), screen.dpiY);
    const double t = textAngleRadians(item);
    const int lines = std::max(1, lineCount(itemText(item)));
    const double cellHeight = font.ascent() + font.descent() + font.externalLeading();

    // The baseline moved down to the descent line, then the block of lines
    // standing on it, all on the side towards t + pi/2.
    const double downX = font.descent() * std::cos(t - std::numbers::pi / 2);
    const double downY = -font.descent() * std::sin(t - std::numbers::pi / 2);
    const double upX = lines * cellHeight * std::cos(t + std::numbers::pi / 2);
    const double upY = -lines * cellHeight * std::sin(t + std::numbers::pi / 2);
    const double sx = b.x1 + downX, sy = b.y1 + downY;
    const double ex = b.x2 + downX, ey = b.y2 + downY;
    return { QPointF(sx, sy), QPointF(ex, ey), QPointF(ex + upX, ey + upY), QPointF(sx + upX, sy + upY) };
}

void textBox(ItemRecord& item, const ScreenMetrics& screen, int anchorMarkSize)
{
    ItemBody& b = item.body;
    const TextFont font(makeTextFont(item, 1.0), screen.dpiY);
    const std::array<QPointF, 4> corners = textBoxCorners(item, screen);
    double xs[4], ys[4];
    for (int i = 0; i < 4; ++i) {
        xs[i] = corners[i].x();
        ys[i] = corners[i].y();
    }

    const int grow = std::max(anchorMarkSize / 2, font.overhang());
    int minX = roundEven(xs[0]), maxX = minX, minY = roundEven(ys[0]), maxY = minY;
    for (int i = 1; i < 4; ++i) {
        minX = std::min(minX, roundEven(xs[i]));
        maxX = std::max(maxX, roundEven(xs[i]));
        minY = std::min(minY, roundEven(ys[i]));
        maxY = std::max(maxY, roundEven(ys[i]));
    }
    b.minX = addClamped(minX, -grow);
    b.maxX = addClamped(maxX, grow);
    b.minY = addClamped(minY, -grow);
    b.maxY = addClamped(maxY, grow);
    b.spanX = clampToInt32(std::llabs(std::int64_t(b.x2) - b.x1));
    b.spanY = clampToInt32(std::llabs(std::int64_t(b.y2) - b.y1));
    b.length = roundEven(std::sqrt(double(b.spanX) * b.spanX + double(b.spanY) * b.spanY));
    // The baseline's direction, as loading derives it.
    b.lineAngle = lineAngleOf(b.x1, b.y1, b.x2, b.y2);
}

QPoint textOrigin(const ItemRecord& item, const TextFont& font, std::u16string_view line, QPoint s, double zoom)
{
    const ItemBody& b = item.body;
    const double t = textAngleRadians(item);
    if (b.justification == kJustifyCentre || b.justification == kJustifyRight) {
        const int w = roundEven(zoom * widthAtZoomOne(font, line, zoom));
        const int span = roundEven(zoom * distanceOf(QPoint(b.x1, b.y1), QPoint(b.x2, b.y2)));
        if (w < span)
            s = pointAt(s, b.justification == kJustifyCentre ? (span - w) / 2.0 : double(span - w), t);
    }
    const double up = t + std::numbers::pi / 2;
    return { s.x() + roundEven(std::cos(up) * font.ascent()), s.y() - roundEven(std::sin(up) * font.ascent()) };
}

const TextFont& targetFont(const PaintTarget& target, const ItemRecord& item, std::optional<TextFont>& own)
{
    TextFontCache* fonts = target.resources ? &target.resources->fonts() : nullptr;
    return fontFor(makeTextFont(item, target.zoom), target.screenMetrics.dpiY, fonts, own);
}

int lineReach(
    const PaintTarget& target, const ItemRecord& item, const TextFont& font, std::u16string_view line)
{
    const ItemBody& b = item.body;
    const int width = roundEven(target.zoom * widthAtZoomOne(font, line, target.zoom));
    const int baseline = roundEven(target.zoom * distanceOf(QPoint(b.x1, b.y1), QPoint(b.x2, b.y2)));
    return std::max(width, baseline);
}

void drawTextLine(
    const PaintTarget& target, const ItemRecord& item, std::u16string_view line, QPoint s, QPoint)
{
    if (line.empty() || !target.canvas)
        return;
    std::optional<TextFont> own;
    const TextFont& font = targetFont(target, item, own);
    const QPoint origin = textOrigin(item, font, line, s, target.zoom);
    font.drawText(*target.canvas, origin.x(), origin.y(), line, std::uint32_t(item.body.textColor) & 0xFFFFFF);
}

std::pair<QPoint, QPoint> textCaret(
    const ItemRecord& item, int caret, QPoint lastLineStart, double zoom, const ScreenMetrics& screen)
{
    const std::u16string_view all = itemText(item);
    const int lines = std::max(1, lineCount(all));
    int k = 1;
    std::size_t lineStart = 0;
    const std::size_t end = std::min(all.size(), std::size_t(std::max(0, caret)));
    for (std::size_t i = 0; i < end; ++i)
        if (all[i] == kLineSeparator) {
            ++k;
            lineStart = i + 1;
        }
    const std::u16string_view line = textLine(all, k);
    const std::size_t column = std::min(line.size(), end - lineStart);
    const TextFont font(makeTextFont(item, zoom), screen.dpiY);
    const double t = textAngleRadians(item), up = t + std::numbers::pi / 2;
    // Lines are stepped up from the last one as the painter steps them.
    const double h = lineHeight(item, screen) * zoom;
    const QPoint step(roundEven(std::cos(up) * h), -roundEven(std::sin(up) * h));
    const QPoint s = lastLineStart + step * (lines - k);
    const QPoint cellTop = textOrigin(item, font, line, s, zoom);
    const QPoint top = pointAt(cellTop, roundEven(zoom * widthAtZoomOne(font, line.substr(0, column), zoom)), t);
    const int cell = font.ascent() + font.descent();
    return { top, QPoint(top.x() - roundEven(std::cos(up) * cell), top.y() + roundEven(std::sin(up) * cell)) };
}
