#include "MainWindowFixture.h"

#include "canvas/ToolTable.h"
#include "panels/ToolPalette.h"
#include "panels/ToolPaletteEntry.h"
#include "shell/CommandBar.h"
#include "shell/CommandButton.h"
#include "shell/SidePanel.h"

#include <QMenuBar>

#include <set>

namespace {

QImage pictureOf(const QIcon& icon) { return icon.pixmap(18, 18).toImage(); }

QMenu* insertMenu(MainWindow& window)
{
    for (QAction* entry : window.menuBar()->actions())
        if (entry->text() == "&Insert")
            return entry->menu();
    return nullptr;
}

} // namespace

TEST(ToolTable, EveryLookupFindsTheRowItCameFrom)
{
    std::set<Page> pages;
    std::set<UpperButton> buttons;
    for (const ToolInfo& tool : toolTable()) {
        SCOPED_TRACE(tool.name);
        EXPECT_TRUE(pages.insert(tool.page).second) << "two tools choose one page";
        EXPECT_TRUE(buttons.insert(tool.button).second) << "two tools share a button";
        EXPECT_EQ(&toolInfo(tool.tool), &tool);
        EXPECT_EQ(toolOfPage(tool.page), &tool);
        EXPECT_EQ(toolOfButton(tool.button), &tool);
        if (tool.keysHelp != Page::None) {
            EXPECT_EQ(toolOfKeysHelp(tool.keysHelp), &tool);
        }
        if (tool.editMode != EditMode::Select) {
            EXPECT_EQ(toolOfEditMode(tool.editMode), &tool);
            EXPECT_EQ(editModeOf(tool.page), tool.editMode);
            EXPECT_TRUE(isToolPage(tool.page));
        }
        if (tool.itemPage != Page::None) {
            EXPECT_TRUE(isItemPage(tool.itemPage));
        }
    }
    EXPECT_EQ(toolOfPage(Page::LineProperties), nullptr);
    EXPECT_EQ(toolOfButton(UpperButton::Undo), nullptr);
    EXPECT_EQ(editModeOf(Page::LineProperties), EditMode::Select);
}

TEST(ToolTable, ShapeToolsSetTheirPageNumberAsEditMode)
{
    for (const ToolInfo& tool : toolTable()) {
        if (isShapeToolPage(tool.page)) {
            EXPECT_EQ(static_cast<int>(tool.editMode), static_cast<int>(tool.page)) << tool.name;
        }
    }
}

TEST(ToolTable, OnlyDrawingToolsCarryOverToANewWindow)
{
    struct Case {
        EditMode mode;
        bool carries;
    };
    const Case cases[] = {
        { EditMode::Select, false },
        { EditMode::Line, true },
        { EditMode::Text, true },
        { EditMode::TextEditing, false },
        { EditMode::Triangle, true },
        { EditMode::Polygon, true },
        { EditMode::AddSplinePoints, false },
        { EditMode::DragItem, false },
    };
    for (const Case& c : cases)
        EXPECT_EQ(carriesOver(c.mode), c.carries) << static_cast<int>(c.mode);
}

TEST_F(MainWindowFixture, PaletteInsertMenuAndUpperMenuShowTheSameTools)
{
    QMenu* insert = insertMenu(*window);
    ASSERT_NE(insert, nullptr);
    const std::vector<ToolPaletteEntry*>& entries = window->sidePanel()->toolPalette()->entries();
    ASSERT_EQ(insert->actions().size(), qsizetype(entries.size()));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const ToolInfo& tool = toolInfo(entries[i]->tool());
        SCOPED_TRACE(tool.name);
        EXPECT_EQ(entries[i]->text(), tool.name);
        EXPECT_EQ(insert->actions()[qsizetype(i)]->text().remove('&').remove("..."), tool.name);
        // The tool's button in the upper menu carries the palette's picture.
        const CommandButton* button = window->commandBar()->button(tool.button);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(pictureOf(button->icon()), pictureOf(entries[i]->icon()));
    }
}
