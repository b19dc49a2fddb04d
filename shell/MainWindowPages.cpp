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

constexpr int kSelectButton = 9;

// The upper-menu button of a tool page, 0 for none.
int toolButtonOf(int page)
{
    switch (page) {
    case pages::kSelect: return kSelectButton;
    case pages::kLineTool: return 17;
    case pages::kTextTool: return 18;
    case 100: return 21;
    case 101: return 22;
    case 102: return 23;
    case 103: return 24;
    case 104: return 25;
    case 199: return 26;
    case 108: return 28;
    case 109: return 29;
    case 111: return 30;
    case 107: return 31;
    case 105: return 32;
    case 110: return 33;
    case 112: return 34;
    default: return 0;
    }
}

// The tool code a page selects in a document window.
int editModeOf(int page)
{
    if (page == pages::kLineTool)
        return 1;
    if (page == pages::kTextTool)
        return 31;
    if (page >= pages::kShapeToolFirst && page <= pages::kShapeToolLast)
        return page;
    return 0;
}

// Help pages that stand for a tool page in the pending-page timer.
int pendingToolPage(int page)
{
    switch (page) {
    case 1061: return 109;
    case 1064: return 110;
    case 1070: return 111;
    case 1073: return 112;
    default: return page;
    }
}

// Buttons whose commands come with later features: disabled from the start.
constexpr int kLaterButtons[] = { 4, 5, 6, 7, 12, 13, 14, 15, 16, 19, 20, 27, 35, 36 };

} // namespace

bool MainWindow::pageAvailable(int page) const
{
    // Only the tool palette has its panel so far; the others come with the
    // drawing tools and the property panels.
    return page == pages::kSelect;
}

void MainWindow::showPage(int page, bool skipIfCurrent, bool apply, bool fromHistory)
{
    if (skipIfCurrent && page == currentPage_)
        return;
    if (!sidePanel_->show(page))
        return;
    if (pages::isHelpPage(page) && !pages::isHelpPage(currentPage_))
        previousPage_ = currentPage_;
    currentPage_ = page;
    DocumentWindow* docWindow = activeDocument();
    if (!fromHistory) {
        PageVisit visit;
        visit.page = page;
        visit.windowId = docWindow ? docWindow->windowId() : -1;
        if (docWindow && pages::isItemPage(page))
            visit.selectionTag = tagSelection(docWindow->items());
        pageHistory_.record(visit);
    }
    if (docWindow && page >= pages::kShapeToolFirst && page <= pages::kShapePropertiesLast)
        docWindow->setPointCount(0);
    if (apply && (page == pages::kSelect || pages::isToolPage(page))) {
        if (docWindow)
            docWindow->setEditMode(editModeOf(page));
        else if (page != pages::kSelect && page != pages::kTextTool)
            context_.setCurrentTool(editModeOf(page));
        commandBar_->setPressedTool(toolButtonOf(page));
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
    for (int number : kLaterButtons)
        commandBar_->setButtonEnabled(number, false);
    for (int page : { 98, 300, 100, 101, 102, 103, 104, 105, 107, 108, 109, 110, 111, 112, 199 })
        commandBar_->setButtonEnabled(toolButtonOf(page), pageAvailable(page));
    for (ToolPaletteEntry* entry : sidePanel_->toolPalette()->entries())
        sidePanel_->toolPalette()->setEntryEnabled(entry->page(), pageAvailable(entry->page()));

    DocumentWindow* docWindow = activeDocument();
    const bool selection = docWindow && firstSelected(docWindow->items());
    for (int number : { 12, 13, 14, 16 })
        commandBar_->setButtonVisible(number, selection);
    const bool twoOrMore = docWindow && countSelectionUnits(docWindow->items(), true) >= 2;
    commandBar_->setButtonVisible(35, twoOrMore);
    // The clipboard and groups come with the editing commands.
    commandBar_->setButtonVisible(15, false);
    commandBar_->setButtonVisible(36, false);
}

void MainWindow::commandButtonClicked(int number)
{
    DocumentWindow* docWindow = activeDocument();
    switch (number) {
    case 1: fileNew(); break;
    case 2: fileOpen(); break;
    case 3: fileSave(); break;
    case 8:
        if (docWindow) {
            selectOnly(docWindow->items(), nullptr);
            docWindow->repaintCanvas(true);
            showPage(pages::kSelect);
        }
        break;
    case kSelectButton: showPage(pages::kSelect); break;
    case 10: zoomOut(); break;
    case 11: zoomIn(); break;
    default:
        // The tool buttons show their tool's page.
        for (int page : { 98, 300, 100, 101, 102, 103, 104, 105, 107, 108, 109, 110, 111, 112, 199 })
            if (toolButtonOf(page) == number)
                showPage(page);
        break;
    }
}

void MainWindow::paletteEntryChosen(int page)
{
    // A second click before the page changes is ignored.
    if (timer1_.isActive())
        return;
    startPendingPage(page);
}

void MainWindow::startPendingPage(int page)
{
    pendingPage_ = page;
    timer1_.start();
}

void MainWindow::timer1Timer()
{
    timer1_.stop();
    const int page = pendingPage_ == 43 ? previousPage_ : pendingToolPage(pendingPage_);
    // The picture and clip dialogs (400, 503, 510) come with their own feature.
    if (page == pages::kPictureDialog || page == 503 || page == 510)
        return;
    showPage(page);
}

void MainWindow::performNextStep(int number)
{
    const nextsteps::Step step = nextsteps::step(number);
    DocumentWindow* docWindow = activeDocument();
    const bool selected = docWindow && firstSelected(docWindow->items());
    switch (step.action) {
    case nextsteps::Action::ShowPage: showPage(step.page); break;
    case nextsteps::Action::SelectedOrTool: showPage(selected ? step.page : pages::kSelect); break;
    case nextsteps::Action::HelpOrSelected: {
        const int help = step.helpPage - pages::kHelpFirst;
        if (help >= 0 && context_.preferences().helpPageOn(help) && pageAvailable(step.helpPage))
            showPage(step.helpPage);
        else
            showPage(selected ? step.page : pages::kSelect);
        break;
    }
    case nextsteps::Action::Split: showPage(pages::kSelect); break;
    default: startPendingPage(step.page); break;
    }
}

bool MainWindow::visitUsable(const PageVisit& visit) const
{
    if (!pageAvailable(visit.page))
        return false;
    if (pages::isItemPage(visit.page))
        return documentById(visit.windowId) != nullptr;
    return true;
}

void MainWindow::showVisit(const PageVisit& visit)
{
    if (pages::isItemPage(visit.page)) {
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
        showPage(pages::kSelect, false, true, true);
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
