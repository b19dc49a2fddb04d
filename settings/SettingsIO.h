#pragma once

class SettingsStore;
class Preferences;

// Moving the user's preferences between Preferences and the settings file.
//
// Typical use, once per process (the editor's context does this):
//     SettingsStore store;                // Tavelle/Tavelle.conf in the user's config folder
//     Preferences preferences(screen);    // built-in defaults
//     loadSettings(preferences, store);   // at start
//     ...
//     saveSettings(preferences, store);   // at exit, and whenever the user saves options or lists
//
// Keep one SettingsStore for the process and pass it to any other code that
// writes single values, so that nothing written through it is lost when
// saveSettings replaces the file.

// Reads the file into the store and overlays every valid value on
// `preferences` (which should hold the defaults). Missing values keep their defaults; values
// of the wrong type or out of range, and list entries that fail to convert,
// are ignored without a message. All nine groups are created in the store
// when missing. False when the file exists but cannot be read: `preferences`
// is then left as it was and the store refuses to overwrite the file.
bool loadSettings(Preferences& preferences, SettingsStore& store);

// Writes every preference and list of `preferences` into the store and
// replaces the file atomically. Does not change `preferences`; safe to call at any time.
// False when the file could not be written (the old file is then intact).
bool saveSettings(const Preferences& preferences, SettingsStore& store);
