#include "platform/FileDialogs.h"

#include <QFileInfo>
#include <QRegularExpression>

QStringList qtFilterList(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList result;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        // The description may carry its own "(*.x)"; Qt reads the patterns
        // from the parentheses, so they are replaced by the real ones.
        description.remove(QRegularExpression(QStringLiteral("\\s*\\([^)]*\\)\\s*$")));
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& p : patterns) {
            p = p.trimmed();
            if (p == QLatin1String("*.*"))
                p = QStringLiteral("*");
        }
        result.append(
            description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')'));
    }
    return result;
}

QString withDefaultSuffix(const QString& path, const QString& suffix)
{
    if (path.isEmpty() || suffix.isEmpty())
        return path;
    const QString name = QFileInfo(path).fileName();
    if (name.contains(QLatin1Char('.')))
        return path;
    return path + QLatin1Char('.') + suffix;
}
