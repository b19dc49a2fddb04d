#include "support/TestPaths.h"

#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

// Every GUI test runs headless with its own settings folder, so nothing the
// user has configured leaks into a test and no test touches the user's files.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Test mode puts the standard folders under the home folder, so the home
    // folder moves too: nothing reaches the user's real files.
    qputenv("HOME", (testpaths::scratchDir() + "/home").toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (testpaths::scratchDir() + "/config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", (testpaths::scratchDir() + "/data").toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
