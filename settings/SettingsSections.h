#pragma once

// The groups of the settings file, read and written one by one. Internal to
// loadSettings and saveSettings.

class SettingsStore;
class Preferences;

namespace settingssections {

void readCustomSettings(Preferences& params, const SettingsStore& store);
void writeCustomSettings(const Preferences& params, SettingsStore& store);

void readWidths(Preferences& params, const SettingsStore& store);
void writeWidths(const Preferences& params, SettingsStore& store);
void readPatterns(Preferences& params, const SettingsStore& store);
void writePatterns(const Preferences& params, SettingsStore& store);
void readShadows(Preferences& params, const SettingsStore& store);
void writeShadows(const Preferences& params, SettingsStore& store);
// Line angles, text angles and font sizes.
void readDirectionLists(Preferences& params, const SettingsStore& store);
void writeDirections(const Preferences& params, SettingsStore& store);
void writeAngles(const Preferences& params, SettingsStore& store);
void writeSizes(const Preferences& params, SettingsStore& store);

void readRecentColors(Preferences& params, const SettingsStore& store);
void writeRecentColors(const Preferences& params, SettingsStore& store);
void readDialogColors(Preferences& params, const SettingsStore& store);
void writeDialogColors(const Preferences& params, SettingsStore& store);

} // namespace settingssections
