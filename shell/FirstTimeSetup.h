#pragma once

#include <cstdint>

class EditorContext;

// The first start: the user picks the measuring units once, and the drawing
// file type is registered with the desktop. The settings of `context`
// remember both (settings/FirstRunRecord.h).

// Status code recorded when "units" could not be stored.
constexpr std::int32_t kUnitsNotStored = 1;

// True when the setup need not be shown: the settings record it as
// completed, the run is unattended, or the run keeps no settings at all
// (there would be nowhere to remember the answer).
bool firstTimeSetupDone(const EditorContext& context);

// Makes `units` (2 millimetres, 3 inches) the default of new drawings and of
// every page-setup preset but Digital Images, stores it with the setup marked
// completed, registers the file type and stores the outcome as the
// registration status. Failures are recorded, never reported.
void applySetup(EditorContext& context, int units);

// At every start: when the stored registration status records a failure,
// registers the file type again and stores the new status. With status 0
// nothing is touched.
void retryRegistration(EditorContext& context);
