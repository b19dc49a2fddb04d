#include "shell/FirstTimeSetup.h"

#include "canvas/EditorContext.h"
#include "platform/DesktopRegistration.h"
#include "platform/SettingsStore.h"
#include "settings/FirstRunRecord.h"

namespace {

std::int32_t registerFileType(const EditorContext& context)
{
    const DesktopRegistration* registration = context.fileTypeRegistration();
    return registration ? static_cast<std::int32_t>(registration->write()) : 0;
}

} // namespace

bool firstTimeSetupDone(const EditorContext& context)
{
    const SettingsStore* store = context.settingsStore();
    return context.unattended() || !store || firstrun::setupCompleted(*store);
}

void applySetup(EditorContext& context, int units)
{
    context.preferences().setDefaultUnits(units);
    SettingsStore* store = context.settingsStore();
    if (!store)
        return;
    std::int32_t status = 0;
    store->writeInt(settingsgroups::kCustomSettings, QStringLiteral("units"), units);
    firstrun::markSetupCompleted(*store);
    if (!store->save())
        status = kUnitsNotStored;
    if (const std::int32_t failure = registerFileType(context))
        status = failure;
    firstrun::setRegistrationStatus(*store, status);
    store->save();
}

void retryRegistration(EditorContext& context)
{
    SettingsStore* store = context.settingsStore();
    if (!store || firstrun::registrationStatus(*store) <= 0)
        return;
    firstrun::setRegistrationStatus(*store, registerFileType(context));
    store->save();
}
