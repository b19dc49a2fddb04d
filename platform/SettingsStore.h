#pragma once

#include "platform/IniDocument.h"

#include <QString>

#include <cstdint>
#include <optional>

// Names of the settings groups, one per list of the user's preferences.
namespace settingsgroups {
inline const QString kCustomSettings = QStringLiteral("CustomSettings");
inline const QString kCustomColors = QStringLiteral("CustomColors");
inline const QString kDialogColors = QStringLiteral("DialogColors");
inline const QString kCustomWidths = QStringLiteral("CustomWidths");
inline const QString kCustomPatterns = QStringLiteral("CustomPatterns");
inline const QString kCustomShadows = QStringLiteral("CustomShadows");
inline const QString kCustomDirections = QStringLiteral("CustomDirections");
inline const QString kCustomAngles = QStringLiteral("CustomAngles");
inline const QString kCustomSizes = QStringLiteral("CustomSizes");
} // namespace settingsgroups

// The per-user settings file: an INI file, by default Tavelle/Tavelle.conf in
// the user's configuration folder ($XDG_CONFIG_HOME or ~/.config).
//
// The whole file is held in memory. load() reads it, the read and write
// functions work on the memory copy, and save() replaces the file whole: it
// writes a temporary file beside it and renames it over the old one, so a
// crash or a full disk never leaves a half-written file. Values this program
// does not know are kept and written back.
class SettingsStore {
public:
    // The store of the given file; nothing is read until load().
    explicit SettingsStore(QString filePath = defaultFilePath());

    // <per-user configuration folder>/Tavelle/Tavelle.conf.
    static QString defaultFilePath();
    // The settings file of a run whose configuration folder is `configHome`.
    static QString filePathIn(const QString& configHome);
    const QString& filePath() const { return path_; }

    // Replaces the memory copy by the file's contents. A missing file gives an
    // empty store and true. A file that exists but cannot be read gives false
    // and an empty store, and save() then refuses to replace it.
    bool load();
    // Writes the memory copy to the file atomically, creating its folder when
    // needed. False when nothing was written. Safe to call at any time.
    bool save();
    // The file exists but could not be read: save() will not replace it.
    bool unreadable() const { return unreadable_; }

    // A 32-bit decimal integer; nullopt when missing or not such a number.
    std::optional<std::int32_t> readInt(const QString& group, const QString& name) const;
    // A text value; nullopt when missing.
    std::optional<QString> readString(const QString& group, const QString& name) const;
    void writeInt(const QString& group, const QString& name, std::int32_t value);
    void writeString(const QString& group, const QString& name, const QString& value);
    void remove(const QString& group, const QString& name);
    // Makes sure the group exists, so it is written even when empty.
    void createGroup(const QString& group);

    const IniDocument& document() const { return doc_; }

private:
    QString path_;
    IniDocument doc_;
    bool unreadable_ = false;
};
