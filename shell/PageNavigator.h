#pragma once

#include "canvas/ToolTable.h"
#include "shell/PageHistory.h"

#include <QObject>
#include <QTimer>

#include <set>

class CommandBar;
class DocumentArea;
class EditorContext;
class NextStepBox;
class SidePanel;

// The side panel's pages: showing one (which may choose the active window's
// tool), the page shown a moment after a command, the page history walked by
// Back and Forward, the next-step box's suggestions, and the upper menu's
// buttons that follow the page and the selection.
class PageNavigator : public QObject {
    Q_OBJECT
public:
    PageNavigator(EditorContext& context, DocumentArea& documents, SidePanel& sidePanel,
        CommandBar& commandBar, NextStepBox& nextStepBox, QObject* parent = nullptr);

    Page currentPage() const { return currentPage_; }
    // Whether a panel shows the page.
    bool pageAvailable(Page page) const;

    // Replaces the side panel's page and records it in the page history; a
    // tool page with `apply` also chooses the tool. With `skipIfCurrent`
    // nothing happens when the page is on show.
    void showPage(Page page, bool skipIfCurrent = false, bool apply = true, bool fromHistory = false);
    // A page a document window asks for. A help page whose switch is off is
    // not shown; for the text tool's page after its first point the text
    // tool's placed page stands in.
    void showRequested(Page page);
    // Shows the page 100 ms later, as commands that end on another page do;
    // the help page of a tool's keys stands for the tool's page.
    void showLater(Page page);

    void setNextSteps(const std::set<int>& steps);
    void performNextStep(int number);
    void goBack();
    void goForward();

    // The tool buttons and palette entries with a panel, and the selection's
    // commands, as the active drawing allows.
    void refreshSelectionCommands();

private:
    void showPendingPage();
    void refreshBackForward();
    bool visitUsable(const PageVisit& visit) const;
    void showVisit(const PageVisit& visit);

    EditorContext& context_;
    DocumentArea& documents_;
    SidePanel& sidePanel_;
    CommandBar& commandBar_;
    NextStepBox& nextStepBox_;

    Page currentPage_ = Page::None;
    Page previousPage_ = Page::Select; // the page before the current help page
    Page pendingPage_ = Page::None;
    QTimer pendingPageTimer_;
    PageHistory history_;
    std::set<int> nextSteps_;
};
