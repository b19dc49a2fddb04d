#include "MainWindowFixture.h"

#include "canvas/widgets/CanvasImage.h"
#include "model/ItemKinds.h"
#include "model/ItemRecord.h"
#include "shell/CommandBar.h"
#include "shell/CommandButton.h"

#include <QApplication>

namespace {

class MainWindowDrawing : public MainWindowFixture {
protected:
    MainWindowDrawing()
    {
        doc = window->openDocument({});
        QApplication::setActiveWindow(window.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    void insert(const char* tool)
    {
        window->action(QStringLiteral("insert%1").arg(QLatin1String(tool)))->trigger();
        // The Insert menu shows the tool's page a moment later.
        QTest::qWait(150);
    }
    void click(int x, int y, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::mouseClick(doc->canvasImage(), Qt::LeftButton, modifiers, QPoint(x, y));
    }
    // Keys as a person presses them: to whatever has the focus in the main window.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : window.get(), key, modifiers);
    }
    int visibleItems() const
    {
        int n = 0;
        for (const ItemRecord& r : doc->items())
            n += r.body.hidden == 0 && kinds::isDrawnItem(r.body.kind);
        return n;
    }
    bool undoOn() const { return window->action(QStringLiteral("undo"))->isEnabled(); }
    bool redoOn() const { return window->action(QStringLiteral("redo"))->isEnabled(); }
    bool undoButtonOn() const { return window->commandBar()->button(UpperButton::Undo)->isEnabled(); }
    bool redoButtonOn() const { return window->commandBar()->button(UpperButton::Redo)->isEnabled(); }

    DocumentWindow* doc = nullptr;
};

TEST_F(MainWindowDrawing, InsertMenuChoosesEveryTool)
{
    for (const ToolInfo& tool : toolTable()) {
        if (tool.editMode == EditMode::Select || !tool.insertEntry || tool.tool == Tool::Picture)
            continue;
        SCOPED_TRACE(tool.name);
        EXPECT_TRUE(window->action(QStringLiteral("insert%1").arg(QLatin1String(tool.name)))->isEnabled());
        insert(tool.name);
        EXPECT_EQ(doc->editMode(), tool.editMode);
        EXPECT_EQ(window->commandBar()->pressedTool(), tool.button);
    }
}

TEST_F(MainWindowDrawing, UndoAndRedoEntriesFollowTheHistoryAndEveryShortcutWorks)
{
    EXPECT_FALSE(undoOn());
    EXPECT_FALSE(redoOn());
    insert("Circle");
    click(100, 100);
    click(130, 100);
    click(300, 100);
    click(330, 100);
    ASSERT_EQ(visibleItems(), 2);
    EXPECT_TRUE(undoOn());
    EXPECT_TRUE(undoButtonOn());
    EXPECT_FALSE(redoOn());
    EXPECT_FALSE(redoButtonOn());

    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(visibleItems(), 1);
    EXPECT_TRUE(redoOn());
    EXPECT_TRUE(redoButtonOn());
    const Qt::KeyboardModifiers redoKeys[] = { Qt::ControlModifier | Qt::AltModifier, Qt::ControlModifier,
        Qt::ControlModifier | Qt::ShiftModifier };
    const Qt::Key redoKey[] = { Qt::Key_Z, Qt::Key_Y, Qt::Key_Z };
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        press(redoKey[i], redoKeys[i]);
        EXPECT_EQ(visibleItems(), 2);
        EXPECT_FALSE(redoOn());
        press(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(visibleItems(), 1);
    }
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(visibleItems(), 0);
    EXPECT_FALSE(undoOn());
    EXPECT_FALSE(undoButtonOn());

    // The upper menu's Redo, then Clear Undo and Redo.
    QTest::mouseClick(window->commandBar()->button(UpperButton::Redo), Qt::LeftButton);
    EXPECT_EQ(visibleItems(), 1);
    window->action(QStringLiteral("clearUndo"))->trigger();
    EXPECT_FALSE(undoOn());
    EXPECT_FALSE(redoOn());
    EXPECT_EQ(visibleItems(), 1);
}

TEST_F(MainWindowDrawing, KeysReachTheCanvasBeforeAnyControl)
{
    insert("Spline");
    click(100, 100);
    click(150, 130);
    click(200, 100);
    // The focus may sit anywhere in the main window; Enter still ends the spline.
    window->documentArea()->setFocus();
    press(Qt::Key_Return);
    ASSERT_EQ(visibleItems(), 1);
    insert("Text");
    click(100, 200);
    for (Qt::Key k : { Qt::Key_O, Qt::Key_K })
        press(k);
    const ItemRecord* text = findLiveOfKind(doc->items(), kinds::kText);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(getText(text), u"ok");
}

TEST_F(MainWindowDrawing, SaveWritesExactlyTheVisibleItems)
{
    insert("Line");
    click(100, 100);
    click(200, 100);
    insert("Rectangle");
    click(100, 200);
    click(200, 200);
    click(200, 150);
    insert("Star");
    click(300, 300);
    click(350, 300);
    click(320, 300);
    press(Qt::Key_Z, Qt::ControlModifier); // the star goes
    ASSERT_EQ(visibleItems(), 2);
    const QString path = folder() + "/drawn.tvle";
    dialogs.queueAnswer(path);
    press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(doc->isModified());

    ItemList read;
    ASSERT_TRUE(readDrawing(path, read, context.screen(), prompt));
    std::vector<std::int32_t> kinds;
    for (const ItemRecord& r : read)
        if (kinds::isDrawnItem(r.body.kind))
            kinds.push_back(r.body.kind);
    EXPECT_EQ(kinds, (std::vector<std::int32_t> { kinds::kLine, kinds::kRectangle }));
}

} // namespace
