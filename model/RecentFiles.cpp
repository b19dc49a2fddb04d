#include "model/RecentFiles.h"

#include <QFileInfo>

namespace recentfiles {

namespace {
void fitToCount(QStringList& entries)
{
    while (entries.size() < kCount)
        entries.append(QString());
    while (entries.size() > kCount)
        entries.removeLast();
}
} // namespace

void add(QStringList& entries, const QString& path)
{
    if (path.isEmpty())
        return;
    fitToCount(entries);
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (entries[i].compare(path, Qt::CaseInsensitive) == 0) {
            entries.removeAt(i);
            entries.append(QString());
            break;
        }
    }
    entries.prepend(path);
    fitToCount(entries);
}

void clear(QStringList& entries)
{
    entries.clear();
    fitToCount(entries);
}

QString caption(const QString& path)
{
    return QFileInfo(path.trimmed()).completeBaseName().trimmed();
}

} // namespace recentfiles
