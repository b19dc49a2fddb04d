#include "settings/SettingsIO.h"

#include "platform/SettingsStore.h"
#include "settings/SettingsSections.h"
#include "settings/Preferences.h"

using namespace settingssections;

bool loadSettings(Preferences& params, SettingsStore& store)
{
    const bool readable = store.load();
    for (const QString& group :
        { settingsgroups::kCustomSettings, settingsgroups::kCustomWidths, settingsgroups::kCustomShadows,
            settingsgroups::kCustomPatterns, settingsgroups::kCustomDirections, settingsgroups::kCustomAngles,
            settingsgroups::kCustomSizes, settingsgroups::kCustomColors, settingsgroups::kDialogColors })
        store.createGroup(group);
    if (!readable)
        return false;
    readCustomSettings(params, store);
    readWidths(params, store);
    readShadows(params, store);
    readPatterns(params, store);
    readDirectionLists(params, store);
    readRecentColors(params, store);
    readDialogColors(params, store);
    return true;
}

bool saveSettings(const Preferences& params, SettingsStore& store)
{
    writeShadows(params, store);
    writeWidths(params, store);
    writePatterns(params, store);
    writeDirections(params, store);
    writeAngles(params, store);
    writeSizes(params, store);
    writeRecentColors(params, store);
    writeCustomSettings(params, store);
    writeDialogColors(params, store);
    return store.save();
}
