#include "platform/widgets/OpenRequestMacro.h"

#include <QtGlobal>

#include <unistd.h>

QString openMacroFor(const QString& fileName)
{
    return QStringLiteral("[open(\"%1\")]").arg(fileName);
}

QString fileNameFromMacro(const QString& macro)
{
    const QString line = macro.section(QLatin1Char('\n'), 0, 0).section(QLatin1Char('\r'), 0, 0);
    const qsizetype open = line.indexOf(QLatin1Char('"'));
    if (open < 0)
        return {};
    const qsizetype close = line.indexOf(QLatin1Char('"'), open + 1);
    return close < 0 ? line.mid(open + 1) : line.mid(open + 1, close - open - 1);
}

QString openRequestSocketName()
{
    const QString custom = qEnvironmentVariable("TAVELLE_OPEN_SOCKET");
    if (!custom.isEmpty())
        return custom;
    return QStringLiteral("tavelle-%1").arg(static_cast<qulonglong>(::getuid()));
}
