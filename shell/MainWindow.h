#pragma once

#include "canvas/ToolTable.h"

#include <QMainWindow>
#include <QTimer>

#include <array>
#include <cstdint>
#include <vector>

class CommandBar;
class DocumentArea;
class DocumentWindow;
class EditorContext;
class KeyWatcher;
class NextStepBox;
class PageNavigator;
class QMenu;
class RecentFilesMenu;
class SidePanel;
class WizardWindow;
class WindowMenu;
class ZoomControl;

// The main window: the document area with the drawing windows, the main
// menu, the upper menu, the side panel with the next-step box, and the
// status bar. It routes every command to the active document window and
// asks about unsaved drawings before the program ends. Its collaborators
// keep the rest: the documents (DocumentArea), the side panel's pages
// (PageNavigator), the application zoom (ZoomControl), the Window menu and
// the recently used files.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(EditorContext& context, QWidget* parent = nullptr);
    ~MainWindow() override;

    // New (empty name) and Open end here.
    DocumentWindow* openDocument(const QString& fileName);
    // Takes an open macro from the desktop or a later start: [open("FILE")]
    // or [activate()]. Returns why it was refused, empty when it was taken.
    // The file opens as soon as no question or dialog is open.
    QString executeOpenMacro(const QString& macro);

    DocumentWindow* activeDocument() const;
    std::vector<DocumentWindow*> documents() const;
    DocumentArea* documentArea() const { return documentArea_; }
    CommandBar* commandBar() const { return commandBar_; }
    SidePanel* sidePanel() const { return sidePanel_; }
    NextStepBox* nextStepBox() const { return nextStepBox_; }
    PageNavigator& pages() const { return *pages_; }
    ZoomControl& zoom() const { return *zoom_; }
    RecentFilesMenu& recentFiles() const { return *recentFiles_; }
    WindowMenu& windowMenu() const { return *windowMenu_; }
    // The host of the wizard-style pages, above this window.
    WizardWindow* wizardWindow() const { return wizardWindow_; }

    // Commands, as the menus and buttons run them.
    void fileNew();
    void fileOpen();
    void fileSave();
    void fileSaveAs();
    void fileClose();

    // Menu entries, by their object names, for tests and the status bar.
    QAction* action(const QString& name) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Start-up and the end (MainWindow.cpp).
    void buildLayout();
    void createTimers();
    void startUp();
    void showFirstTimeSetup();
    void endAfterCancelledSetup();
    bool exitQuery();
    void reportUnreadableSettings(const QString& path);
    void openRequestedFiles();

    // Menus (MainWindowMenus.cpp).
    void buildMenus();
    void buildFileMenu();
    void buildInsertMenu();
    void buildEditMenu();
    void buildToolsMenu();
    void buildCustomizeMenu();
    void buildHelpMenu();
    void addSwitchingKeys();
    QAction* addEntry(
        QMenu* menu, const QString& name, const QString& caption, const QList<QKeySequence>& keys = {});
    QAction* addUnavailableEntry(
        QMenu* menu, const QString& name, const QString& caption, const QList<QKeySequence>& keys = {});
    void setDocumentCommandsEnabled(bool enabled);
    void refreshHelpMenu();
    void showCurrentFile(const QString& title);

    // The documents (MainWindow.cpp).
    void connectDocument(DocumentWindow* docWindow);
    void documentActivated(DocumentWindow* docWindow);
    void documentDestroyed(std::int32_t windowId);
    void afterDocumentClosed();
    void refreshGridState();
    void commandButtonClicked(UpperButton button);
    // Undo and Redo (menu entries and buttons) as the active drawing allows,
    // and Cut while it has a selection.
    void updateUndoRedoButtons();

    EditorContext& context_;
    DocumentArea* documentArea_ = nullptr;
    CommandBar* commandBar_ = nullptr;
    SidePanel* sidePanel_ = nullptr;
    NextStepBox* nextStepBox_ = nullptr;
    PageNavigator* pages_ = nullptr;
    ZoomControl* zoom_ = nullptr;
    RecentFilesMenu* recentFiles_ = nullptr;
    WindowMenu* windowMenu_ = nullptr;
    WizardWindow* wizardWindow_ = nullptr;
    KeyWatcher* keyWatcher_ = nullptr;

    QMenu* helpMenu_ = nullptr;
    std::vector<QAction*> documentCommands_;
    // "Current File" of Page Setup and of Grid and Snap, each with its separator.
    std::array<QAction*, 4> currentFileEntries_ {};

    // Set while the program ends because the first-time setup was cancelled:
    // that leaves no settings behind.
    bool setupCancelled_ = false;

    QTimer firstDrawingTimer_, lastWindowTimer_, fontListTimer_, setupTimer_, setupEndTimer_;
    // Files asked for by open requests, in order; an empty name only brings
    // the window to the front.
    QStringList pendingRequests_;
    QTimer pendingRequestTimer_;
    bool openingRequests_ = false;
};
