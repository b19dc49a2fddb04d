#pragma once

// The groups of the settings file, read and written one by one. Internal to
// loadSettings and saveSettings.

class SettingsStore;
class TParams;

namespace settingssections {

void readCustomSettings(TParams& params, const SettingsStore& store);
void writeCustomSettings(const TParams& params, SettingsStore& store);

void readWidths(TParams& params, const SettingsStore& store);
void writeWidths(const TParams& params, SettingsStore& store);
void readPatterns(TParams& params, const SettingsStore& store);
void writePatterns(const TParams& params, SettingsStore& store);
void readShadows(TParams& params, const SettingsStore& store);
void writeShadows(const TParams& params, SettingsStore& store);
// Line angles, text angles and font sizes.
void readDirectionLists(TParams& params, const SettingsStore& store);
void writeDirections(const TParams& params, SettingsStore& store);
void writeAngles(const TParams& params, SettingsStore& store);
void writeSizes(const TParams& params, SettingsStore& store);

void readRecentColors(TParams& params, const SettingsStore& store);
void writeRecentColors(const TParams& params, SettingsStore& store);
void readDialogColors(TParams& params, const SettingsStore& store);
void writeDialogColors(const TParams& params, SettingsStore& store);

} // namespace settingssections
