#include "panels/PropertyLists.h"

#include "panels/PropertyList.h"
#include "platform/FontList.h"
#include "render/LineStyle.h"

#include <QColor>
#include <QPainter>
#include <QPixmap>

#include <cmath>
#include <vector>

namespace propertylists {

namespace {

    constexpr int kSampleWidth = 28;
    constexpr int kSampleHeight = 14;

    struct Named {
        const char* caption;
        double value;
    };

    constexpr std::pair<const char*, std::int32_t> kColors[]
        = { { "Black", 0 }, { "Maroon", 128 }, { "Green", 32768 }, { "Olive", 32896 }, { "Navy", 8388608 },
              { "Purple", 8388736 }, { "Teal", 8421376 }, { "Gray", 8421504 }, { "Silver", 12632256 },
              { "Red", 255 }, { "Lime", 65280 }, { "Yellow", 65535 }, { "Blue", 16711680 },
              { "Fuchsia", 16711935 }, { "Aqua", 16776960 }, { "White", 16777215 } };

    constexpr Named kWeights[] = { { "Thin", 0.0 }, { "Medium", 0.5 }, { "Thick", 1.0 }, { "Heavy", 2.0 },
        { "Wide", 3.0 }, { "Broad", 5.0 } };

    constexpr Named kDirections[] = { { "Any angle", kAnyAngle }, { "Horizontal", 0.0 },
        { "Vertical (right)", 90.0 }, { "Vertical (left)", 270.0 }, { "Upside down", 180.0 } };

    constexpr int kSides[] = { 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 16, 20 };
    constexpr int kFontSizes[] = { 8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72 };
    constexpr std::pair<const char*, int> kFontWeights[]
        = { { "Thin", 100 }, { "Extralight", 200 }, { "Light", 300 }, { "Normal", 400 }, { "Medium", 500 },
              { "Semibold", 600 }, { "Bold", 700 }, { "Extrabold", 800 }, { "Heavy", 900 } };

    struct ShadowEntry {
        const char* caption;
        ShadowPreset shadow;
    };
    constexpr ShadowEntry kShadows[] = { { "None", { 0, 0, 0 } }, { "Slight", { 30, 10, 100 } },
        { "Medium", { 50, 20, 110 } }, { "Broad", { 70, 30, 120 } } };

    // Dash and gap lengths of the built-in patterns' pictures, in pixels.
    const std::vector<int> kPatternPictures[]
        = { {}, { 1, 2 }, { 6, 3 }, { 9, 2, 2, 2 }, { 9, 2, 2, 2, 2, 2 } };
    constexpr const char* kPatternNames[] = { "Solid", "Dot", "Dash", "Center", "Phantom" };

    QColor qColor(std::int32_t bgr)
    {
        return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
    }

    QPixmap blankSample()
    {
        QPixmap pixmap(kSampleWidth, kSampleHeight);
        pixmap.fill(Qt::white);
        return pixmap;
    }

    QIcon swatch(std::int32_t color)
    {
        QPixmap pixmap = blankSample();
        QPainter painter(&pixmap);
        painter.fillRect(pixmap.rect(), qColor(color));
        painter.setPen(Qt::black);
        painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
        return pixmap;
    }

    // A horizontal line sample: width in pixels (capped to the picture), dashes
    // and gaps alternating (empty: solid).
    QIcon lineSample(int width, const std::vector<int>& dashes, std::int32_t color)
    {
        QPixmap pixmap = blankSample();
        QPainter painter(&pixmap);
        const int w = std::clamp(width, 1, kSampleHeight - 4);
        const int top = (kSampleHeight - w) / 2;
        int x = 2;
        for (std::size_t i = 0; x < kSampleWidth - 2; ++i) {
            const int run = dashes.empty() ? kSampleWidth : std::max(1, dashes[i % dashes.size()]);
            if (i % 2 == 0)
                painter.fillRect(QRect(x, top, std::min(run, kSampleWidth - 2 - x), w), qColor(color));
            x += run;
        }
        return pixmap;
    }

