#pragma once

// The groups of the settings file, read and written one by one. Internal to
// loadSettings and saveSettings.

class SettingsStore;
class Preferences;

namespace settingssections {

void readCustomSettings(Preferences& preferences, const SettingsStore& store);
void writeCustomSettings(const Preferences& preferences, SettingsStore& store);

void readWidths(Preferences& preferences, const SettingsStore& store);
void writeWidths(const Preferences& preferences, SettingsStore& store);
void readPatterns(Preferences& preferences, const SettingsStore& store);
void writePatterns(const Preferences& preferences, SettingsStore& store);
void readShadows(Preferences& preferences, const SettingsStore& store);
void writeShadows(const Preferences& preferences, SettingsStore& store);
// Line angles, text angles and font sizes.
void readDirectionLists(Preferences& preferences, const SettingsStore& store);
void writeDirections(const Preferences& preferences, SettingsStore& store);
void writeAngles(const Preferences& preferences, SettingsStore& store);
void writeSizes(const Preferences& preferences, SettingsStore& store);

void readRecentColors(Preferences& preferences, const SettingsStore& store);
void writeRecentColors(const Preferences& preferences, SettingsStore& store);
void readDialogColors(Preferences& preferences, const SettingsStore& store);
void writeDialogColors(const Preferences& preferences, SettingsStore& store);

} // namespace settingssections
