#include "platform/TextFont.h"

#include "base/Rounding.h"
#include "platform/DrawSurface.h"

#include <QColor>
#include <QPainter>

#include <algorithm>

namespace {

QFont buildFont(const TextFontRequest& request, int pixelHeight)
{
    QFont font(request.family);
    font.setPixelSize(pixelHeight);
    font.setWeight(static_cast<QFont::Weight>(std::clamp(request.weight, 1, 1000)));
    font.setItalic(request.italic);
    font.setUnderline(request.underline);
    font.setStrikeOut(request.strikeOut);
    // Aliased glyphs: every text pixel is either the text colour or untouched.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    return font;
}

// A resolution that is not a positive number reads as the common 96 dpi.
double resolvedDpi(double dpiY) { return dpiY > 0.0 ? dpiY : 96.0; }

int pixelsForPoints(int points, double dpiY)
{
    // A font is never smaller than one pixel: a zero size would select the
    // toolkit's default size instead of a tiny one.
    return std::max(1, roundEven(points * dpiY / 72.0));
}

} // namespace

TextFont::TextFont(const TextFontRequest& request, double dpiY)
    : request_(request)
    , font_(buildFont(request, pixelsForPoints(request.pointSize, resolvedDpi(dpiY))))
    , metrics_(font_)
    , pixelHeight_(pixelsForPoints(request.pointSize, resolvedDpi(dpiY)))
    , dpiY_(resolvedDpi(dpiY))
{
}

int TextFont::overhang() const
{
    if (!request_.italic)
        return 0;
    // The font-wide minimum bearing also counts marks and symbols that reach
    // far left of their origin; the slant shows in letters and digits.
    static const char16_t* const sample = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    int reach = 0;
    for (const char16_t* c = sample; *c; ++c)
        reach = std::max(reach, -metrics_.rightBearing(QChar(*c)));
    return reach;
}

int TextFont::textWidth(std::u16string_view text) const
{
    if (text.empty())
        return 0;
    // Borrow the characters: measuring must not copy long texts.
    const QString view = QString::fromRawData(reinterpret_cast<const QChar*>(text.data()),
                                              static_cast<qsizetype>(text.size()));
    return metrics_.horizontalAdvance(view);
}

void TextFont::drawText(DrawSurface& surface, int x, int y, std::u16string_view text, std::uint32_t colour) const
{
    if (text.empty())
        return;
    const QString view = QString::fromRawData(reinterpret_cast<const QChar*>(text.data()),
                                              static_cast<qsizetype>(text.size()));
    QPainter& painter = surface.painter();
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(font_);
    painter.setPen(toQColor(colour));
    painter.setBackgroundMode(Qt::TransparentMode);
    if (request_.escapement % 3600 == 0) {
        painter.drawText(x, y + ascent(), view);
    } else {
        painter.translate(x, y);
        painter.rotate(-request_.escapement / 10.0);
        painter.drawText(0, ascent(), view);
    }
    painter.restore();
}
