#include "settings/SettingsIO.h"

#include "platform/SettingsStore.h"
#include "settings/SettingsSections.h"
#include "settings/Preferences.h"

using namespace settingssections;

bool loadSettings(Preferences& preferences, SettingsStore& store)
{
    const bool readable = store.load();
    for (const QString& group :
        { settingsgroups::kCustomSettings, settingsgroups::kCustomWidths, settingsgroups::kCustomShadows,
            settingsgroups::kCustomPatterns, settingsgroups::kCustomDirections, settingsgroups::kCustomAngles,
            settingsgroups::kCustomSizes, settingsgroups::kCustomColors, settingsgroups::kDialogColors })
        store.createGroup(group);
    if (!readable)
        return false;
    readCustomSettings(preferences, store);
    readWidths(preferences, store);
    readShadows(preferences, store);
    readPatterns(preferences, store);
    readDirectionLists(preferences, store);
    readRecentColors(preferences, store);
    readDialogColors(preferences, store);
    return true;
}

bool saveSettings(const Preferences& preferences, SettingsStore& store)
{
    writeShadows(preferences, store);
    writeWidths(preferences, store);
    writePatterns(preferences, store);
    writeDirections(preferences, store);
    writeAngles(preferences, store);
    writeSizes(preferences, store);
    writeRecentColors(preferences, store);
    writeCustomSettings(preferences, store);
    writeDialogColors(preferences, store);
    return store.save();
}
