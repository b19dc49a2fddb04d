#pragma once

#include <QString>

// The macro the desktop sends to open a drawing: [open("FILE")], with each
// double quote in FILE written twice so that any file name goes through.
QString openMacroFor(const QString& fileName);

// The file named by a macro: from just after the first double quote of the
// first line up to the next single double quote, a doubled one standing for
// one quote of the name (which may go on past a line break). Without a
// closing quote, the rest of the first line. Empty when the first line holds
// no double quote.
QString fileNameFromMacro(const QString& macro);

// The macro a start without files sends: bring the running editor to the front.
QString activateMacro();
bool isActivateMacro(const QString& macro);

// The per-user name of the local socket the running editor listens on; the
// environment variable TAVELLE_OPEN_SOCKET overrides it so tests stay apart
// from an editor the user may have running.
QString openRequestSocketName();
