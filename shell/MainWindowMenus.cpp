#include "shell/MainWindow.h"

#include "canvas/EditorContext.h"
#include "canvas/widgets/DocumentWindow.h"
#include "shell/CommandBar.h"
#include "shell/DocumentArea.h"
#include "shell/PageNavigator.h"
#include "shell/RecentFilesMenu.h"
#include "shell/WindowMenu.h"
#include "shell/ZoomControl.h"

#include <QActionGroup>
#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>

namespace {

// Entries without a command carry this status tip and stay disabled, so
// nothing looks usable that does nothing.
const char* const kUnavailableTip = "Not available in this version yet";

QKeySequence ctrl(int key)
{
    return QKeySequence(Qt::CTRL | key);
}

} // namespace

void MainWindow::buildMenus()
{
    buildFileMenu();
    buildInsertMenu();
    buildEditMenu();
    QMenu* zoom = menuBar()->addMenu(tr("&Zoom"));
    zoom_ = new ZoomControl(zoom, *commandBar_, this);
    connect(zoom_, &ZoomControl::zoomChosen, this, [this](double chosen) {
        if (DocumentWindow* docWindow = activeDocument())
            docWindow->applyZoom(chosen);
    });
    buildToolsMenu();
    buildCustomizeMenu();
    QMenu* window = menuBar()->addMenu(tr("&Window"));
    window->setObjectName(QStringLiteral("windowMenu"));
    windowMenu_ = new WindowMenu(window, this);
    connect(windowMenu_, &WindowMenu::chosen, this, [this](std::int32_t windowId) {
        if (DocumentWindow* target = documentArea_->documentById(windowId))
            documentArea_->bringToFront(target);
    });
    connect(windowMenu_, &WindowMenu::checkedChanged, this, &MainWindow::showCurrentFile);
    addSwitchingKeys();
    connect(documentArea_, &DocumentArea::documentReused, windowMenu_, &WindowMenu::remove);
    showCurrentFile(QString());
    buildHelpMenu();
}

// Ctrl+Tab and Ctrl+Shift+Tab go through the drawings, most recently used
// first, as in other programs with several documents.
void MainWindow::addSwitchingKeys()
{
    // Shift+Tab arrives as Backtab on most systems, as Shift+Tab on some.
    const std::pair<const char*, QList<QKeySequence>> keys[] = {
        { "nextDocumentKey", { QKeySequence(Qt::CTRL | Qt::Key_Tab) } },
        { "previousDocumentKey",
            { QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab) } },
    };
    for (const auto& [name, shortcuts] : keys) {
        auto* entry = new QAction(this);
        entry->setObjectName(QString::fromLatin1(name));
        entry->setShortcuts(shortcuts);
        addAction(entry);
    }
    connect(action(QStringLiteral("nextDocumentKey")), &QAction::triggered, documentArea_,
        &QMdiArea::activateNextSubWindow);
    connect(action(QStringLiteral("previousDocumentKey")), &QAction::triggered, documentArea_,
        &QMdiArea::activatePreviousSubWindow);
}

QAction* MainWindow::addEntry(
    QMenu* menu, const QString& name, const QString& caption, const QList<QKeySequence>& keys)
{
    QAction* entry = menu->addAction(caption);
    entry->setObjectName(name);
    entry->setShortcuts(keys);
    return entry;
}

QAction* MainWindow::addUnavailableEntry(
    QMenu* menu, const QString& name, const QString& caption, const QList<QKeySequence>& keys)
{
    QAction* entry = addEntry(menu, name, caption, keys);
    entry->setEnabled(false);
    entry->setStatusTip(tr(kUnavailableTip));
    return entry;
}

QAction* MainWindow::action(const QString& name) const
{
    return findChild<QAction*>(name);
}

