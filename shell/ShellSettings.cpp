#include "shell/ShellSettings.h"

#include "platform/SettingsStore.h"
#include "model/RecentFiles.h"
#include "settings/SettingsIO.h"
#include "settings/Preferences.h"

#include <memory>

namespace {

// The preferences and their file, for the life of the process.
struct ShellState {
    std::unique_ptr<SettingsStore> store;
    Preferences params;
    // The tool new document windows start with; kept for the run.
    int currentTool = 0;

    ShellState() { recentfiles::clear(params.recentFiles); }
};

ShellState& state()
{
    static ShellState instance;
    return instance;
}

} // namespace

namespace shellsettings {

void load()
{
    ShellState& s = state();
    s.store = std::make_unique<SettingsStore>();
    s.params = Preferences();
    s.store->load();
    loadSettings(s.params, *s.store);
    // Keep the list 16 long whatever the file held.
    QStringList& recent = s.params.recentFiles;
    while (recent.size() < recentfiles::kCount)
        recent.append(QString());
    while (recent.size() > recentfiles::kCount)
        recent.removeLast();
}

void save()
{
    ShellState& s = state();
    if (s.store)
        saveSettings(s.params, *s.store);
}

Preferences& params()
{
    return state().params;
}

QStringList& recentFiles()
{
    return state().params.recentFiles;
}

bool helpSwitch(int index)
{
    return index >= 0 && index < kHelpSwitchCount && state().params.hints[index];
}

void setAllHelpSwitches(bool on)
{
    state().params.hints.fill(on);
}

bool allHelpSwitchesOn()
{
    for (bool on : state().params.hints)
        if (!on)
            return false;
    return true;
}

bool noHelpSwitchOn()
{
    for (bool on : state().params.hints)
        if (on)
            return false;
    return true;
}

int currentTool()
{
    return state().currentTool;
}

void setCurrentTool(int tool)
{
    state().currentTool = tool;
}

} // namespace shellsettings
