#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QString>

#include <cstdint>
#include <string_view>

class DrawSurface;

// What a text item asks of a font: the fields of a logical font description.
// `pointSize` is the cell height in points; `escapement` is the rotation of the
// baseline in tenths of a degree, counter-clockwise with y up.
struct TextFontRequest {
    QString family = QStringLiteral("Arial");
    int pointSize = 12;
    int escapement = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    // 0: the family's own. Kept with the font for the panels; text reaches the
    // glyphs as UTF-16, so no character set narrows what can be drawn.
    int charSet = 0;

    bool operator==(const TextFontRequest&) const = default;
};

// A resolved font with the metrics the text layout needs, in device pixels at
// a given resolution. Glyphs are drawn without anti-aliasing so that text
// pixels carry exactly the colour asked for (the 3-D shading reads them back).
class TextFont {
public:
    // `dpiY` turns points into pixels: the vertical resolution of the screen
    // whose pixels the text is measured in.
    TextFont(const TextFontRequest& request, double dpiY);

    const TextFontRequest& request() const { return request_; }
    const QFont& font() const { return font_; }
    int pixelHeight() const { return pixelHeight_; }
    double dpiY() const { return dpiY_; }

    int ascent() const { return metrics_.ascent(); }
    int descent() const { return metrics_.descent(); }
    int externalLeading() const { return std::max(0, metrics_.leading()); }
    // Extra width a slanted face reaches beyond its advance; 0 for upright faces.
    int overhang() const;
    // Advance width of the text in the unrotated font.
    int textWidth(std::u16string_view text) const;

    // Draws the text with its cell's top left corner at (x, y), rotated by the
    // escapement about that point, on a transparent background.
    void drawText(DrawSurface& surface, int x, int y, std::u16string_view text, std::uint32_t colour) const;

private:
    TextFontRequest request_;
    QFont font_;
    QFontMetrics metrics_;
    int pixelHeight_ = 1;
    double dpiY_ = 96.0;
};
