#pragma once

#include <QByteArray>
#include <QString>

// Writes `bytes` as the whole new content of the file at `path`, creating
// its folder when needed. The bytes go to a temporary file beside it that is
// renamed over the old one, so a crash or a full disk never leaves half a
// file; where no temporary file can be made the write fails rather than
// overwriting in place. False when nothing was replaced.
bool replaceFileWhole(const QString& path, const QByteArray& bytes);
