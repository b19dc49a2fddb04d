#include "platform/SettingsStore.h"
#include "settings/ListConversions.h"
#include "settings/SettingsSections.h"
#include "settings/Preferences.h"

namespace {

using namespace settingsgroups;

QString valueName(const char* base, int entry)
{
    return QString::fromLatin1(base) + entryLetter(entry);
}

QString patternValueName(int entry, int length)
{
    return valueName("value", entry) + QString::number(length + 1);
}

bool nonBlank(const std::optional<QString>& text)
{
    return text && !text->trimmed().isEmpty();
}

// The name and units of entry i, when both read and the units are in lo..hi.
struct EntryHead {
    QString name;
    std::int32_t units = 0;
};
std::optional<EntryHead> readHead(const SettingsStore& store, const QString& group, int i, int lo, int hi)
{
    const auto name = store.readString(group, valueName("name", i));
    const auto units = store.readInt(group, valueName("units", i));
    if (!nonBlank(name) || !units || *units < lo || *units > hi)
        return std::nullopt;
    return EntryHead { *name, *units };
}

void removeEntryValues(SettingsStore& store, const QString& group, int i)
{
    store.remove(group, valueName("name", i));
    store.remove(group, valueName("value", i));
    store.remove(group, valueName("units", i));
}

void readDirectionList(custDirectionList_t& list, const SettingsStore& store, const QString& group)
{
    for (int i = 0; i < kNamedEntries; ++i) {
        const auto head = readHead(store, group, i, 1, 2);
        const auto value = store.readString(group, valueName("value", i));
        if (!head || !nonBlank(value))
            continue;
        custDirectionRec_t entry = list[static_cast<std::size_t>(i)];
        entry.name = head->name;
        entry.units = head->units;
        entry.text = *value;
        if (!convertDirection(entry))
            continue;
        entry.stored = 1;
        list[static_cast<std::size_t>(i)] = entry;
    }
}

void writeDirectionList(const custDirectionList_t& list, SettingsStore& store, const QString& group)
{
    for (int i = 0; i < kNamedEntries; ++i)
        removeEntryValues(store, group, i);
    for (int i = 0; i < kNamedEntries; ++i) {
        const custDirectionRec_t& e = list[static_cast<std::size_t>(i)];
        if (!e.stored)
            continue;
        store.writeString(group, valueName("name", i), e.name);
        store.writeString(group, valueName("value", i), e.text);
        store.writeInt(group, valueName("units", i), e.units);
    }
}

} // namespace

