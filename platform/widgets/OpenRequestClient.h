#pragma once

#include <QString>

// Sends one macro to an editor already listening on `socketName`. Returns
// false when no editor answers within `timeoutMs` or the text could not be
// handed over.
bool sendOpenRequest(const QString& socketName, const QString& macro, int timeoutMs = 1000);
