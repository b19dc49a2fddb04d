#include "settings/FirstRunRecord.h"

#include "platform/SettingsStore.h"

namespace firstrun {

namespace {

const QString kGroup = QStringLiteral("FirstRun");
const QString kCompleted = QStringLiteral("completed");
const QString kRegistrationStatus = QStringLiteral("ddeins");

} // namespace

bool setupCompleted(const SettingsStore& store)
{
    const auto value = store.readString(kGroup, kCompleted);
    return value && value->trimmed().compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

void markSetupCompleted(SettingsStore& store)
{
    store.writeString(kGroup, kCompleted, QStringLiteral("true"));
}

std::int32_t registrationStatus(const SettingsStore& store)
{
    return store.readInt(settingsgroups::kCustomSettings, kRegistrationStatus).value_or(0);
}

void setRegistrationStatus(SettingsStore& store, std::int32_t status)
{
    store.writeInt(settingsgroups::kCustomSettings, kRegistrationStatus, status);
}

} // namespace firstrun
