#pragma once

#include <QString>

namespace testpaths {

// A fresh folder under the system's temporary folder, removed at process exit.
QString scratchDir();

// The built editor program, for tests that run it as a separate process.
QString tavelleProgram();

} // namespace testpaths
