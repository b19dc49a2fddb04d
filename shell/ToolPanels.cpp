#include "shell/ToolPanels.h"

#include "canvas/EditorContext.h"
#include "panels/HelpPage.h"
#include "panels/LinePanel.h"
#include "panels/ShapePanel.h"
#include "panels/TextPanel.h"
#include "shell/PageNavigator.h"
#include "shell/SidePanel.h"

namespace {

bool isTextToolPage(Page page)
{
    return page == Page::TextTool || page == Page::TextPlaced || page == Page::TextTyping;
}

} // namespace

ToolPanels::ToolPanels(EditorContext& context, SidePanel& sidePanel, PageNavigator& pages, QObject* parent)
    : QObject(parent)
    , context_(context)
    , pages_(pages)
{
    sidePanel.addPanel({ [](Page page) { return page == Page::LineTool; },
        [this](Page page, QWidget* host) -> QWidget* {
            return new LinePanel(page, context_.preferences(), memory_, host);
        } });
    sidePanel.addPanel({ [](Page page) { return isShapeToolPage(page) && toolOfPage(page); },
        [this](Page page, QWidget* host) -> QWidget* {
            auto* panel = new ShapePanel(page, context_.preferences(), memory_, host);
            connect(
                panel, &PanelFrame::pageRequested, this, [this](Page wanted) { pages_.showPage(wanted); });
            return panel;
        } });
    sidePanel.addPanel({ isTextToolPage, [this](Page page, QWidget* host) -> QWidget* {
                            return new TextPanel(page, context_.preferences(), memory_, host);
                        } });
    sidePanel.addPanel(
        { HelpPage::exists, [this](Page page, QWidget* host) -> QWidget* {
             auto* help = new HelpPage(page, context_.preferences(), host);
             connect(help, &HelpPage::stepChosen, &pages_, &PageNavigator::performNextStep);
             // Done with the page: back to where the user was.
             connect(help, &HelpPage::switchedOff, this, [this] { pages_.showLater(Page::BeforeHelp); });
             return help;
         } });
}