void MainWindow::buildFileMenu()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    connect(addEntry(file, "fileNew", tr("&New"), { ctrl(Qt::Key_N) }), &QAction::triggered, this,
        &MainWindow::fileNew);
    connect(addEntry(file, "fileOpen", tr("&Open..."), { ctrl(Qt::Key_O) }), &QAction::triggered, this,
        &MainWindow::fileOpen);

    QMenu* reopen = file->addMenu(tr("&Reopen"));
    reopen->setObjectName(QStringLiteral("reopenMenu"));
    recentFiles_ = new RecentFilesMenu(context_, reopen, this);
    connect(recentFiles_, &RecentFilesMenu::openRequested, this, &MainWindow::openDocument);

    QAction* save = addEntry(file, "fileSave", tr("&Save"), { ctrl(Qt::Key_S) });
    QAction* saveAs
        = addEntry(file, "fileSaveAs", tr("Save &As..."), { QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S) });
    QAction* close = addEntry(file, "fileClose", tr("&Close"), { ctrl(Qt::Key_W), ctrl(Qt::Key_F4) });
    connect(save, &QAction::triggered, this, &MainWindow::fileSave);
    connect(saveAs, &QAction::triggered, this, &MainWindow::fileSaveAs);
    connect(close, &QAction::triggered, this, &MainWindow::fileClose);
    documentCommands_ = { save, saveAs, close };
    // The upper menu's Save button can be used exactly when File > Save can.
    connect(save, &QAction::changed, commandBar_,
        [this, save] { commandBar_->setButtonEnabled(UpperButton::Save, save->isEnabled()); });
    file->addSeparator();

    QMenu* pageSetup = file->addMenu(tr("Pa&ge Setup"));
    pageSetup->menuAction()->setEnabled(false);
    currentFileEntries_[0] = addUnavailableEntry(pageSetup, "pageSetupCurrent", QString());
    currentFileEntries_[1] = pageSetup->addSeparator();
    addUnavailableEntry(pageSetup, "pageSetupNew", tr("New Files..."));
    QMenu* gridSnap = file->addMenu(tr("&Grid and Snap"));
    gridSnap->menuAction()->setEnabled(false);
    currentFileEntries_[2] = addUnavailableEntry(gridSnap, "gridSnapCurrent", QString());
    currentFileEntries_[3] = gridSnap->addSeparator();
    addUnavailableEntry(gridSnap, "gridSnapNew", tr("New Files..."));
    file->addSeparator();
    addUnavailableEntry(file, "printPreview", tr("Print Pre&view"));
    addUnavailableEntry(file, "print", tr("&Print..."), { ctrl(Qt::Key_P) });
    QMenu* exportMenu = file->addMenu(tr("&Export"));
    exportMenu->menuAction()->setEnabled(false);
    addUnavailableEntry(exportMenu, "exportExact", tr("E&xact..."));
    addUnavailableEntry(exportMenu, "exportSmooth", tr("&Smooth..."));
    file->addSeparator();
    connect(addEntry(file, "fileExit", tr("E&xit"), { ctrl(Qt::Key_Q) }), &QAction::triggered, this,
        &QWidget::close);
}

void MainWindow::buildInsertMenu()
{
    QMenu* insert = menuBar()->addMenu(tr("&Insert"));
    for (const ToolInfo& tool : toolTable()) {
        if (!tool.insertEntry)
            continue;
        QAction* entry = addEntry(
            insert, QStringLiteral("insert%1").arg(QString::fromLatin1(tool.name)), tr(tool.insertEntry));
        const Page page = tool.page;
        connect(entry, &QAction::triggered, this, [this, page] { pages_->showLater(page); });
        entry->setEnabled(pages_->pageAvailable(page));
        if (!entry->isEnabled())
            entry->setStatusTip(tr(kUnavailableTip));
    }
}

void MainWindow::buildEditMenu()
{
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    QAction* undo = addEntry(edit, "undo", tr("&Undo"), { ctrl(Qt::Key_Z) });
    QAction* redo = addEntry(edit, "redo", tr("&Redo"),
        { QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Z), ctrl(Qt::Key_Y),
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z) });
    QAction* clearUndo = addEntry(edit, "clearUndo", tr("&Clear Undo and Redo"));
    edit->addSeparator();
    // Cut erases the selection; it puts nothing on the clipboard.
    QAction* cut = addEntry(edit, "cut", tr("Cu&t"), { ctrl(Qt::Key_Delete), ctrl(Qt::Key_X) });
    const auto onDocument = [this](void (DocumentWindow::*command)()) {
        return [this, command] {
            if (DocumentWindow* docWindow = activeDocument())
                (docWindow->*command)();
        };
    };
    connect(undo, &QAction::triggered, this, onDocument(&DocumentWindow::undo));
    connect(redo, &QAction::triggered, this, onDocument(&DocumentWindow::redo));
    connect(clearUndo, &QAction::triggered, this, onDocument(&DocumentWindow::clearUndoHistory));
    connect(cut, &QAction::triggered, this, [this] {
        if (DocumentWindow* docWindow = activeDocument())
            docWindow->eraseSelection();
    });
    for (QAction* entry : { undo, redo, cut })
        entry->setEnabled(false);
    documentCommands_.push_back(clearUndo);
    addUnavailableEntry(edit, "copy", tr("&Copy"), { ctrl(Qt::Key_Insert), ctrl(Qt::Key_C) });
    addUnavailableEntry(
        edit, "paste", tr("&Paste"), { QKeySequence(Qt::SHIFT | Qt::Key_Insert), ctrl(Qt::Key_V) });
    edit->addSeparator();
    addUnavailableEntry(edit, "joinItems", tr("&Join Items"));
    addUnavailableEntry(edit, "splitGroup", tr("&Split Group"));
}

