#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// An INI text held in memory in file order: "[group]" headers and
// "name=value" lines. Names are looked up without regard to case, as in the
// registry the settings were designed for; the spelling first seen is kept.
//
// The reader is line based so that a damaged line can only lose itself: an
// unclosed quote ends at the end of its line, lines without "=" are skipped,
// and values are always plain text (no lists, no "@Variant" payloads). The
// writer emits the plain subset of the QSettings INI format, so QSettings can
// read the result.
class IniDocument {
public:
    // Parses UTF-8 text (a byte-order mark is skipped). Never fails.
    static IniDocument parse(const QByteArray& text);
    // The document as UTF-8 text, groups and values in their current order.
    QByteArray serialise() const;

    // Group and value names are plain words (letters, digits, "_"), as the settings use.
    std::optional<QString> value(const QString& group, const QString& name) const;
    // Replaces a value in place, or appends it to its group (created at the end when missing).
    void setValue(const QString& group, const QString& name, const QString& value);
    void remove(const QString& group, const QString& name);
    // Creates an empty group at the end when it is missing.
    void addGroup(const QString& group);

    bool hasGroup(const QString& group) const;
    QStringList groups() const;
    QStringList names(const QString& group) const;

    // Value text as written after "=": quoted and escaped when needed.
    static QString encodeValue(const QString& value);
    // The inverse of encodeValue, lenient with hand-written text.
    static QString decodeValue(const QString& raw);

private:
    struct Entry {
        QString name;
        QString value;
    };
    struct Group {
        QString name;
        std::vector<Entry> entries;
        QHash<QString, std::size_t> index; // lower-cased name -> entry
        void reindex();
    };

    qsizetype groupIndex(const QString& group) const; // -1 when missing
    Group& groupFor(const QString& group);

    std::vector<Group> groups_;
};
