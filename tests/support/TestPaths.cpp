#include "support/TestPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <memory>

namespace testpaths {

QString scratchDir()
{
    static std::unique_ptr<QTemporaryDir> dir = std::make_unique<QTemporaryDir>();
    return dir->path();
}

QString tavelleProgram()
{
    const QByteArray build = qgetenv("TAVELLE_BUILD_DIR");
    return QDir(QString::fromLocal8Bit(build)).filePath("tavelle");
}

} // namespace testpaths
