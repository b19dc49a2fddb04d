#include "shell/NextSteps.h"

namespace nextsteps {

namespace {

    // The three suggestions of a shape tool: start, fine-tune, move.
    Step shapeStep(const ToolInfo& tool, int number)
    {
        const QString name = QString::fromLatin1(tool.name).toLower();
        switch (number - tool.firstNextStep) {
        case 0:
            return { QStringLiteral("Start new ") + name, Action::ShowPage, tool.page };
        case 1:
            return { QStringLiteral("Fine-tune this ") + name, Action::SelectedOrTool, tool.itemPage };
        default:
            return { QStringLiteral("Move this ") + name, Action::HelpOrSelected, tool.itemPage,
                tool.moveHelp };
        }
    }

    // The shape tool whose three suggestions include `number`.
    const ToolInfo* shapeOfStep(int number)
    {
        for (const ToolInfo& tool : toolTable())
            if (isShapeToolPage(tool.page) && number >= tool.firstNextStep && number < tool.firstNextStep + 3)
                return &tool;
        return nullptr;
    }

} // namespace

Step step(int number)
{
    if (const ToolInfo* shape = shapeOfStep(number))
        return shapeStep(*shape, number);
    const ToolInfo& line = toolInfo(Tool::Line);
    const ToolInfo& text = toolInfo(Tool::Text);
    const ToolInfo& picture = toolInfo(Tool::Picture);
    switch (number) {
    case 1:
        return { QStringLiteral("Insert new item"), Action::ShowPage, Page::Select };
    case 2:
        return { QStringLiteral("Draw next line"), Action::ShowPage, line.page };
    case 3:
        return { QStringLiteral("Fine-tune this line"), Action::SelectedOrTool, line.itemPage };
    case 4:
        return { QStringLiteral("Move this line"), Action::HelpOrSelected, line.itemPage, line.moveHelp };
    case 5:
        return { QStringLiteral("Start new text"), Action::ShowPage, text.page };
    case 6:
        return { QStringLiteral("Fine-tune this text"), Action::SelectedOrTool, text.itemPage };
    case 7:
        return { QStringLiteral("Move this text"), Action::HelpOrSelected, text.itemPage, text.moveHelp };
    case 47:
        return { QStringLiteral("Insert new picture"), Action::PictureDialog, picture.page };
    case 48:
        return { QStringLiteral("Fine-tune this clip"), Action::ShowPage, picture.itemPage };
    case 49:
        return { QStringLiteral("Move this clip"), Action::ShowPage, picture.moveHelp };
    case 50:
        return { QStringLiteral("Insert new clip"), Action::NewClip, Page::NewClipDialog };
    case 51:
        return { QStringLiteral("Edit this clip"), Action::EditClip, Page::EditClipDialog };
    case 52:
        return { QStringLiteral("Join items"), Action::Join, Page::Mixed };
    case 53:
        return { QStringLiteral("Split group"), Action::Split, Page::Select };
    default:
        return {};
    }
}

std::set<int> forPage(Page page)
{
    constexpr int kInsertNewItem = 1;
    if (isToolPage(page) || page == Page::TextPlaced || page == Page::TextTyping)
        return { kInsertNewItem };
    for (const ToolInfo& tool : toolTable()) {
        if (tool.firstNextStep == 0 || page == Page::None)
            continue;
        if (page == tool.madeHelp)
            return { tool.firstNextStep, tool.firstNextStep + 1, tool.firstNextStep + 2 };
        if (page == tool.moveHelp)
            return { kInsertNewItem, tool.firstNextStep };
        if (page == tool.keysHelp)
            return { kInsertNewItem };
    }
    return {};
}

} // namespace nextsteps
