#pragma once

#include <QString>

// The macro the desktop sends to open a drawing: [open("FILE")].
QString openMacroFor(const QString& fileName);

// The file named by a macro: the first line, from just after the first double
// quote up to the next one (or the end of the line when there is none).
// Empty when the line holds no double quote.
QString fileNameFromMacro(const QString& macro);

// The per-user name of the local socket the running editor listens on; the
// environment variable TAVELLE_OPEN_SOCKET overrides it so tests stay apart
// from an editor the user may have running.
QString openRequestSocketName();
