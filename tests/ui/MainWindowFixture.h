#pragma once

#include "canvas/EditorContext.h"
#include "canvas/widgets/DocumentWindow.h"
#include "model/DrawingFile.h"
#include "model/DrawingHeader.h"
#include "model/ItemList.h"
#include "platform/FileDialogsScripted.h"
#include "platform/MessageBoxScript.h"
#include "shell/DocumentArea.h"
#include "shell/MainWindow.h"
#include "shell/PageNavigator.h"
#include "shell/RecentFilesMenu.h"
#include "shell/WindowMenu.h"
#include "shell/ZoomControl.h"
#include "support/TestPaths.h"

#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// A shown main window at 96 dpi with scripted message boxes and file
// dialogs; its preferences are the built-in ones and are not stored. Its
// start-up timer (New after 500 ms) is left alone; tests that open windows
// do so right away, before it fires.
class MainWindowFixture : public testing::Test {
protected:
    MainWindowFixture()
    {
        window = std::make_unique<MainWindow>(context);
        window->show();
    }

    ~MainWindowFixture() override
    {
        if (!window)
            return;
        for (DocumentWindow* docWindow : window->documents())
            docWindow->closeWithoutQuestions();
        window.reset();
    }

    // A folder of its own for each test.
    QString folder() const
    {
        const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
        QString name = QString::fromLatin1(info->test_suite_name()) + "_" + info->name();
        name.replace('/', '_');
        const QString path = testpaths::scratchDir() + "/" + name;
        QDir().mkpath(path);
        return path;
    }

    // Writes an empty drawing (a header only) and returns its path.
    QString writeEmptyDrawing(const QString& name) const
    {
        ItemList list;
        createHeader(list);
        const QString path = folder() + "/" + name;
        EXPECT_TRUE(writeDrawing(path, list));
        return path;
    }

    int documentCount() const { return static_cast<int>(window->documents().size()); }

    QStringList windowMenuCaptions() const
    {
        QStringList captions;
        for (QAction* entry : window->windowMenu().menu()->actions())
            captions << entry->text();
        return captions;
    }

    MessageBoxScript prompt { UserPrompt::Answer::Cancel };
    FileDialogsScripted dialogs;
    EditorContext context { ScreenMetrics { 96, 96 }, { &prompt, &dialogs } };
    std::unique_ptr<MainWindow> window;
};
