#pragma once

#include "shell/PageHistory.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <array>
#include <cstdint>
#include <set>
#include <vector>

class NextStepBox;
class QActionGroup;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class SidePanel;
class CommandBar;
class DocumentWindow;
class EditorContext;

// The main window: the document area with the drawing windows, the main
// menu, the upper menu, the side panel with the next-step box, and the
// status bar. It routes every command to the active document window, keeps
// the application zoom, the Window menu and the recently used files, and
// asks about unsaved drawings before the program ends.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(EditorContext& context, QWidget* parent = nullptr);
    ~MainWindow() override;

    // New (empty name) and Open end here.
    DocumentWindow* openDocument(const QString& fileName);
    // Handles an open macro from the desktop: [open("FILE")].
    void executeOpenMacro(const QString& macro);

    DocumentWindow* activeDocument() const;
    std::vector<DocumentWindow*> documents() const;
    QMdiArea* documentArea() const { return mdiArea_; }
    CommandBar* commandBar() const { return commandBar_; }
    SidePanel* sidePanel() const { return sidePanel_; }
    NextStepBox* nextStepBox() const { return nextStepBox_; }

    double applicationZoom() const { return applicationZoom_; }
    void setApplicationZoom(double zoom);
    Page currentPage() const { return currentPage_; }

    // Replaces the side panel's page and records it in the page history; a
    // tool page with `apply` also chooses the tool.
    void showPage(Page page, bool skipIfCurrent = false, bool apply = true, bool fromHistory = false);
    void setNextSteps(const std::set<int>& steps);

    // Commands, as the menus and buttons run them.
    void fileNew();
    void fileOpen();
    void fileSave();
    void fileSaveAs();
    void fileClose();
    void reopen(int index);
    void clearRecentFiles();
    void addRecentFile(const QString& path);
    void zoomOut();
    void zoomIn();
    void zoomToPercent(int percent);
    void goBack();
    void goForward();

    // Menu entries, by their object names, for tests and the status bar.
    QAction* action(const QString& name) const;
    QMenu* windowMenu() const { return windowMenu_; }
    QMenu* reopenMenu() const { return reopenMenu_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Start-up (MainWindow.cpp).
    void buildLayout();
    void createTimers();
    void startUp();
    bool exitQuery();

    // Menus (MainWindowMenus.cpp).
    void buildMenus();
    void buildFileMenu();
    void buildInsertMenu();
    void buildEditMenu();
    void buildZoomMenu();
    void buildToolsMenu();
    void buildCustomizeMenu();
    void buildHelpMenu();
    QAction* addEntry(QMenu* menu, const QString& name, const QString& caption, const QList<QKeySequence>& keys = {});
    QAction* addUnavailableEntry(QMenu* menu, const QString& name, const QString& caption,
        const QList<QKeySequence>& keys = {});
    void setDocumentCommandsEnabled(bool enabled);
    void refreshHelpMenu();

    // Documents and the Window menu (MainWindowDocuments.cpp).
    std::int32_t drawWindowId() const;
    DocumentWindow* createDocumentWindow();
    void connectDocument(DocumentWindow* docWindow);
    void subWindowActivated(QMdiSubWindow* window);
    void documentTitleChanged(DocumentWindow* docWindow, const QString& title);
    void documentDestroyed(std::int32_t windowId);
    void removeWindowEntry(std::int32_t windowId);
    void checkWindowEntry(std::int32_t windowId);
    void refreshCurrentFileEntries();
    void rebuildReopenMenu();
    void bringToFront(DocumentWindow* docWindow);
    DocumentWindow* documentById(std::int32_t windowId) const;
    void afterDocumentClosed();

    // Grid, anchors and snap (MainWindowGrid.cpp).
    void refreshGridState();

    // Zoom (MainWindowZoom.cpp).
    void refreshZoomDisplay();
    void zoomSliderReleased(int position);

    // Pages, buttons and next steps (MainWindowPages.cpp).
    void commandButtonClicked(UpperButton button);
    void paletteEntryChosen(Page page);
    void startPendingPage(Page page);
    void showPendingPage();
    void performNextStep(int number);
    void refreshBackForward();
    void refreshSelectionCommands();
    bool visitUsable(const PageVisit& visit) const;
    void showVisit(const PageVisit& visit);
    bool pageAvailable(Page page) const;

    EditorContext& context_;
    QMdiArea* mdiArea_ = nullptr;
    CommandBar* commandBar_ = nullptr;
    SidePanel* sidePanel_ = nullptr;
    NextStepBox* nextStepBox_ = nullptr;

    QMenu* reopenMenu_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    QActionGroup* zoomGroup_ = nullptr;
    QAction* windowMenuAction_ = nullptr;
    std::array<QAction*, 16> reopenEntries_ {};
    QHash<std::int32_t, QAction*> windowEntries_;
    // The window id of each document window, by its address: still readable
    // while the window is being destroyed.
    QHash<const QObject*, std::int32_t> windowIds_;
    std::vector<QAction*> documentCommands_;
    // "Current File" of Page Setup and of Grid and Snap, each with its separator.
    std::array<QAction*, 4> currentFileEntries_ {};
    QPointer<DocumentWindow> lastActive_;

    double applicationZoom_ = 1.0;
    Page currentPage_ = Page::None;
    Page previousPage_ = Page::Select;
    Page pendingPage_ = Page::None;
    PageHistory pageHistory_;
    std::set<int> nextSteps_;

    QTimer pendingPageTimer_, firstDrawingTimer_, lastWindowTimer_, fontListTimer_;
};