void MainWindow::buildToolsMenu()
{
    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    QMenu* grid = tools->addMenu(tr("&Grid"));
    grid->menuAction()->setEnabled(false);
    auto* gridGroup = new QActionGroup(this);
    for (const char* caption : { "&None", "&Horizontal", "&Vertical", "&Both" }) {
        QAction* entry = addUnavailableEntry(
            grid, QStringLiteral("grid%1").arg(gridGroup->actions().size()), tr(caption));
        entry->setCheckable(true);
        gridGroup->addAction(entry);
    }
    gridGroup->actions().first()->setChecked(true);
    grid->addSeparator();
    addUnavailableEntry(grid, "gridCustomize", tr("&Customize..."));
    QMenu* reset = grid->addMenu(tr("&Reset"));
    reset->menuAction()->setEnabled(false);
    for (const char* caption : { "&Horizontal", "&Vertical", "&Both" })
        addUnavailableEntry(reset, QStringLiteral("gridReset%1").arg(reset->actions().size()), tr(caption));
    grid->addSeparator();
    QMenu* anchors = grid->addMenu(tr("&Anchors"));
    anchors->menuAction()->setEnabled(false);
    auto* anchorGroup = new QActionGroup(this);
    for (const char* caption : { "&None", "&Horizontal", "&Vertical", "&Both" }) {
        QAction* entry = addUnavailableEntry(
            anchors, QStringLiteral("anchors%1").arg(anchorGroup->actions().size()), tr(caption));
        entry->setCheckable(true);
        anchorGroup->addAction(entry);
    }
    anchorGroup->actions().last()->setChecked(true);

    QMenu* snap = tools->addMenu(tr("&Snap"));
    snap->menuAction()->setEnabled(false);
    auto* snapGroup = new QActionGroup(this);
    for (const char* caption : { "&None", "&Horizontal", "&Vertical", "&Both" }) {
        QAction* entry = addUnavailableEntry(
            snap, QStringLiteral("snap%1").arg(snapGroup->actions().size()), tr(caption));
        entry->setCheckable(true);
        snapGroup->addAction(entry);
    }
    snapGroup->actions().first()->setChecked(true);
    addUnavailableEntry(tools, "speed", tr("S&peed..."));
}

void MainWindow::buildCustomizeMenu()
{
    QMenu* customize = menuBar()->addMenu(tr("&Customize"));
    addUnavailableEntry(customize, "customizeColors", tr("&Colors..."));
    addUnavailableEntry(customize, "customizeWeights", tr("Line &Weights..."));
    addUnavailableEntry(customize, "customizePatterns", tr("Line &Patterns..."));
    addUnavailableEntry(customize, "customizeAlignments", tr("&Alignments..."));
    addUnavailableEntry(customize, "customizeSizes", tr("&Font sizes..."));
    addUnavailableEntry(customize, "customizeAngles", tr("&Text angles..."));
    addUnavailableEntry(customize, "customizeShadows", tr("&Shadows..."));
}

void MainWindow::buildHelpMenu()
{
    helpMenu_ = menuBar()->addMenu(tr("&Help"));
    QMenu* hints = helpMenu_->addMenu(tr("&Hints"));
    QAction* all = addEntry(hints, "hintsShowAll", tr("Show &All"));
    QAction* none = addEntry(hints, "hintsShowNone", tr("Show &None"));
    all->setCheckable(true);
    none->setCheckable(true);
    connect(all, &QAction::triggered, this, [this] {
        context_.preferences().setAllHelpPages(true);
        refreshHelpMenu();
    });
    connect(none, &QAction::triggered, this, [this] {
        context_.preferences().setAllHelpPages(false);
        refreshHelpMenu();
    });
    connect(helpMenu_, &QMenu::aboutToShow, this, &MainWindow::refreshHelpMenu);
    helpMenu_->addSeparator();
    connect(addEntry(helpMenu_, "about", tr("&About")), &QAction::triggered, this, [this] {
        QMessageBox::about(this, tr("About Tavelle"),
            tr("<b>Tavelle</b> %1<br>A design editor for cards, labels and pictures.")
                .arg(QApplication::applicationVersion()));
    });
    refreshHelpMenu();
}

void MainWindow::refreshHelpMenu()
{
    action(QStringLiteral("hintsShowAll"))->setChecked(context_.preferences().allHelpPagesOn());
    action(QStringLiteral("hintsShowNone"))->setChecked(context_.preferences().noHelpPageOn());
}

// The "Current File" entries of Page Setup and Grid and Snap show the active
// window's title, and only while there is one.
void MainWindow::showCurrentFile(const QString& title)
{
    for (QAction* entry : currentFileEntries_)
        entry->setVisible(!title.isEmpty());
    currentFileEntries_[0]->setText(title);
    currentFileEntries_[2]->setText(title);
}

void MainWindow::setDocumentCommandsEnabled(bool enabled)
{
    for (QAction* entry : documentCommands_)
        entry->setEnabled(enabled);
}
