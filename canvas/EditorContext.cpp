#include "canvas/EditorContext.h"

#include "platform/DesktopRegistration.h"
#include "platform/SettingsStore.h"
#include "settings/SettingsIO.h"

EditorContext::EditorContext(const ScreenMetrics& screen, const DialogServices& dialogs)
    : screen_(screen)
    , preferences_(screen)
    , dialogs_(dialogs)
{
}

EditorContext::~EditorContext() = default;

bool EditorContext::loadSettings(std::unique_ptr<SettingsStore> store)
{
    store_ = std::move(store);
    return !store_ || ::loadSettings(preferences_, *store_);
}

bool EditorContext::saveSettings()
{
    return !store_ || ::saveSettings(preferences_, *store_);
}

void EditorContext::setFileTypeRegistration(std::unique_ptr<DesktopRegistration> registration)
{
    registration_ = std::move(registration);
}
