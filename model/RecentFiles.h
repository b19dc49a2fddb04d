#pragma once

#include <QString>
#include <QStringList>

// The recently used files: 16 paths, entry 0 the most recent, empty strings
// for unused places. The list itself lives in the settings; these functions
// keep its order rules in one place.
namespace recentfiles {

inline constexpr int kCount = 16;

// Puts `path` first. An entry equal to it without regard to case (the first
// one from the top) is removed, the entries after it moving up; then every
// entry moves down one place and the last falls off. An empty path does nothing.
void add(QStringList& entries, const QString& path);

// Empties all entries, keeping the list 16 long.
void clear(QStringList& entries);

// The caption of a Reopen menu entry: the file name without folder and
// extension, after trimming.
QString caption(const QString& path);

} // namespace recentfiles
