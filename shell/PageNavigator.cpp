#include "shell/PageNavigator.h"

#include "canvas/EditorContext.h"
#include "canvas/widgets/DocumentWindow.h"
#include "model/ItemList.h"
#include "panels/ToolPalette.h"
#include "panels/ToolPaletteEntry.h"
#include "shell/CommandBar.h"
#include "shell/DocumentArea.h"
#include "shell/NextStepBox.h"
#include "shell/NextSteps.h"
#include "shell/SidePanel.h"

namespace {

using B = UpperButton;

constexpr int kPendingPageMs = 100;

// Buttons whose commands are not there: disabled from the start. Undo and
// Redo follow the active drawing's history (the main window sets them).
constexpr UpperButton kUnavailableButtons[] = { B::Export, B::Print, B::ToBack, B::ToFront, B::Paste, B::Copy,
    B::Gridlines, B::Snap, B::InsertPicture, B::JoinItems, B::SplitGroup };

// The page the pending-page timer shows for `page`: the keys help pages of
// the multi-point tools stand for their tools' pages.
Page pendingToolPage(Page page)
{
    const ToolInfo* tool = toolOfKeysHelp(page);
    return tool ? tool->page : page;
}

} // namespace

PageNavigator::PageNavigator(EditorContext& context, DocumentArea& documents, SidePanel& sidePanel,
    CommandBar& commandBar, NextStepBox& nextStepBox, QObject* parent)
    : QObject(parent)
    , context_(context)
    , documents_(documents)
    , sidePanel_(sidePanel)
    , commandBar_(commandBar)
    , nextStepBox_(nextStepBox)
{
    pendingPageTimer_.setSingleShot(true);
    pendingPageTimer_.setInterval(kPendingPageMs);
    connect(&pendingPageTimer_, &QTimer::timeout, this, &PageNavigator::showPendingPage);
    connect(sidePanel_.toolPalette(), &ToolPalette::entryChosen, this, [this](Page page) {
        // A second click before the page changes is ignored.
        if (!pendingPageTimer_.isActive())
            showLater(page);
    });
    connect(&nextStepBox_, &NextStepBox::stepChosen, this, &PageNavigator::performNextStep);
    connect(&nextStepBox_, &NextStepBox::rowHovered, this, [this] { commandBar_.raiseButton(B::Select); });
    connect(&nextStepBox_, &NextStepBox::backClicked, this, &PageNavigator::goBack);
    connect(&nextStepBox_, &NextStepBox::forwardClicked, this, &PageNavigator::goForward);
}

bool PageNavigator::pageAvailable(Page page) const
{
    return sidePanel_.canShow(page);
}

void PageNavigator::showPage(Page page, bool skipIfCurrent, bool apply, bool fromHistory)
{
    if (skipIfCurrent && page == currentPage_)
        return;
    if (!sidePanel_.show(page) && !isToolPage(page))
        return;
    if (isHelpPage(page) && !isHelpPage(currentPage_))
        previousPage_ = currentPage_;
    currentPage_ = page;
    DocumentWindow* docWindow = documents_.activeDocument();
    if (!fromHistory) {
        PageVisit visit;
        visit.page = page;
        visit.windowId = docWindow ? docWindow->windowId() : -1;
        if (docWindow && isItemPage(page))
            visit.selectionTag = tagSelection(docWindow->items());
        if (isToolPage(page))
            visit.tools = captureToolSettings(context_.preferences());
        history_.record(visit);
    }
    if (docWindow && (isShapeToolPage(page) || isShapeItemPage(page)))
        docWindow->setPointCount(0);
    if (apply && (page == Page::Select || isToolPage(page))) {
        if (docWindow)
            docWindow->setEditMode(editModeOf(page));
        else if (page != Page::Select && page != Page::TextTool)
            context_.setCurrentTool(editModeOf(page));
        const ToolInfo* tool = toolOfPage(page);
        commandBar_.setPressedTool(tool ? tool->button : UpperButton::None);
    }
    setNextSteps(nextsteps::forPage(page));
    refreshBackForward();
    refreshSelectionCommands();
}

void PageNavigator::showRequested(Page page)
{
    if (isHelpPage(page) && !context_.preferences().helpPageOn(helpSwitchOf(page))) {
        if (page == toolInfo(Tool::Text).madeHelp)
            showPage(Page::TextPlaced);
        return;
    }
    showPage(page);
}

