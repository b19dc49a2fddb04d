#pragma once

#include <cstdint>

class SettingsStore;

// What the settings remember of the first start: whether the user finished
// the first-time setup ("completed" in [FirstRun]), and how the last
// registration of the file type with the desktop went ("ddeins" in
// [CustomSettings]: 0 when it wrote everything, otherwise the code of the
// last write that failed, which makes the next start try again).
namespace firstrun {

bool setupCompleted(const SettingsStore& store);
void markSetupCompleted(SettingsStore& store);

// 0 when the value is missing or not a number.
std::int32_t registrationStatus(const SettingsStore& store);
void setRegistrationStatus(SettingsStore& store, std::int32_t status);

} // namespace firstrun
