#pragma once

#include <QStringList>

class Preferences;

// The one place where the main window reads and writes the settings: the
// recently used files, the help-page switches and the tool new windows start
// with. Loaded once at start and written back once at exit.
namespace shellsettings {

inline constexpr int kHelpSwitchCount = 42;

// Reads the settings file into the process's Preferences, and writes it back.
void load();
void save();

// The user's preferences for this run.
Preferences& params();

// The 16 recently used files, entry 0 the most recent (see RecentFiles.h).
QStringList& recentFiles();

bool helpSwitch(int index);
void setAllHelpSwitches(bool on);
// Whether all (or none) of the 42 help-page switches are on.
bool allHelpSwitchesOn();
bool noHelpSwitchOn();

// The tool a new document window starts with.
int currentTool();
void setCurrentTool(int tool);

} // namespace shellsettings