void PageNavigator::showLater(Page page)
{
    pendingPage_ = page;
    pendingPageTimer_.start();
}

void PageNavigator::showPendingPage()
{
    pendingPageTimer_.stop();
    showPage(pendingPage_ == Page::BeforeHelp ? previousPage_ : pendingToolPage(pendingPage_));
}

void PageNavigator::setNextSteps(const std::set<int>& steps)
{
    nextSteps_ = steps;
    nextStepBox_.setSteps(steps);
}

void PageNavigator::refreshSelectionCommands()
{
    for (UpperButton button : kUnavailableButtons)
        commandBar_.setButtonEnabled(button, false);
    for (const ToolInfo& tool : toolTable())
        if (tool.tool != Tool::Select)
            commandBar_.setButtonEnabled(tool.button, pageAvailable(tool.page));
    ToolPalette* palette = sidePanel_.toolPalette();
    for (ToolPaletteEntry* entry : palette->entries())
        palette->setEntryEnabled(entry->tool(), pageAvailable(entry->page()));

    DocumentWindow* docWindow = documents_.activeDocument();
    const bool selection = docWindow && firstSelected(docWindow->items());
    for (UpperButton button : { B::ToBack, B::ToFront, B::Erase, B::Copy })
        commandBar_.setButtonVisible(button, selection);
    const bool twoOrMore = docWindow && countSelectionUnits(docWindow->items(), true) >= 2;
    commandBar_.setButtonVisible(B::JoinItems, twoOrMore);
    // Without a clipboard or groups, Paste and Split group stay hidden.
    commandBar_.setButtonVisible(B::Paste, false);
    commandBar_.setButtonVisible(B::SplitGroup, false);
}

void PageNavigator::performNextStep(int number)
{
    const nextsteps::Step step = nextsteps::step(number);
    DocumentWindow* docWindow = documents_.activeDocument();
    const bool selected = docWindow && firstSelected(docWindow->items());
    switch (step.action) {
    case nextsteps::Action::ShowPage:
        showPage(step.page);
        break;
    case nextsteps::Action::SelectedOrTool:
        showPage(selected ? step.page : Page::Select);
        break;
    case nextsteps::Action::HelpOrSelected:
        if (context_.preferences().helpPageOn(helpSwitchOf(step.helpPage)) && pageAvailable(step.helpPage))
            showPage(step.helpPage);
        else
            showPage(selected ? step.page : Page::Select);
        break;
    case nextsteps::Action::Split:
        showPage(Page::Select);
        break;
    default:
        showLater(step.page);
        break;
    }
}

bool PageNavigator::visitUsable(const PageVisit& visit) const
{
    if (!pageAvailable(visit.page))
        return false;
    if (isItemPage(visit.page))
        return documents_.documentById(visit.windowId) != nullptr;
    return true;
}

void PageNavigator::showVisit(const PageVisit& visit)
{
    if (isItemPage(visit.page)) {
        DocumentWindow* docWindow = documents_.documentById(visit.windowId);
        documents_.bringToFront(docWindow);
        selectTagged(docWindow->items(), visit.selectionTag);
    }
    // Put back before the page is made, so that its lists show them.
    if (visit.tools)
        restoreToolSettings(context_.preferences(), *visit.tools);
    showPage(visit.page, false, true, true);
}

void PageNavigator::goBack()
{
    const auto usable = [this](const PageVisit& v) { return visitUsable(v); };
    if (const PageVisit* visit = history_.back(usable))
        showVisit(*visit);
    else
        showPage(Page::Select, false, true, true);
    refreshBackForward();
}

void PageNavigator::goForward()
{
    const auto usable = [this](const PageVisit& v) { return visitUsable(v); };
    if (const PageVisit* visit = history_.forward(usable))
        showVisit(*visit);
    refreshBackForward();
}

void PageNavigator::refreshBackForward()
{
    const auto usable = [this](const PageVisit& v) { return visitUsable(v); };
    nextStepBox_.setBackEnabled(history_.canGoBack(usable));
    nextStepBox_.setForwardEnabled(history_.canGoForward(usable));
}
