#include "render/PaintClipForms.h"

#include "model/ItemKinds.h"
#include "model/ItemRecord.h"
#include "platform/TextFont.h"
#include "render/Geometry.h"
#include "render/LineStyle.h"
#include "render/PaintColours.h"
#include "render/PaintHooks.h"
#include "render/PaintTarget.h"
#include "render/ShapeOutline.h"

#include <array>
#include <cmath>

namespace {

constexpr int kRoundClip = 2;
constexpr int kNameInset = 5;
constexpr int kNamePoints = 8;

DrawPen dottedPen(std::uint32_t colour, std::uint32_t gap)
{
    DrawPen pen;
    pen.style = DrawPen::Style::Dotted;
    pen.colour = colour;
    pen.hasGap = true;
    pen.gapColour = gap;
    return pen;
}

DrawPen silverPen()
{
    DrawPen pen;
    pen.colour = guidecolours::kPageGuide;
    return pen;
}

void drawRoundOutline(DrawSurface& surface, QPoint centre, int radius, double angle)
{
    thread_local Outline circle;
    const DeviceEntry entries[3] = { { centre, {}, {} }, { centre + QPoint(radius, 0), {}, {} },
        { centre + QPoint(0, -radius), {}, {} } };
    buildOutline(circle, kinds::kEllipse, entries, 3, 0, kinds::kOpen);
    if (!circle.points.empty())
        surface.polyBezier(circle.points.data(), int(circle.points.size()));
    if (angle != 0.0) {
        const QPoint spoke[2] = { centre, pointAt(centre, radius, angle) };
        surface.polyline(spoke, 2);
    }
}

// The picture's file name without folders, from the clip's picture store.
QString pictureFileName(const PaintTarget& target, const ItemRecord& clip)
{
    const ItemRecord* store = target.items ? findPictureStore(*target.items, clip.body.pictureId) : nullptr;
    if (!store)
        return {};
    const QString path = QString::fromStdU16String(getText(store));
    const qsizetype cut = std::max(path.lastIndexOf('/'), path.lastIndexOf('\\'));
    return path.mid(cut + 1);
}

void drawPictureName(const PaintTarget& target, const ItemRecord& clip)
{
    const QString name = pictureFileName(target, clip);
    if (name.isEmpty())
        return;
    const QPoint a = target.device(clip.body.x1, clip.body.y1);
    const QPoint b = target.device(clip.body.x2, clip.body.y2);
    const QRect inside = QRect(a, b).normalized();
    TextFontRequest request;
    request.pointSize = kNamePoints;
    const TextFont font(request, target.screenMetrics.dpiY);
    DrawSurface& surface = *target.canvas;
    surface.painter().save();
    surface.painter().setClipRect(inside, Qt::IntersectClip);
    font.drawText(surface, inside.left() + kNameInset, inside.top() + kNameInset, name.toStdU16String(),
        guidecolours::kPageGuide);
    surface.painter().restore();
}

int framePixels(const PaintTarget& target, const ItemRecord& clip)
{
    return clip.body.frameOn ? weightToPixels(target.zoom, clip.body.lineWeight, target.screenMetrics) : 0;
}

} // namespace

std::array<QPoint, 5> clipRectangleOutline(QPoint a, QPoint b, double angle, int grow)
{
    const double cx = (a.x() + b.x()) / 2.0, cy = (a.y() + b.y()) / 2.0;
    const double hw = std::abs(b.x() - a.x()) / 2.0 + grow, hh = std::abs(b.y() - a.y()) / 2.0 + grow;
    const double c = std::cos(angle), s = std::sin(angle);
    const double dx[4] = { -hw, hw, hw, -hw };
    const double dy[4] = { -hh, -hh, hh, hh };
    std::array<QPoint, 5> p;
    for (int i = 0; i < 4; ++i)
        p[i] = QPoint(roundEven(cx + c * dx[i] + s * dy[i]), roundEven(cy - s * dx[i] + c * dy[i]));
    p[4] = p[0];
    return p;
}

void drawClipOutline(const PaintTarget& target, const ItemRecord& clip, const DrawPen& pen, int grow)
{
    DrawSurface& surface = *target.canvas;
    surface.setPen(pen);
    surface.setBrush(DrawBrush {});
    const QPoint a = target.device(clip.body.x1, clip.body.y1);
    const QPoint b = target.device(clip.body.x2, clip.body.y2);
    if (clip.body.clipShape == kRoundClip) {
        drawRoundOutline(surface, a, roundEven(distanceOf(a, b)) + grow, clip.body.clipRotation);
        return;
    }
    const std::array<QPoint, 5> p = clipRectangleOutline(a, b, clip.body.clipRotation, grow);
    surface.polyline(p.data(), int(p.size()));
}

void paintClipItem(const PaintTarget& target, const ItemRecord& clip)
{
    if (target.onScreen && target.openingPass) {
        drawClipOutline(target, clip, silverPen());
        if (clip.body.clipShape != kRoundClip && clip.body.clipRotation == 0.0)
            drawPictureName(target, clip);
        return;
    }
    if (target.onScreen && target.quick) {
        const DrawPen pen = dottedPen(target.colours.dragOutline, target.colours.dragOutlineGap);
        drawClipOutline(target, clip, pen);
        const int f = framePixels(target, clip);
        if (f > 2)
            drawClipOutline(target, clip, pen, f);
        return;
    }
    if (!target.onScreen || target.drawPictures) {
        if (target.drawShadows && clip.body.shadowElevation != 0)
            shadowHook(target, clip);
        // A clip whose picture cannot be shown still shows where it is, on
        // the screen; printed and exported pictures get nothing in its place.
        if (clipHook(target, clip) || !target.onScreen)
            return;
    }
    drawClipOutline(target, clip, dottedPen(target.colours.hiddenPicture, target.colours.hiddenPictureGap));
}
