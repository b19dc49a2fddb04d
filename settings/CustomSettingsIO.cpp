#include "platform/SettingsStore.h"
#include "settings/CustomSettingsFields.h"
#include "settings/MeasureParsing.h"
#include "settings/SettingsSections.h"

#include <limits>

namespace {

const QString& group()
{
    return settingsgroups::kCustomSettings;
}

constexpr std::int32_t kAny = std::numeric_limits<std::int32_t>::min();

// Bits of "grid", highest first: showGridX, showAnchorsX, snapX, showGridY, showAnchorsY, snapY.
template <class Defaults> auto gridBits(Defaults& d)
{
    return std::array { &d.showGridX, &d.showAnchorsX, &d.snapX, &d.showGridY, &d.showAnchorsY, &d.snapY };
}

class Reader {
public:
    Reader(Preferences& p, const SettingsStore& s)
        : preferences(p)
        , store_(s)
    {
    }
    Preferences& preferences;

    void integer(const QString& name, std::int32_t& field, std::int32_t lo = kAny,
        std::int32_t hi = std::numeric_limits<std::int32_t>::max())
    {
        if (const auto v = readInt(name); v && *v >= lo && *v <= hi)
            field = *v;
    }
    void flag(const QString& name, std::uint8_t& field)
    {
        if (const auto v = readInt(name); v && (*v == 0 || *v == 1))
            field = static_cast<std::uint8_t>(*v);
    }
    void text(const QString& name, QString& field)
    {
        if (const auto v = store_.readString(group(), name))
            field = *v;
    }
    void storedFloat(const QString& name, double& field)
    {
        if (const auto v = store_.readString(group(), name))
            field = parseStoredFloat(*v);
    }
    void defaultUnits(const QString& name)
    {
        if (const auto v = readInt(name))
            preferences.setDefaultUnits(*v); // ignores codes outside 1..3
    }
    void designType(const QString& name, std::int32_t& field)
    {
        if (const auto v = readInt(name); v && designtypes::isValid(*v < 0 ? -*v : *v))
            field = *v;
    }
    void gridSwitches(const QString& name)
    {
        const auto v = readInt(name);
        if (!v)
            return;
        const auto bits = gridBits(preferences.defaults);
        for (std::size_t i = 0; i < bits.size(); ++i)
            *bits[i] = static_cast<std::uint8_t>((*v >> (5 - i)) & 1);
    }
    void textOptions(const QString& name, TextOptions& field)
    {
        if (const auto v = readInt(name)) {
            const auto u = static_cast<std::uint32_t>(*v);
            field = { std::uint8_t(u), std::uint8_t(u >> 8), std::uint8_t(u >> 16), std::uint8_t(u >> 24) };
        }
    }
    void shadow(const QString& name, ShadowPreset& field)
    {
        if (const auto v = readInt(name)) {
            const auto u = static_cast<std::uint32_t>(*v);
            field = { std::uint8_t(u), std::uint8_t(u >> 8), std::uint8_t(u >> 16) };
        }
    }
    void helpSwitches(const QString& name, std::array<bool, Preferences::kHelpPages>& field)
    {
        const auto v = store_.readString(group(), name);
        if (!v)
            return;
        for (qsizetype i = 0; i < v->size() && i < Preferences::kHelpPages; ++i) {
            if (v->at(i) == u'0')
                field[static_cast<std::size_t>(i)] = false;
        }
    }
    void recentFile(const QString& name, int index) { text(name, preferences.recentFiles[index]); }

private:
    std::optional<std::int32_t> readInt(const QString& name) const { return store_.readInt(group(), name); }
    const SettingsStore& store_;
};

class Writer {
public:
    Writer(const Preferences& p, SettingsStore& s)
        : preferences(p)
        , store_(s)
    {
    }
    const Preferences& preferences;

    void integer(const QString& name, std::int32_t field, std::int32_t = 0, std::int32_t = 0)
    {
        store_.writeInt(group(), name, field);
    }
    void flag(const QString& name, std::uint8_t field) { store_.writeInt(group(), name, field ? 1 : 0); }
    void text(const QString& name, const QString& field) { store_.writeString(group(), name, field); }
    void storedFloat(const QString& name, double field)
    {
        store_.writeString(group(), name, formatStoredFloat(field));
    }
    void defaultUnits(const QString& name) { integer(name, preferences.defaults.units); }
    void designType(const QString& name, std::int32_t field) { integer(name, field); }
    void gridSwitches(const QString& name)
    {
        std::int32_t v = 0;
        const auto bits = gridBits(preferences.defaults);
        for (std::size_t i = 0; i < bits.size(); ++i)
            v |= (*bits[i] ? 1 : 0) << (5 - i);
        integer(name, v);
    }
    void textOptions(const QString& name, const TextOptions& f)
    {
        integer(name,
            static_cast<std::int32_t>(std::uint32_t(f.italic) | std::uint32_t(f.underline) << 8
                | std::uint32_t(f.strikeOut) << 16 | std::uint32_t(f.justification) << 24));
    }
    void shadow(const QString& name, const ShadowPreset& f)
    {
        integer(
            name, std::int32_t(f.elevation) | std::int32_t(f.fade) << 8 | std::int32_t(f.lightness) << 16);
    }
    void helpSwitches(const QString& name, const std::array<bool, Preferences::kHelpPages>& field)
    {
        QString v;
        for (const bool on : field)
            v += on ? u'1' : u'0';
        text(name, v);
    }
    void recentFile(const QString& name, int index)
    {
        text(name, index < preferences.recentFiles.size() ? preferences.recentFiles[index] : QString());
    }

private:
    SettingsStore& store_;
};

// The numbers of the defaults follow their texts; a text that does not read leaves its number.
void parseGridAndCanvasTexts(defaults_t& d)
{
    auto apply = [](const QString& text, double& number) {
        if (const MeasureResult m = parseMeasure(text); m.ok)
            number = m.value;
    };
    for (int u = 1; u <= 3; ++u) {
        defaultsRec_t& r = d.valuesFor(u);
        apply(r.gridDensityXText, r.gridDensityX);
        apply(r.gridDensityYText, r.gridDensityY);
        apply(r.canvasText.left, r.canvasLeft);
        apply(r.canvasText.top, r.canvasTop);
        apply(r.canvasText.width, r.canvasWidth);
        apply(r.canvasText.height, r.canvasHeight);
    }
}

} // namespace

namespace settingssections {

void readCustomSettings(Preferences& preferences, const SettingsStore& store)
{
    while (preferences.recentFiles.size() < Preferences::kRecentFiles)
        preferences.recentFiles.append(QString());
    Reader reader(preferences, store);
    visitCustomSettings(reader);
    parseGridAndCanvasTexts(preferences.defaults);
}

void writeCustomSettings(const Preferences& preferences, SettingsStore& store)
{
    Writer writer(preferences, store);
    visitCustomSettings(writer);
}

} // namespace settingssections
