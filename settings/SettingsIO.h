#pragma once

class SettingsStore;
class Preferences;

// Moving the user's preferences between Preferences and the settings file.
//
// Typical use, once per process:
//     SettingsStore store;          // Tavelle/Tavelle.conf in the user's config folder
//     Preferences params;               // built-in defaults
//     loadSettings(params, store);  // at start
//     ...
//     saveSettings(params, store);  // at exit, and whenever the user saves options or lists
//
// Keep one SettingsStore for the process and pass it to any other code that
// writes single values, so that nothing written through it is lost when
// saveSettings replaces the file.

// Reads the file into the store and overlays every valid value on `params`
// (which should hold the defaults). Missing values keep their defaults; values
// of the wrong type or out of range, and list entries that fail to convert,
// are ignored without a message. All nine groups are created in the store
// when missing. False when the file exists but cannot be read: `params` is
// then left as it was and the store refuses to overwrite the file.
bool loadSettings(Preferences& params, SettingsStore& store);

// Writes every preference and list of `params` into the store and replaces
// the file atomically. Does not change `params`; safe to call at any time.
// False when the file could not be written (the old file is then intact).
bool saveSettings(const Preferences& params, SettingsStore& store);
