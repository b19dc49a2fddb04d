#include "platform/codecs/WmfSvgDevice.h"

#include <QByteArray>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numbers>

extern "C" {
#include <libwmf/defs.h>
#include <libwmf/ipa.h>
#include <libwmf/svg.h>
}

namespace {

// From the player's device units to the picture's pixels, as the SVG
// device maps them.
struct PictureMapping {
    double scaleX = 1, scaleY = 1, originX = 0, originY = 0;

    explicit PictureMapping(const wmf_svg_t& device)
    {
        const double w = double(device.bbox.BR.x) - device.bbox.TL.x,
                     h = double(device.bbox.BR.y) - device.bbox.TL.y;
        scaleX = w > 0 ? device.width / w : 1;
        scaleY = h > 0 ? device.height / h : 1;
        originX = device.bbox.TL.x;
        originY = device.bbox.TL.y;
    }
    double x(double deviceX) const { return (deviceX - originX) * scaleX; }
    double y(double deviceY) const { return (deviceY - originY) * scaleY; }
};

QByteArray number(double v)
{
    return std::isfinite(v) ? QByteArray::number(v, 'f', 3) : QByteArray("0");
}

QByteArray colour(const wmfRGB& c)
{
    return QByteArray("rgb(") + QByteArray::number(c.r) + ',' + QByteArray::number(c.g) + ','
        + QByteArray::number(c.b) + ')';
}

QByteArray styleOf(const wmfDC& dc, const PictureMapping& map, bool filled)
{
    QByteArray style = "fill:";
    const wmfBrush* brush = dc.brush;
    if (filled && brush && brush->lbStyle != BS_NULL)
        style += colour(brush->lbColor);
    else
        style += "none";
    const wmfPen* pen = dc.pen;
    if (pen && (pen->lopnStyle & PS_STYLE_MASK) != PS_NULL)
        style += "; stroke:" + colour(pen->lopnColor)
            + "; stroke-width:" + number(std::max(pen->width * map.scaleX, 1.0))
            + "; stroke-linecap:round; stroke-linejoin:round";
    else
        style += "; stroke:none";
    return style;
}

// Straight to the stream: libwmf's own printf loses long texts.
void write(wmfAPI* api, QByteArray text)
{
    wmfStream* out = WMF_SVG_GetData(api)->out;
    out->sputs(text.data(), out->context);
}

enum class ArcShape { Open, Pie, Chord };

// libwmf gives the arc's two points relative to the centre, GDI's end point
// as `start`, so the arc runs clockwise on the screen from where the ray
// through `start` meets the ellipse to where the ray through `end` does.
void drawArc(wmfAPI* api, const wmfDrawArc_t& arc, ArcShape shape)
{
    const wmf_svg_t& device = *WMF_SVG_GetData(api);
    if (!device.out)
        return;
    const PictureMapping map(device);
    const double cx = (double(arc.TL.x) + arc.BR.x) / 2, cy = (double(arc.TL.y) + arc.BR.y) / 2;
    const double rx = std::abs(double(arc.BR.x) - arc.TL.x) / 2,
                 ry = std::abs(double(arc.BR.y) - arc.TL.y) / 2;
    if (!(rx > 0 && ry > 0))
        return;
    auto onEllipse = [&](const wmfD_Coord& p, double& x, double& y) {
        const double dx = p.x, dy = p.y;
        const double t = 1 / std::sqrt(dx * dx / (rx * rx) + dy * dy / (ry * ry));
        x = std::isfinite(t) ? cx + t * dx : cx + rx;
        y = std::isfinite(t) ? cy + t * dy : cy;
    };
    double sx, sy, ex, ey;
    onEllipse(arc.start, sx, sy);
    onEllipse(arc.end, ex, ey);
    // Clockwise on a screen whose y points down is towards smaller
    // mathematical angles; SVG calls that direction sweep 1.
    const double from = std::atan2(-(sy - cy) / ry, (sx - cx) / rx),
                 to = std::atan2(-(ey - cy) / ry, (ex - cx) / rx);
    double sweep = from - to;
    while (sweep <= 0)
        sweep += 2 * std::numbers::pi;
    const double mrx = rx * map.scaleX, mry = ry * map.scaleY;
    const QByteArray radii = number(mrx) + ',' + number(mry) + " 0 ";
    QByteArray d = "M" + number(map.x(sx)) + ',' + number(map.y(sy));
    if (shape == ArcShape::Pie)
        d = "M" + number(map.x(cx)) + ',' + number(map.y(cy)) + " L" + number(map.x(sx)) + ','
            + number(map.y(sy));
    if (sweep >= 2 * std::numbers::pi - 1e-9) {
        // A whole turn: two halves, since one arc cannot end where it starts.
        const double mx = 2 * cx - sx, my = 2 * cy - sy;
        d += " A" + radii + "0,1 " + number(map.x(mx)) + ',' + number(map.y(my));
        d += " A" + radii + "0,1 " + number(map.x(sx)) + ',' + number(map.y(sy));
    } else {
        d += " A" + radii + (sweep > std::numbers::pi ? "1" : "0") + ",1 " + number(map.x(ex)) + ','
            + number(map.y(ey));
    }
    if (shape != ArcShape::Open)
        d += " Z";
    write(api, "<path d=\"" + d + "\" style=\"" + styleOf(*arc.dc, map, shape != ArcShape::Open) + "\"/>\n");
}

void drawOpenArc(wmfAPI* api, wmfDrawArc_t* arc)
{
    drawArc(api, *arc, ArcShape::Open);
}
void drawPie(wmfAPI* api, wmfDrawArc_t* arc)
{
    drawArc(api, *arc, ArcShape::Pie);
}
void drawChord(wmfAPI* api, wmfDrawArc_t* arc)
{
    drawArc(api, *arc, ArcShape::Chord);
}

void drawPolyline(wmfAPI* api, wmfPolyLine_t* line)
{
    const wmf_svg_t& device = *WMF_SVG_GetData(api);
    if (!device.out || line->count < 2)
        return;
    const PictureMapping map(device);
    QByteArray points;
    for (unsigned i = 0; i < line->count; ++i)
        points += number(map.x(line->pt[i].x)) + ',' + number(map.y(line->pt[i].y)) + ' ';
    write(api, "<polyline points=\"" + points + "\" style=\"" + styleOf(*line->dc, map, false) + "\"/>\n");
}

void drawBitmap(wmfAPI* api, wmfBMP_Draw_t* bitmap)
{
    const wmf_svg_t& device = *WMF_SVG_GetData(api);
    if (!device.out || !bitmap->bmp.data || bitmap->crop.w == 0 || bitmap->crop.h == 0)
        return;
    const PictureMapping map(device);
    const double w = std::abs(bitmap->crop.w * bitmap->pixel_width * map.scaleX);
    const double h = std::abs(bitmap->crop.h * bitmap->pixel_height * map.scaleY);
    write(api,
        "<image x=\"" + number(map.x(bitmap->pt.x)) + "\" y=\"" + number(map.y(bitmap->pt.y)) + "\" width=\""
            + number(w) + "\" height=\"" + number(h)
            + "\" preserveAspectRatio=\"none\" xlink:href=\"data:image/png;base64,");
    wmf_ipa_bmp_b64(api, bitmap, device.out);
    write(api, "\"/>\n");
}

// The largest bitmap a metafile may carry; libwmf decodes each one into
// memory of its own before it is drawn.
constexpr std::int64_t kMaxBitmapPixels = 16'000'000;

std::int64_t readLittle(const unsigned char* p, int bytes)
{
    std::int64_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | p[i];
    return v;
}

// Whether a bitmap's header is one libwmf can read safely: a known header
// size, a sane pixel depth and size, and, uncompressed, all its pixels
// present; run-length coding cannot make more than 128 pixels of a byte.
// libwmf itself loops for ever on some damaged headers.
bool isSaneBitmap(const unsigned char* data, long length)
{
    if (!data || length < 14)
        return false;
    if (data[0] == 'B' && data[1] == 'M') {
        data += 14;
        length -= 14;
    }
    if (length < 12)
        return false;
    const std::int64_t headerSize = readLittle(data, 4);
    std::int64_t width = 0, height = 0, bits = 0, compression = 0;
    if (headerSize == 12) {
        width = readLittle(data + 4, 2);
        height = readLittle(data + 6, 2);
        bits = readLittle(data + 10, 2);
    } else if ((headerSize == 40 || headerSize == 52 || headerSize == 56 || headerSize == 108
                   || headerSize == 124)
        && length >= headerSize) {
        width = std::int32_t(readLittle(data + 4, 4));
        height = std::abs(std::int64_t(std::int32_t(readLittle(data + 8, 4))));
        bits = readLittle(data + 14, 2);
        compression = readLittle(data + 16, 4);
    } else {
        return false;
    }
    if (width <= 0 || height <= 0 || width > 65535 || height > 65535 || width * height > kMaxBitmapPixels)
        return false;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return false;
    constexpr std::int64_t kUncompressed = 0, kBitFields = 3;
    if (compression == kUncompressed || compression == kBitFields)
        return (width * bits + 31) / 32 * 4 * height <= length;
    return width * height <= 128 * std::int64_t(length);
}

void readBitmap(wmfAPI* api, wmfBMP_Read_t* read)
{
    read->bmp.data = nullptr;
    if (isSaneBitmap(read->buffer, read->length))
        wmf_ipa_bmp_read(api, read);
}

} // namespace

void wmfMendedSvgDevice(wmfAPI* api)
{
    wmf_svg_function(api);
    if (api->err != wmf_E_None || !api->function_reference)
        return;
    auto* functions = static_cast<wmfFunctionReference*>(api->function_reference);
    functions->draw_arc = drawOpenArc;
    functions->draw_pie = drawPie;
    functions->draw_chord = drawChord;
    functions->poly_line = drawPolyline;
    functions->bmp_draw = drawBitmap;
    functions->bmp_read = readBitmap;
}