namespace settingssections {

void readWidths(Preferences& preferences, const SettingsStore& store)
{
    for (int i = 0; i < kNamedEntries; ++i) {
        const auto head = readHead(store, kCustomWidths, i, 1, 3);
        const auto value = store.readString(kCustomWidths, valueName("value", i));
        if (!head || !nonBlank(value))
            continue;
        custThicknessRec_t entry = preferences.customWeights[static_cast<std::size_t>(i)];
        entry.name = head->name;
        entry.units = head->units;
        entry.text = *value;
        if (!convertWeight(entry, preferences.screen().pixelsPerMmX()))
            continue;
        entry.stored = 1;
        preferences.customWeights[static_cast<std::size_t>(i)] = entry;
    }
}

void writeWidths(const Preferences& preferences, SettingsStore& store)
{
    for (int i = 0; i < kNamedEntries; ++i)
        removeEntryValues(store, kCustomWidths, i);
    for (int i = 0; i < kNamedEntries; ++i) {
        const custThicknessRec_t& e = preferences.customWeights[static_cast<std::size_t>(i)];
        if (!e.stored)
            continue;
        store.writeString(kCustomWidths, valueName("name", i), e.name);
        store.writeString(kCustomWidths, valueName("value", i), e.text);
        store.writeInt(kCustomWidths, valueName("units", i), e.units);
    }
}

void readPatterns(Preferences& preferences, const SettingsStore& store)
{
    for (int i = 0; i < kNamedEntries; ++i) {
        const auto head = readHead(store, kCustomPatterns, i, 1, 3);
        if (!head || !nonBlank(store.readString(kCustomPatterns, patternValueName(i, 0))))
            continue;
        custPatternRec_t entry = preferences.customPatterns[static_cast<std::size_t>(i)];
        entry.name = head->name;
        entry.units = head->units;
        // Lengths after the first may be missing from a hand-written file: they read as unused.
        for (int n = 0; n < custPatternRec_t::kLengths; ++n) {
            const auto text = store.readString(kCustomPatterns, patternValueName(i, n));
            entry.texts[static_cast<std::size_t>(n)] = text.value_or(QString());
        }
        if (!convertPattern(entry, preferences.screen().pixelsPerMmX()))
            continue;
        entry.stored = 1;
        preferences.customPatterns[static_cast<std::size_t>(i)] = entry;
    }
}

void writePatterns(const Preferences& preferences, SettingsStore& store)
{
    for (int i = 0; i < kNamedEntries; ++i) {
        store.remove(kCustomPatterns, valueName("name", i));
        store.remove(kCustomPatterns, valueName("units", i));
        for (int n = 0; n < custPatternRec_t::kLengths; ++n)
            store.remove(kCustomPatterns, patternValueName(i, n));
    }
    for (int i = 0; i < kNamedEntries; ++i) {
        const custPatternRec_t& e = preferences.customPatterns[static_cast<std::size_t>(i)];
        if (!e.stored)
            continue;
        store.writeString(kCustomPatterns, valueName("name", i), e.name);
        for (int n = 0; n < custPatternRec_t::kLengths; ++n)
            store.writeString(kCustomPatterns, patternValueName(i, n), e.texts[static_cast<std::size_t>(n)]);
        store.writeInt(kCustomPatterns, valueName("units", i), e.units);
    }
}

void readShadows(Preferences& preferences, const SettingsStore& store)
{
    for (int i = 0; i < kNamedEntries; ++i) {
        const auto name = store.readString(kCustomShadows, valueName("name", i));
        const auto value = store.readInt(kCustomShadows, valueName("value", i));
        if (!name || !value)
            continue;
        custShadowRec_t& e = preferences.customShadows[static_cast<std::size_t>(i)];
        const auto packed = static_cast<std::uint32_t>(*value);
        e.name = *name;
        e.elevation = static_cast<std::int32_t>(packed & 0xFF);
        e.fade = static_cast<std::int32_t>((packed >> 8) & 0xFF);
        e.lightness = static_cast<std::int32_t>((packed >> 16) & 0xFF);
        e.showInMenus = (packed >> 24) == 1 ? 1 : 0;
    }
}

void writeShadows(const Preferences& preferences, SettingsStore& store)
{
    for (int i = 0; i < kNamedEntries; ++i) {
        const custShadowRec_t& e = preferences.customShadows[static_cast<std::size_t>(i)];
        const std::uint32_t packed = (std::uint32_t(e.elevation) & 0xFF) | (std::uint32_t(e.fade) & 0xFF) << 8
            | (std::uint32_t(e.lightness) & 0xFF) << 16 | std::uint32_t(e.showInMenus ? 1 : 0) << 24;
        store.writeString(kCustomShadows, valueName("name", i), e.name);
        store.writeInt(kCustomShadows, valueName("value", i), static_cast<std::int32_t>(packed));
    }
}

void readDirectionLists(Preferences& preferences, const SettingsStore& store)
{
    readDirectionList(preferences.customLineAngles, store, kCustomDirections);
    readDirectionList(preferences.customTextAngles, store, kCustomAngles);
    readDirectionList(preferences.customFontSizes, store, kCustomSizes);
}

void writeDirections(const Preferences& preferences, SettingsStore& store)
{
    writeDirectionList(preferences.customLineAngles, store, kCustomDirections);
}

void writeAngles(const Preferences& preferences, SettingsStore& store)
{
    writeDirectionList(preferences.customTextAngles, store, kCustomAngles);
}

void writeSizes(const Preferences& preferences, SettingsStore& store)
{
    writeDirectionList(preferences.customFontSizes, store, kCustomSizes);
}

} // namespace settingssections