    QIcon shadowSample(const ShadowPreset& shadow)
    {
        QPixmap pixmap = blankSample();
        QPainter painter(&pixmap);
        const int offset = std::clamp(shadow.elevation / 20 + 1, 1, 4);
        const int grey = std::clamp(255 - 255 * 100 / std::max(1, int(shadow.lightness) + 60), 60, 200);
        const QRect box(9, 2, 9, 9);
        painter.fillRect(box.translated(offset, offset), QColor(grey, grey, grey));
        painter.fillRect(box, Qt::white);
        painter.setPen(Qt::black);
        painter.drawRect(box);
        return pixmap;
    }

    QIcon surfaceSample(bool round)
    {
        QPixmap pixmap = blankSample();
        QPainter painter(&pixmap);
        const QRect bar(2, 3, kSampleWidth - 4, kSampleHeight - 6);
        if (round) {
            QLinearGradient shade(bar.topLeft(), bar.bottomLeft());
            shade.setColorAt(0, QColor(230, 230, 230));
            shade.setColorAt(0.4, QColor(120, 120, 120));
            shade.setColorAt(1, QColor(30, 30, 30));
            painter.fillRect(bar, shade);
        } else {
            painter.fillRect(bar, QColor(90, 90, 90));
        }
        return pixmap;
    }

    std::int32_t bgrOf(const QColor& color)
    {
        return color.red() | (color.green() << 8) | (color.blue() << 16);
    }

    // The colours the list offers beyond the named ones: the colour dialog's
    // custom colours, then the recent colours.
    std::vector<std::int32_t> extraColors(const Preferences& preferences)
    {
        std::vector<std::int32_t> colors;
        for (const QString& text : preferences.dialogColors) {
            const QColor color(text);
            if (!text.isEmpty() && color.isValid())
                colors.push_back(bgrOf(color));
        }
        for (std::int32_t color : preferences.recentColors)
            if (color != kNoRecentColor)
                colors.push_back(color);
        return colors;
    }

