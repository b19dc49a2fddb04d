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
    return QDir(QStringLiteral(TAVELLE_BUILD_DIR)).filePath("tavelle");
}

} // namespace testpaths
