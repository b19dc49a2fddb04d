#include "shell/TForm1.h"

#include "canvas/TSandbox.h"
#include "model/ItemList.h"
#include "panels/TToolbox.h"
#include "panels/ToolboxEntry.h"
#include "shell/NextStepBox.h"
#include "shell/NextSteps.h"
#include "shell/ShellSettings.h"
#include "shell/SidePanel.h"
#include "shell/TProcs.h"

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

bool TForm1::pageAvailable(int page) const
{
    // Only the tool palette has its panel so far; the others come with the
    // drawing tools and the property panels.
    return page == pages::kSelect;
}

void TForm1::showPage(int page, bool skipIfCurrent, bool apply, bool fromHistory)
{
    if (skipIfCurrent && page == currentPage_)
        return;
    if (!sidePanel_->show(page))
        return;
    if (pages::isHelpPage(page) && !pages::isHelpPage(currentPage_))
        previousPage_ = currentPage_;
    currentPage_ = page;
    TSandbox* sandbox = activeDocument();
    if (!fromHistory) {
        PageVisit visit;
        visit.page = page;
        visit.windowId = sandbox ? sandbox->windowId() : -1;
        if (sandbox && pages::isItemPage(page))
            visit.selectionTag = tagSelection(sandbox->items());
        pageHistory_.record(visit);
    }
    if (sandbox && page >= pages::kShapeToolFirst && page <= pages::kShapePropertiesLast)
        sandbox->setPointCount(0);
    if (apply && (page == pages::kSelect || pages::isToolPage(page))) {
        if (sandbox)
            sandbox->setEditMode(editModeOf(page));
        else if (page != pages::kSelect && page != pages::kTextTool)
            shellsettings::setCurrentTool(editModeOf(page));
        procs_->setPressedTool(toolButtonOf(page));
    }
    setNextSteps({});
    refreshBackForward();
    refreshSelectionCommands();
}

void TForm1::setNextSteps(const std::set<int>& steps)
{
    nextSteps_ = steps;
    nextStepBox_->setSteps(steps);
}

void TForm1::refreshSelectionCommands()
{
    for (int number : kLaterButtons)
        procs_->setButtonEnabled(number, false);
    for (int page : { 98, 300, 100, 101, 102, 103, 104, 105, 107, 108, 109, 110, 111, 112, 199 })
        procs_->setButtonEnabled(toolButtonOf(page), pageAvailable(page));
    for (ToolboxEntry* entry : sidePanel_->toolbox()->entries())
        sidePanel_->toolbox()->setEntryEnabled(entry->page(), pageAvailable(entry->page()));

    TSandbox* sandbox = activeDocument();
    const bool selection = sandbox && firstSelected(sandbox->items());
    for (int number : { 12, 13, 14, 16 })
        procs_->setButtonVisible(number, selection);
    const bool twoOrMore = sandbox && countSelectionUnits(sandbox->items(), true) >= 2;
    procs_->setButtonVisible(35, twoOrMore);
    // The clipboard and groups come with the editing commands.
    procs_->setButtonVisible(15, false);
    procs_->setButtonVisible(36, false);
}

void TForm1::procsButtonClicked(int number)
{
    TSandbox* sandbox = activeDocument();
    switch (number) {
    case 1: fileNew(); break;
    case 2: fileOpen(); break;
    case 3: fileSave(); break;
    case 8:
        if (sandbox) {
            selectOnly(sandbox->items(), nullptr);
            sandbox->repaintCanvas(true);
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

void TForm1::toolboxEntryChosen(int page)
{
    // A second click before the page changes is ignored.
    if (timer1_.isActive())
        return;
    startPendingPage(page);
}

void TForm1::startPendingPage(int page)
{
    pendingPage_ = page;
    timer1_.start();
}

void TForm1::timer1Timer()
{
    timer1_.stop();
    const int page = pendingPage_ == 43 ? previousPage_ : pendingToolPage(pendingPage_);
    // The picture and clip dialogs (400, 503, 510) come with their own feature.
    if (page == pages::kPictureDialog || page == 503 || page == 510)
        return;
    showPage(page);
}

void TForm1::performNextStep(int number)
{
    const nextsteps::Step step = nextsteps::step(number);
    TSandbox* sandbox = activeDocument();
    const bool selected = sandbox && firstSelected(sandbox->items());
    switch (step.action) {
    case nextsteps::Action::ShowPage: showPage(step.page); break;
    case nextsteps::Action::SelectedOrTool: showPage(selected ? step.page : pages::kSelect); break;
    case nextsteps::Action::HelpOrSelected: {
        const int help = step.helpPage - pages::kHelpFirst;
        if (help >= 0 && shellsettings::helpSwitch(help) && pageAvailable(step.helpPage))
            showPage(step.helpPage);
        else
            showPage(selected ? step.page : pages::kSelect);
        break;
    }
    case nextsteps::Action::Split: showPage(pages::kSelect); break;
    default: startPendingPage(step.page); break;
    }
}

bool TForm1::visitUsable(const PageVisit& visit) const
{
    if (!pageAvailable(visit.page))
        return false;
    if (pages::isItemPage(visit.page))
        return documentById(visit.windowId) != nullptr;
    return true;
}

void TForm1::showVisit(const PageVisit& visit)
{
    if (pages::isItemPage(visit.page)) {
        TSandbox* sandbox = documentById(visit.windowId);
        bringToFront(sandbox);
        selectTagged(sandbox->items(), visit.selectionTag);
    }
    showPage(visit.page, false, true, true);
}

void TForm1::goBack()
{
    const auto usable = [this](const PageVisit& v) { return visitUsable(v); };
    if (const PageVisit* visit = pageHistory_.back(usable))
        showVisit(*visit);
    else
        showPage(pages::kSelect, false, true, true);
    refreshBackForward();
}

void TForm1::goForward()
{
    const auto usable = [this](const PageVisit& v) { return visitUsable(v); };
    if (const PageVisit* visit = pageHistory_.forward(usable))
        showVisit(*visit);
    refreshBackForward();
}

void TForm1::refreshBackForward()
{
    const auto usable = [this](const PageVisit& v) { return visitUsable(v); };
    nextStepBox_->setBackEnabled(pageHistory_.canGoBack(usable));
    nextStepBox_->setForwardEnabled(pageHistory_.canGoForward(usable));
}