    QString hexCaption(std::int32_t color)
    {
        return qColor(color).name().toUpper();
    }

} // namespace

bool sameValue(double a, double b)
{
    return std::abs(a - b) < 0.0001;
}

int selectInt(PropertyList& list, int value)
{
    return list.select([value](const QVariant& v) { return v.toInt() == value; });
}

int selectNumber(PropertyList& list, double value, int choice)
{
    return list.selectPreferring(
        choice, [value](const QVariant& v) { return sameValue(v.toDouble(), value); });
}

std::int32_t fillAfterColorChange(const Preferences& preferences, std::int32_t fill, std::int32_t lineColor)
{
    if (fill == kSolidFill || fill == kClearFill || colorListed(preferences, fill))
        return fill;
    return lineColor;
}

void fillColors(PropertyList& list, const Preferences& preferences)
{
    for (const auto& [caption, value] : kColors)
        list.addEntry(PropertyList::tr(caption), value, swatch(value));
    list.addCustomizeEntry();
    for (std::int32_t color : extraColors(preferences))
        list.addEntry(hexCaption(color), color, swatch(color));
}

void fillFillColors(PropertyList& list, const Preferences& preferences, std::int32_t lineColor)
{
    list.addEntry(PropertyList::tr("Solid"), kSolidFill, swatch(lineColor));
    list.addEntry(PropertyList::tr("Clear"), kClearFill, QIcon(blankSample()));
    fillColors(list, preferences);
}

bool colorListed(const Preferences& preferences, std::int32_t color)
{
    for (const auto& named : kColors)
        if (named.second == color)
            return true;
    for (std::int32_t extra : extraColors(preferences))
        if (extra == color)
            return true;
    return false;
}

void fillWeights(PropertyList& list, const Preferences& preferences, std::int32_t lineColor)
{
    const ScreenMetrics screen = preferences.screen();
    for (const Named& weight : kWeights)
        list.addEntry(PropertyList::tr(weight.caption), weight.value,
            lineSample(weightToPixels(1.0, weight.value, screen), {}, lineColor));
    list.addCustomizeEntry();
    for (const custThicknessRec_t& entry : preferences.customWeights)
        if (entry.stored)
            list.addEntry(entry.name, entry.weight,
                lineSample(weightToPixels(1.0, entry.weight, screen), {}, lineColor));
}

void fillPatterns(PropertyList& list, const Preferences& preferences, std::int32_t lineColor)
{
    for (int i = 0; i < kBuiltInPatterns; ++i)
        list.addEntry(PropertyList::tr(kPatternNames[i]), i, lineSample(2, kPatternPictures[i], lineColor));
    list.addCustomizeEntry();
    for (int slot = 0; slot < kNamedEntries; ++slot) {
        const custPatternRec_t& entry = preferences.customPatterns[std::size_t(slot)];
        if (!entry.stored)
            continue;
        std::vector<int> dashes;
        for (int i = 0; i < entry.count; ++i)
            dashes.push_back(std::max(1, int(entry.pixels[std::size_t(i)])));
        list.addEntry(entry.name, kCustomPattern + slot + 1, lineSample(2, dashes, lineColor));
    }
}

void fillDirections(PropertyList& list, const custDirectionList_t& userAngles)
{
    for (const Named& direction : kDirections)
        list.addEntry(PropertyList::tr(direction.caption), direction.value);
    list.addCustomizeEntry();
    for (const custDirectionRec_t& entry : userAngles)
        if (entry.stored)
            list.addEntry(entry.name, entry.value);
}

int packShadow(const ShadowPreset& shadow)
{
    return shadow.elevation | (shadow.fade << 8) | (shadow.lightness << 16);
}

ShadowPreset unpackShadow(int packed)
{
    return { std::uint8_t(packed & 0xFF), std::uint8_t((packed >> 8) & 0xFF),
        std::uint8_t((packed >> 16) & 0xFF) };
}

void fillShadows(PropertyList& list, const Preferences& preferences)
{
    for (const ShadowEntry& entry : kShadows)
        list.addEntry(PropertyList::tr(entry.caption), packShadow(entry.shadow),
            entry.shadow == ShadowPreset {} ? QIcon(blankSample()) : shadowSample(entry.shadow));
    list.addCustomizeEntry();
    for (const custShadowRec_t& entry : preferences.customShadows) {
        if (!entry.showInMenus)
            continue;
        const ShadowPreset shadow { std::uint8_t(std::clamp(entry.elevation, 0, 255)),
            std::uint8_t(std::clamp(entry.fade, 0, 255)), std::uint8_t(std::clamp(entry.lightness, 0, 255)) };
        list.addEntry(entry.name, packShadow(shadow), shadowSample(shadow));
    }
}

void fillSurfaces(PropertyList& list)
{
    list.addEntry(PropertyList::tr("Flat"), 0, surfaceSample(false));
    list.addEntry(PropertyList::tr("Round"), 127, surfaceSample(true));
}

void fillSides(PropertyList& list)
{
    for (int sides : kSides)
        list.addEntry(QString::number(sides), sides);
}

void fillSplineShapes(PropertyList& list)
{
    list.addEntry(PropertyList::tr("Open Spline"), 0);
    list.addEntry(PropertyList::tr("Closed Spline"), 1);
    list.addEntry(PropertyList::tr("Solid Shape"), 2);
}

void fillCurveShapes(PropertyList& list)
{
    list.addEntry(PropertyList::tr("Open Curve"), 0);
    list.addEntry(PropertyList::tr("Closed Curve"), 1);
    list.addEntry(PropertyList::tr("Oblong Shape"), 2);
}

void fillFontNames(PropertyList& list, const QStringList& families)
{
    for (const QString& family : families)
        list.addEntry(family, family);
}

void fillCharSets(PropertyList& list, const QString& family)
{
    for (const CharSetEntry& entry : charSetsOfFamily(family))
        list.addEntry(entry.name, entry.value);
}

void fillFontSizes(PropertyList& list, const Preferences& preferences)
{
    for (int size : kFontSizes)
        list.addEntry(QString::number(size), double(size));
    list.addCustomizeEntry();
    for (const custDirectionRec_t& entry : preferences.customFontSizes)
        if (entry.stored)
            list.addEntry(entry.name, entry.value);
}

void fillFontWeights(PropertyList& list)
{
    for (const auto& [caption, value] : kFontWeights)
        list.addEntry(PropertyList::tr(caption), value);
}

} // namespace propertylists
