#pragma once

#include "support/TestPaths.h"

#include <QByteArray>
#include <QProcess>
#include <QStringList>

namespace testpaths {

struct ProcessResult {
    int status = -1; // -1 when the program crashed or did not finish
    QByteArray out, err;
};

// Runs the built editor program with `args` and waits for it to finish.
inline ProcessResult runTavelle(const QStringList& args, int timeoutMs = 60000)
{
    QProcess p;
    p.start(tavelleProgram(), args);
    const bool finished = p.waitForFinished(timeoutMs);
    return { finished && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
        p.readAllStandardError() };
}

} // namespace testpaths
