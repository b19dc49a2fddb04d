#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// One entry of a family's character-set list: the caption the text panel
// shows and the number a text item stores.
struct CharSetEntry {
    QString name;
    int value = 0;

    bool operator==(const CharSetEntry&) const = default;
};

// Font families with scalable outlines, sorted by name: the only ones a text
// may use, since text is drawn at every zoom and on printers.
QStringList scalableFontFamilies();

// The character sets a family supports, in the order the text panel lists
// them, preceded by "n/a" (0). An alias or a family the system lacks is
// answered for the family the system draws in its place.
std::vector<CharSetEntry> charSetsOfFamily(const QString& family);
