#include "shell/MainWindow.h"

#include "canvas/widgets/DocumentWindow.h"
#include "model/ItemList.h"
#include "panels/ToolPalette.h"
#include "panels/ToolPaletteEntry.h"
#include "shell/NextStepBox.h"
#include "shell/NextSteps.h"
#include "canvas/EditorContext.h"
#include "shell/SidePanel.h"
#include "shell/CommandBar.h"

#include <QAction>

namespace {

using B = UpperButton;

// Buttons whose commands are not there yet: disabled from the start.
constexpr UpperButton kUnavailableButtons[] = { B::Export, B::Print, B::Undo, B::Redo, B::ToBack, B::ToFront,
    B::Erase, B::Paste, B::Copy, B::Gridlines, B::Snap, B::InsertPicture, B::JoinItems, B::SplitGroup };

// The page the pending-page timer shows for `page`: the keys help pages of
// the multi-point tools stand for their tools' pages.
Page pendingToolPage(Page page)
{
    const ToolInfo* tool = toolOfKeysHelp(page);
    return tool ? tool->page : page;
}

} // namespace

bool MainWindow::pageAvailable(Page page) const { return sidePanel_->canShow(page); }

void MainWindow::showPage(Page page, bool skipIfCurrent, bool apply, bool fromHistory)
{
    if (skipIfCurrent && page == currentPage_)
        return;
    if (!sidePanel_->show(page))
        return;
    if (isHelpPage(page) && !isHelpPage(currentPage_))
        previousPage_ = currentPage_;
    currentPage_ = page;
    DocumentWindow* docWindow = activeDocument();
    if (!fromHistory) {
        PageVisit visit;
        visit.page = page;
        visit.windowId = docWindow ? docWindow->windowId() : -1;
        if (docWindow && isItemPage(page))
            visit.selectionTag = tagSelection(docWindow->items());
        pageHistory_.record(visit);
    }
    if (docWindow && (isShapeToolPage(page) || isShapeItemPage(page)))
        docWindow->setPointCount(0);
    if (apply && (page == Page::Select || isToolPage(page))) {
        if (docWindow)
            docWindow->setEditMode(editModeOf(page));
        else if (page != Page::Select && page != Page::TextTool)
            context_.setCurrentTool(editModeOf(page));
        const ToolInfo* tool = toolOfPage(page);
        commandBar_->setPressedTool(tool ? tool->button : UpperButton::None);
    }
    setNextSteps({});
    refreshBackForward();
    refreshSelectionCommands();
}

void MainWindow::setNextSteps(const std::set<int>& steps)
{
    nextSteps_ = steps;
    nextStepBox_->setSteps(steps);
}

void MainWindow::refreshSelectionCommands()
{
    for (UpperButton button : kUnavailableButtons)
        commandBar_->setButtonEnabled(button, false);
    for (const ToolInfo& tool : toolTable())
        if (tool.tool != Tool::Select)
            commandBar_->setButtonEnabled(tool.button, pageAvailable(tool.page));
    for (ToolPaletteEntry* entry : sidePanel_->toolPalette()->entries())
        sidePanel_->toolPalette()->setEntryEnabled(entry->tool(), pageAvailable(entry->page()));

    DocumentWindow* docWindow = activeDocument();
    const bool selection = docWindow && firstSelected(docWindow->items());
    for (UpperButton button : { B::ToBack, B::ToFront, B::Erase, B::Copy })
        commandBar_->setButtonVisible(button, selection);
    const bool twoOrMore = docWindow && countSelectionUnits(docWindow->items(), true) >= 2;
    commandBar_->setButtonVisible(B::JoinItems, twoOrMore);
    // Nothing can be on the clipboard or joined into a group yet.
    commandBar_->setButtonVisible(B::Paste, false);
    commandBar_->setButtonVisible(B::SplitGroup, false);
}

void MainWindow::commandButtonClicked(UpperButton button)
{
    DocumentWindow* docWindow = activeDocument();
    switch (button) {
    case B::New: fileNew(); break;
    case B::Open: fileOpen(); break;
    case B::Save: fileSave(); break;
    case B::Repaint:
        if (docWindow) {
            selectOnly(docWindow->items(), nullptr);
            docWindow->repaintCanvas();
            showPage(Page::Select);
        }
        break;
    case B::ZoomOut: zoomOut(); break;
    case B::ZoomIn: zoomIn(); break;
    default:
        // The pointer and the tool buttons show their tool's page.
        if (const ToolInfo* tool = toolOfButton(button))
            showPage(tool->page);
        break;
    }
}

void MainWindow::paletteEntryChosen(Page page)
{
    // A second click before the page changes is ignored.
    if (pendingPageTimer_.isActive())
        return;
    startPendingPage(page);
}

void MainWindow::startPendingPage(Page page)
{
    pendingPage_ = page;
    pendingPageTimer_.start();
}

void MainWindow::showPendingPage()
{
    pendingPageTimer_.stop();
    const Page page = pendingPage_ == Page::BeforeHelp ? previousPage_ : pendingToolPage(pendingPage_);
    showPage(page);
}

void MainWindow::performNextStep(int number)
{
    const nextsteps::Step step = nextsteps::step(number);
    DocumentWindow* docWindow = activeDocument();
    const bool selected = docWindow && firstSelected(docWindow->items());
    switch (step.action) {
    case nextsteps::Action::ShowPage: showPage(step.page); break;
    case nextsteps::Action::SelectedOrTool: showPage(selected ? step.page : Page::Select); break;
    case nextsteps::Action::HelpOrSelected:
        if (context_.preferences().helpPageOn(helpSwitchOf(step.helpPage)) && pageAvailable(step.helpPage))
            showPage(step.helpPage);
        else
            showPage(selected ? step.page : Page::Select);
        break;
    case nextsteps::Action::Split: showPage(Page::Select); break;
    default: startPendingPage(step.page); break;
    }
}

bool MainWindow::visitUsable(const PageVisit& visit) const
{
    if (!pageAvailable(visit.page))
        return false;
    if (isItemPage(visit.page))
        return documentById(visit.windowId) != nullptr;
    return true;
}

void MainWindow::showVisit(const PageVisit& visit)
{
    if (isItemPage(visit.page)) {
        DocumentWindow* docWindow = documentById(visit.windowId);
        bringToFront(docWindow);
        selectTagged(docWindow->items(), visit.selectionTag);
    }
    showPage(visit.page, false, true, true);
}

void MainWindow::goBack()
{
    const auto usable = [this](const PageVisit& v) { return visitUsable(v); };
    if (const PageVisit* visit = pageHistory_.back(usable))
        showVisit(*visit);
    else
        showPage(Page::Select, false, true, true);
    refreshBackForward();
}

void MainWindow::goForward()
{
    const auto usable = [this](const PageVisit& v) { return visitUsable(v); };
    if (const PageVisit* visit = pageHistory_.forward(usable))
        showVisit(*visit);
    refreshBackForward();
}

void MainWindow::refreshBackForward()
{
    const auto usable = [this](const PageVisit& v) { return visitUsable(v); };
    nextStepBox_->setBackEnabled(pageHistory_.canGoBack(usable));
    nextStepBox_->setForwardEnabled(pageHistory_.canGoForward(usable));
}
