#include "platform/SettingsStore.h"
#include "settings/SettingsSections.h"
#include "settings/Preferences.h"

#include <algorithm>
#include <vector>

namespace {

QString colorName(int i)
{
    return QStringLiteral("color") + QChar(u'A' + i);
}

} // namespace

namespace settingssections {

void readRecentColors(Preferences& preferences, const SettingsStore& store)
{
    // The list is written most recent first, under A. Adding from the last
    // letter back to A puts A first again, so the order survives a restart;
    // of two equal colours in a hand-edited file the earlier letter counts.
    std::vector<std::int32_t> colors;
    for (int i = 0; i < kRecentColorCount; ++i) {
        const auto v = store.readInt(settingsgroups::kCustomColors, colorName(i));
        if (v && std::find(colors.begin(), colors.end(), *v) == colors.end())
            colors.push_back(*v);
    }
    for (auto it = colors.rbegin(); it != colors.rend(); ++it)
        addRecentColor(preferences.recentColors, *it);
}

void writeRecentColors(const Preferences& preferences, SettingsStore& store)
{
    for (int i = 0; i < kRecentColorCount; ++i)
        store.remove(settingsgroups::kCustomColors, colorName(i));
    for (int i = 0; i < kRecentColorCount; ++i) {
        const std::int32_t c = preferences.recentColors[static_cast<std::size_t>(i)];
        if (c != kNoRecentColor)
            store.writeInt(settingsgroups::kCustomColors, colorName(i), c);
    }
}

void readDialogColors(Preferences& preferences, const SettingsStore& store)
{
    for (int i = 0; i < Preferences::kDialogColors; ++i) {
        const auto v = store.readString(settingsgroups::kDialogColors, colorName(i));
        preferences.dialogColors[static_cast<std::size_t>(i)] = v && !v->isEmpty() ? *v : QString();
    }
}

void writeDialogColors(const Preferences& preferences, SettingsStore& store)
{
    for (int i = 0; i < Preferences::kDialogColors; ++i) {
        store.remove(settingsgroups::kDialogColors, colorName(i));
        const QString& c = preferences.dialogColors[static_cast<std::size_t>(i)];
        if (!c.isEmpty())
            store.writeString(settingsgroups::kDialogColors, colorName(i), c);
    }
}

} // namespace settingssections
