#include "MainWindowFixture.h"

#include "model/ItemKinds.h"

#include <QFileInfo>
#include <QMenu>

TEST_F(MainWindowFixture, StartsWithOneUntitledDrawingAfterHalfASecond)
{
    EXPECT_EQ(window->windowTitle(), "Tavelle");
    EXPECT_EQ(documentCount(), 0);
    EXPECT_TRUE(QTest::qWaitFor([this] { return documentCount() == 1; }, 3000));
    EXPECT_TRUE(window->activeDocument()->title().startsWith("Untitled "));
    EXPECT_TRUE(window->action("fileSave")->isEnabled());
    EXPECT_EQ(window->pages().currentPage(), Page::Select);
}

TEST_F(MainWindowFixture, NewWindowsAreNumberedAndListedInTheWindowMenu)
{
    DocumentWindow* first = window->openDocument({});
    DocumentWindow* second = window->openDocument({});
    EXPECT_EQ(documentCount(), 2);
    EXPECT_EQ(second->untitledNumber(), first->untitledNumber() + 1);
    EXPECT_EQ(windowMenuCaptions(), QStringList({ first->title(), second->title() }));
    EXPECT_NE(first->windowId(), second->windowId());
    EXPECT_EQ(window->activeDocument(), second);
    EXPECT_TRUE(window->windowMenu().menu()->menuAction()->isVisible());

    // The Window menu brings a window to the front and checks its entry.
    window->windowMenu().menu()->actions().first()->trigger();
    EXPECT_EQ(window->activeDocument(), first);
    EXPECT_TRUE(window->windowMenu().menu()->actions().first()->isChecked());
    EXPECT_FALSE(window->windowMenu().menu()->actions().last()->isChecked());
    EXPECT_EQ(window->action("pageSetupCurrent")->text(), first->title());
    EXPECT_TRUE(window->action("pageSetupCurrent")->isVisible());
}

TEST_F(MainWindowFixture, OpeningIntoTheOnlyUntouchedWindowReusesIt)
{
    const QString path = writeEmptyDrawing("reused.tvle");
    DocumentWindow* untitled = window->openDocument({});
    DocumentWindow* opened = window->openDocument(path);
    EXPECT_EQ(opened, untitled);
    EXPECT_EQ(documentCount(), 1);
    EXPECT_EQ(opened->title(), "reused");
    EXPECT_EQ(windowMenuCaptions(), QStringList({ "reused" }));
}

TEST_F(MainWindowFixture, OpeningMakesANewWindowWhenReuseIsNotAllowed)
{
    const QString path = writeEmptyDrawing("second.tvle");
    struct Case {
        const char* name;
        int untitledWindows;
        bool modify;
    };
    for (const Case& c : { Case { "two windows", 2, false }, Case { "modified", 1, true } }) {
        SCOPED_TRACE(c.name);
        for (int i = 0; i < c.untitledWindows; ++i)
            window->openDocument({});
        if (c.modify)
            setModified(window->activeDocument()->items(), true);
        window->openDocument(path);
        EXPECT_EQ(documentCount(), c.untitledWindows + 1);
        for (DocumentWindow* docWindow : window->documents())
            docWindow->closeWithoutQuestions();
        EXPECT_EQ(documentCount(), 0);
    }
}

TEST_F(MainWindowFixture, OpenCommandLoadsTheChosenFileAndListsItFirst)
{
    const QString path = writeEmptyDrawing("chosen.tvle");
    dialogs.queueAnswer(path);
    window->action("fileOpen")->trigger();
    ASSERT_EQ(documentCount(), 1);
    EXPECT_EQ(window->activeDocument()->fileName(), path);
    ASSERT_EQ(dialogs.calls.size(), 1);
    EXPECT_EQ(dialogs.calls[0].request.title, "Open");
    EXPECT_FALSE(window->recentFiles().menu()->actions().first()->text().isEmpty());
    EXPECT_EQ(window->recentFiles().menu()->actions().first()->text(), "chosen");

    // A cancelled dialog opens nothing.
    window->action("fileOpen")->trigger();
    EXPECT_EQ(documentCount(), 1);
}

TEST_F(MainWindowFixture, DocumentCommandsFollowTheOpenWindows)
{
    EXPECT_FALSE(window->action("fileSave")->isEnabled());
    EXPECT_FALSE(window->action("fileClose")->isEnabled());
    DocumentWindow* docWindow = window->openDocument({});
    EXPECT_TRUE(window->action("fileSaveAs")->isEnabled());
    window->action("fileClose")->trigger();
    EXPECT_TRUE(QTest::qWaitFor([this] { return !window->action("fileClose")->isEnabled(); }, 2000));
    Q_UNUSED(docWindow);
    EXPECT_TRUE(windowMenuCaptions().isEmpty());
    EXPECT_FALSE(window->windowMenu().menu()->menuAction()->isVisible());
    EXPECT_FALSE(window->action("pageSetupCurrent")->isVisible());
}

TEST_F(MainWindowFixture, EntriesWithoutACommandAreDisabled)
{
    for (const char* name : { "print", "printPreview", "exportExact", "undo", "redo", "cut", "copy", "paste",
             "joinItems", "splitGroup", "speed", "customizeShadows", "insertPicture" }) {
        SCOPED_TRACE(name);
        ASSERT_NE(window->action(name), nullptr);
        EXPECT_FALSE(window->action(name)->isEnabled());
    }
}

TEST_F(MainWindowFixture, ShortcutsOfTheMainMenu)
{
    struct Case {
        const char* action;
        QKeySequence keys;
    };
    const Case cases[] = { { "fileNew", QKeySequence("Ctrl+N") }, { "fileOpen", QKeySequence("Ctrl+O") },
        { "fileSave", QKeySequence("Ctrl+S") }, { "print", QKeySequence("Ctrl+P") },
        { "undo", QKeySequence("Ctrl+Z") }, { "redo", QKeySequence("Ctrl+Alt+Z") },
        { "redo", QKeySequence("Ctrl+Y") }, { "cut", QKeySequence("Ctrl+Del") },
        { "cut", QKeySequence("Ctrl+X") }, { "copy", QKeySequence("Ctrl+Ins") },
        { "paste", QKeySequence("Shift+Ins") }, { "fileClose", QKeySequence("Ctrl+W") },
        { "fileExit", QKeySequence("Ctrl+Q") }, { "zoomInKey", QKeySequence("Ctrl++") },
        { "zoomOutKey", QKeySequence("Ctrl+-") } };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action);
        EXPECT_TRUE(window->action(c.action)->shortcuts().contains(c.keys));
    }
}
