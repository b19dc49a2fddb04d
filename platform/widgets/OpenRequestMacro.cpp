#include "platform/widgets/OpenRequestMacro.h"

#include <QtGlobal>

#include <unistd.h>

namespace {
const QChar kQuote = QLatin1Char('"');

qsizetype firstLineEnd(const QString& macro)
{
    qsizetype end = macro.size();
    for (QChar breakChar : { QLatin1Char('\n'), QLatin1Char('\r') })
        if (const qsizetype at = macro.indexOf(breakChar); at >= 0)
            end = std::min(end, at);
    return end;
}
} // namespace

QString openMacroFor(const QString& fileName)
{
    QString escaped = fileName;
    escaped.replace(kQuote, QStringLiteral("\"\""));
    return QStringLiteral("[open(\"%1\")]").arg(escaped);
}

QString fileNameFromMacro(const QString& macro)
{
    const qsizetype lineEnd = firstLineEnd(macro);
    const qsizetype open = macro.indexOf(kQuote);
    if (open < 0 || open >= lineEnd)
        return {};
    QString name;
    for (qsizetype i = open + 1; i < macro.size(); ++i) {
        if (macro[i] != kQuote) {
            name += macro[i];
            continue;
        }
        if (i + 1 < macro.size() && macro[i + 1] == kQuote) {
            name += kQuote;
            ++i;
            continue;
        }
        return name;
    }
    return macro.mid(open + 1, lineEnd - open - 1);
}

QString activateMacro()
{
    return QStringLiteral("[activate()]");
}

bool isActivateMacro(const QString& macro)
{
    return macro.left(firstLineEnd(macro)).trimmed() == activateMacro();
}

QString openRequestSocketName()
{
    const QString custom = qEnvironmentVariable("TAVELLE_OPEN_SOCKET");
    if (!custom.isEmpty())
        return custom;
    return QStringLiteral("tavelle-%1").arg(static_cast<qulonglong>(::getuid()));
}
