#include "render/ClipPainting.h"

#include "base/Rounding.h"
#include "model/ItemRecord.h"
#include "platform/Bitmap24.h"
#include "platform/DrawSurface.h"
#include "platform/codecs/PictureDecoder.h"
#include "render/ClipCache.h"
#include "render/ClipFrame.h"
#include "render/ClipPixels.h"
#include "render/ClipSource.h"
#include "render/Geometry.h"
#include "render/LineStyle.h"
#include "render/PaintTarget.h"
#include "render/Resample.h"
#include "render/ScenePainter.h"

#include <QRect>

#include <cmath>
#include <cstdlib>
#include <optional>

namespace {

constexpr int kRoundClip = 2;
constexpr std::uint32_t kWhite = 0xFFFFFF;
// Pieces and targets of this many pixels or fewer in a direction are not drawn.
constexpr int kLeastSide = 2;
// No working bitmap of a clip is larger than the largest picture decoded.
constexpr std::int64_t kMaxClipPixels = kMaxPicturePixels;
// Coordinates further out than this come from a damaged file; the clip is
// not drawn rather than risk arithmetic at the ends of the integer range.
constexpr std::int64_t kCoordinateLimit = std::int64_t(1) << 28;

bool sane(std::int64_t v)
{
    return v > -kCoordinateLimit && v < kCoordinateLimit;
}

bool drawable(std::int64_t w, std::int64_t h)
{
    return w > kLeastSide && h > kLeastSide && w <= kCoordinateLimit && h <= kCoordinateLimit
        && w * h <= kMaxClipPixels;
}

int signOf(double v)
{
    return v < 0 ? -1 : 1;
}

ClipFrameStyle frameStyle(const PaintTarget& target, const ItemBody& b)
{
    ClipFrameStyle frame;
    if (!b.frameOn)
        return frame;
    frame.width = weightToPixels(target.zoom, b.lineWeight, target.screenMetrics);
    frame.colour = std::uint32_t(b.lineColor) & 0xFFFFFF;
    frame.shaded = b.surface >= 1 && target.draw3D && frame.width > 3;
    frame.floor = b.surface;
    frame.light = lightDirectionOf(target.items);
    return frame;
}

ClipCacheKey cacheKey(const PaintTarget& target, const ItemBody& b, QSize size, const ClipFrameStyle& frame)
{
    ClipCacheKey key;
    key.add(target.zoom);
    key.add(target.screenMetrics.dpiX);
    key.add(target.screenMetrics.dpiY);
    for (const std::int32_t v : { size.width(), size.height(), b.pictureId, b.clipShape, b.clipLeft, b.clipTop,
             b.clipRight, b.clipBottom, b.mirrorX, b.mirrorY, b.pictureRotation, b.saturation, b.contrast,
             b.lightness, signOf(b.clipScaleX), signOf(b.clipScaleY), frame.width, std::int32_t(frame.colour),
             std::int32_t(frame.shaded), frame.floor, frame.light })
        key.add(v);
    key.add(b.clipRotation);
    return key;
}

// The piece of the picture inside `cut` (right and bottom edges excluded),
// white where it reaches beyond the picture.
std::optional<Bitmap24> cutPiece(const Bitmap24& picture, std::int64_t left, std::int64_t top, std::int64_t right,
    std::int64_t bottom)
{
    if (!sane(left) || !sane(top) || !sane(right) || !sane(bottom) || !drawable(right - left, bottom - top))
        return std::nullopt;
    const int w = int(right - left), h = int(bottom - top);
    Bitmap24 piece(w, h);
    if (piece.isNull())
        return std::nullopt;
    piece.fill(kWhite);
    bitBlt(piece, 0, 0, w, h, picture, int(left), int(top));
    return piece;
}

// The piece scaled to the placed size, adjusted and mirrored.
std::optional<Bitmap24> preparedPiece(const Bitmap24& piece, QSize size, const ItemBody& b)
{
    Bitmap24 scaled(size.width(), size.height());
    if (scaled.isNull())
        return std::nullopt;
    resample(piece, scaled, ResampleKernel::Mitchell);
    adjustColours(scaled, b.saturation, b.contrast, b.lightness);
    mirrorBitmap(scaled, signOf(b.clipScaleX), signOf(b.clipScaleY));
    return scaled;
}

void drawAt(DrawSurface& surface, const Bitmap24& bitmap, QPoint at)
{
    const QRect visible = QRect(at, QSize(bitmap.width(), bitmap.height())) & surface.drawableRect();
    if (!visible.isEmpty())
        bitBlt(surface.bitmap(), visible.x(), visible.y(), visible.width(), visible.height(), bitmap,
            visible.x() - at.x(), visible.y() - at.y());
}

// A copy of the pixels of the canvas within `area` that drawing may change;
// empty when there are none.
struct CanvasPatch {
    QRect place;
    Bitmap24 pixels;
};
std::optional<CanvasPatch> canvasPatch(DrawSurface& surface, const QRect& area)
{
    CanvasPatch patch { area & surface.drawableRect(), {} };
    if (patch.place.isEmpty())
        return std::nullopt;
    patch.pixels = Bitmap24(patch.place.width(), patch.place.height());
    if (patch.pixels.isNull())
        return std::nullopt;
    bitBlt(patch.pixels, 0, 0, patch.place.width(), patch.place.height(), surface.bitmap(), patch.place.x(),
        patch.place.y());
    return patch;
}

// The bitmap turned by `angle` onto the canvas area `area`, about its centre;
// the canvas shows through where the turned bitmap does not reach.
void drawTurned(DrawSurface& surface, const Bitmap24& bitmap, double angle, const QRect& area)
{
    std::optional<CanvasPatch> patch = canvasPatch(surface, area);
    if (!patch)
        return;
    rotateBitmap(bitmap, patch->pixels, angle, area.size(), patch->place.topLeft() - area.topLeft());
    drawAt(surface, patch->pixels, patch->place.topLeft());
}

// Only the disc inscribed in the square covers the canvas.
void drawDisc(DrawSurface& surface, const Bitmap24& square, QPoint at)
{
    std::optional<CanvasPatch> patch = canvasPatch(surface, QRect(at, QSize(square.width(), square.height())));
    if (!patch)
        return;
    maskRound(square, patch->pixels, at.x() - patch->place.x(), at.y() - patch->place.y());
    drawAt(surface, patch->pixels, patch->place.topLeft());
}

// A prepared rectangular clip on the canvas: offset (C, D) up and to the
// left of the clip's device corner, and for a turned clip the extent A x B
// of the area it is turned into.
void drawRectangular(const PaintTarget& target, const Bitmap24& framed, QPoint corner, QPoint offset, QSize extent,
    double angle)
{
    const QPoint at = corner - offset;
    if (angle == 0.0)
        drawAt(*target.canvas, framed, at);
    else
        drawTurned(*target.canvas, framed, angle, QRect(at, extent));
}

bool paintRectangular(const PaintTarget& target, const ItemRecord& clip)
{
    const ItemBody& b = clip.body;
    const QPoint p1 = target.device(b.x1, b.y1), p2 = target.device(b.x2, b.y2);
    const std::int64_t tw = std::abs(std::int64_t(p2.x()) - p1.x()), th = std::abs(std::int64_t(p2.y()) - p1.y());
    if (!drawable(tw, th))
        return false;
    const QPoint corner(std::min(p1.x(), p2.x()), std::min(p1.y(), p2.y()));
    const double angle = b.clipRotation;
    const ClipFrameStyle frame = frameStyle(target, b);
    const ClipCacheKey key = cacheKey(target, b, QSize(int(tw), int(th)), frame);
    if (target.onScreen)
        if (const std::optional<ClipCacheEntry> cached = findClipCache(clip, key)) {
            drawRectangular(target, cached->bitmap, corner, cached->offset, cached->extent, angle);
            return true;
        }

    const ClipSource source = loadClipSource(clip, *target.items, target.screenMetrics);
    if (!source.ok())
        return false;
    const std::optional<Bitmap24> piece = cutPiece(source.bitmap, std::min(b.clipLeft, b.clipRight),
        std::min(b.clipTop, b.clipBottom), std::max(b.clipLeft, b.clipRight), std::max(b.clipTop, b.clipBottom));
    if (!piece)
        return false;
    std::optional<Bitmap24> prepared = preparedPiece(*piece, QSize(int(tw), int(th)), b);
    if (!prepared)
        return false;
    if (angle != 0.0 && (prepared->width() % 2 != 0 || prepared->height() % 2 != 0)) {
        // A turned clip needs even sides to turn about a pixel corner.
        const int w = prepared->width() & ~1, h = prepared->height() & ~1;
        Bitmap24 even(w, h);
        bitBlt(even, 0, 0, w, h, *prepared, 0, 0);
        prepared = std::move(even);
    }
    const Bitmap24 framed = framedBitmap(*prepared, frame, angle);
    const int f = frame.width;
    QPoint offset(f, f);
    QSize extent;
    if (angle != 0.0) {
        const int w = framed.width(), h = framed.height();
        const int a = std::abs(roundEven(h * std::sin(angle))) + std::abs(roundEven(w * std::cos(angle)));
        const int bb = std::abs(roundEven(w * std::sin(angle))) + std::abs(roundEven(h * std::cos(angle)));
        extent = QSize(a, bb);
        offset = QPoint((a - w) / 2 + f, (bb - h) / 2 + f);
    }
    drawRectangular(target, framed, corner, offset, extent, angle);
    if (target.onScreen)
        storeClipCache(clip, key, framed, offset, extent);
    return true;
}

bool paintRound(const PaintTarget& target, const ItemRecord& clip)
{
    const ItemBody& b = clip.body;
    const QPoint centre = target.device(b.x1, b.y1);
    const std::int64_t r = roundEven(distanceOf(centre, target.device(b.x2, b.y2)));
    if (!sane(centre.x()) || !sane(centre.y()) || !drawable(2 * r, 2 * r))
        return false;
    const int side = int(2 * r);
    const QPoint at = centre - QPoint(int(r), int(r));
    const ClipFrameStyle frame = frameStyle(target, b);
    const ClipCacheKey key = cacheKey(target, b, QSize(side, side), frame);
    std::optional<ClipCacheEntry> cached;
    if (target.onScreen)
        cached = findClipCache(clip, key);
    if (cached) {
        drawDisc(*target.canvas, cached->bitmap, at);
    } else {
        const ClipSource source = loadClipSource(clip, *target.items, target.screenMetrics);
        if (!source.ok())
            return false;
        const std::int64_t pr
            = roundEven(distanceOf(QPoint(b.clipLeft, b.clipTop), QPoint(b.clipRight, b.clipBottom)));
        const std::optional<Bitmap24> piece = cutPiece(source.bitmap, std::int64_t(b.clipLeft) - pr,
            std::int64_t(b.clipTop) - pr, std::int64_t(b.clipLeft) + pr, std::int64_t(b.clipTop) + pr);
        if (!piece)
            return false;
        std::optional<Bitmap24> square = preparedPiece(*piece, QSize(side, side), b);
        if (!square)
            return false;
        if (b.clipRotation != 0.0) {
            Bitmap24 turned(side, side);
            turned.fill(kWhite);
            rotateBitmap(*square, turned, b.clipRotation);
            square = std::move(turned);
        }
        drawDisc(*target.canvas, *square, at);
        if (target.onScreen)
            storeClipCache(clip, key, *square, QPoint(int(r), int(r)));
    }
    drawClipRing(*target.canvas, QPointF(centre), int(r), frame);
    return true;
}

} // namespace

bool paintClip(const PaintTarget& target, const ItemRecord& clip)
{
    if (!target.canvas || !target.items)
        return false;
    if (clip.body.clipShape == kRoundClip)
        return paintRound(target, clip);
    return paintRectangular(target, clip);
}
