#include "shell/MainWindow.h"

#include "base/UserPrompt.h"
#include "canvas/EditorContext.h"
#include "canvas/FileCommands.h"
#include "canvas/widgets/DocumentWindow.h"
#include "model/History.h"
#include "model/ItemBody.h"
#include "model/ItemList.h"
#include "panels/LinePanel.h"
#include "panels/ToolPalette.h"
#include "panels/WizardWindow.h"
#include "platform/FontList.h"
#include "platform/SettingsStore.h"
#include "platform/widgets/OpenRequestMacro.h"
#include "shell/CommandBar.h"
#include "shell/DocumentArea.h"
#include "shell/FirstRunPage.h"
#include "shell/FirstTimeSetup.h"
#include "shell/KeyWatcher.h"
#include "shell/NextStepBox.h"
#include "shell/PageNavigator.h"
#include "shell/RecentFilesMenu.h"
#include "shell/SidePanel.h"
#include "shell/ToolPanels.h"
#include "shell/WindowMenu.h"
#include "shell/ZoomControl.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>

namespace {

constexpr int kUpperMenuHeight = 24;
constexpr int kUpperMenuMaxHeight = 30;
constexpr int kSidePanelWidth = 120;
// How often open requests look again whether the question they wait for has gone.
constexpr int kRequestRetryMs = 100;

const char* const kExitQuestion = "One or more files were modified, but the changes have not been saved.\n"
                                  "Do you want to save the files?";

void oneShot(QTimer& timer, int ms)
{
    timer.setSingleShot(true);
    timer.setInterval(ms);
}

// The menu entry of a pair of switches: 0 none, 1 horizontal (x only),
// 2 vertical (y only), 3 both.
int entryOf(std::uint8_t x, std::uint8_t y)
{
    return (x ? 1 : 0) + (y ? 2 : 0);
}

} // namespace

MainWindow::MainWindow(EditorContext& context, QWidget* parent)
    : QMainWindow(parent)
    , context_(context)
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Tavelle"));
    buildLayout();
    wizardWindow_ = new WizardWindow(this);
    buildMenus();
    createTimers();
    keyWatcher_ = new KeyWatcher(
        this, [this] { return activeDocument(); }, this);
    startUp();
}

MainWindow::~MainWindow()
{
    // The children (document area, document windows, upper menu, timers) are
    // destroyed after this; none may call back into a half-destroyed main window.
    for (QObject* child : findChildren<QObject*>())
        child->disconnect(this);
}

void MainWindow::buildLayout()
{
    // The upper menu over the rest; the splitter lets it grow from 24 to 30
    // pixels only.
    auto* outer = new QSplitter(Qt::Vertical, this);
    outer->setObjectName(QStringLiteral("commandBarSplitter"));
    outer->setChildrenCollapsible(false);
    outer->setHandleWidth(3);
    commandBar_ = new CommandBar(outer);
    commandBar_->setMinimumHeight(kUpperMenuHeight);
    commandBar_->setMaximumHeight(kUpperMenuMaxHeight);
    commandBar_->setObjectName(QStringLiteral("commandBar"));

    auto* body = new QSplitter(Qt::Horizontal, outer);
    body->setObjectName(QStringLiteral("sidePanelSplitter"));
    body->setChildrenCollapsible(false);

    auto* side = new QSplitter(Qt::Vertical, body);
    side->setObjectName(QStringLiteral("nextStepSplitter"));
    side->setChildrenCollapsible(false);
    auto* scroll = new QScrollArea(side);
    scroll->setObjectName(QStringLiteral("sidePanelArea"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sidePanel_ = new SidePanel;
    scroll->setWidget(sidePanel_);
    nextStepBox_ = new NextStepBox(side);
    side->setStretchFactor(0, 1);
    side->setStretchFactor(1, 0);

    documentArea_ = new DocumentArea(context_, body);
    body->setStretchFactor(0, 0);
    body->setStretchFactor(1, 1);
    body->setSizes({ kSidePanelWidth + 16, 1000 });
    outer->setStretchFactor(0, 0);
    outer->setStretchFactor(1, 1);
    setCentralWidget(outer);

    statusBar()->setObjectName(QStringLiteral("statusBar"));
    resize(1100, 760);

    pages_ = new PageNavigator(context_, *documentArea_, *sidePanel_, *commandBar_, *nextStepBox_, this);
    new ToolPanels(context_, *sidePanel_, *pages_, this);
    connect(commandBar_, &CommandBar::buttonClicked, this, &MainWindow::commandButtonClicked);
    connect(documentArea_, &DocumentArea::documentCreated, this, &MainWindow::connectDocument);
    connect(documentArea_, &DocumentArea::documentActivated, this, &MainWindow::documentActivated);
    connect(documentArea_, &DocumentArea::documentDestroyed, this, &MainWindow::documentDestroyed);
}

void MainWindow::createTimers()
{
    oneShot(firstDrawingTimer_, 500);
    oneShot(lastWindowTimer_, 200);
    oneShot(fontListTimer_, 200);
    oneShot(setupTimer_, 1000);
    oneShot(setupEndTimer_, 500);
    connect(&firstDrawingTimer_, &QTimer::timeout, this, [this] {
        if (documents().empty())
            fileNew();
    });
    connect(&lastWindowTimer_, &QTimer::timeout, this, &MainWindow::afterDocumentClosed);
    pendingRequestTimer_.setSingleShot(true);
    connect(&pendingRequestTimer_, &QTimer::timeout, this, &MainWindow::openRequestedFiles);
    // Listing the fonts makes the system read its whole font collection, which
    // takes a moment: doing it once the window shows keeps the start quick and
    // spares the first text that is drawn the wait.
    connect(&fontListTimer_, &QTimer::timeout, this, [] { scalableFontFamilies(); });
    connect(&setupTimer_, &QTimer::timeout, this, &MainWindow::showFirstTimeSetup);
    connect(&setupEndTimer_, &QTimer::timeout, this, &MainWindow::endAfterCancelledSetup);
}

void MainWindow::startUp()
{
    setDocumentCommandsEnabled(false);
    pages_->refreshSelectionCommands();
    updateUndoRedoButtons();
    refreshGridState();
    pages_->showPage(Page::Select);
    // A new drawing opens half a second after the window shows; at the first
    // start the setup comes first and opens it when it is done.
    if (firstTimeSetupDone(context_))
        firstDrawingTimer_.start();
    else
        setupTimer_.start();
    fontListTimer_.start();
    retryRegistration(context_);
    if (const SettingsStore* store = context_.settingsStore(); store && store->unreadable())
        QTimer::singleShot(0, this, [this, path = store->filePath()] { reportUnreadableSettings(path); });
}

void MainWindow::showFirstTimeSetup()
{
    FirstRunPage* page = runFirstTimeSetup(*wizardWindow_, context_);
    if (!page) {
        firstDrawingTimer_.start();
        return;
    }
    ToolPalette* palette = sidePanel_->toolPalette();
    palette->setHintHidden(true);
    connect(page, &FirstRunPage::finished, this, [this, palette] {
        palette->setHintHidden(false);
        firstDrawingTimer_.start();
    });
    connect(page, &FirstRunPage::abandoned, this, [this] { setupEndTimer_.start(); });
}

// The setup runs again at the next start.
void MainWindow::endAfterCancelledSetup()
{
    setupCancelled_ = true;
    if (!close())
        setupCancelled_ = false;
}


// Told once, as the window opens: the built-in settings are in use and
// nothing the user changes will be kept, since the file is left alone.
void MainWindow::reportUnreadableSettings(const QString& path)
{
    context_.prompt().ask(UserPrompt::Kind::Warning,
        tr("The settings file \"%1\" cannot be read.\nTavelle starts with its built-in settings, and your "
           "settings will not be saved when it ends.")
            .arg(QDir::toNativeSeparators(path)),
        UserPrompt::Buttons::Ok);
}

DocumentWindow* MainWindow::activeDocument() const
{
    return documentArea_->activeDocument();
}

std::vector<DocumentWindow*> MainWindow::documents() const
{
    return documentArea_->documents();
}

DocumentWindow* MainWindow::openDocument(const QString& fileName)
{
    DocumentWindow* docWindow = documentArea_->open(fileName);
    if (docWindow)
        setDocumentCommandsEnabled(true);
    return docWindow;
}

void MainWindow::connectDocument(DocumentWindow* docWindow)
{
    connect(docWindow, &DocumentWindow::titleChanged, this, [this, docWindow](const QString& title) {
        if (auto* sub = docWindow->parentWidget())
            sub->setWindowTitle(title);
        windowMenu_->setTitle(docWindow->windowId(), title);
        if (docWindow == activeDocument())
            windowMenu_->check(docWindow->windowId());
    });
    connect(docWindow, &DocumentWindow::zoomChanged, zoom_, &ZoomControl::show);
    connect(docWindow, &DocumentWindow::zoomStepsRequested, zoom_, &ZoomControl::zoomBySteps);
    connect(docWindow, &DocumentWindow::fileUsed, recentFiles_, &RecentFilesMenu::add);
    connect(docWindow, &DocumentWindow::gridStateChanged, this, [this, docWindow] {
        if (docWindow == activeDocument())
            refreshGridState();
    });
    connect(docWindow, &DocumentWindow::toolPageRequested, pages_, &PageNavigator::showRequested);
    connect(docWindow, &DocumentWindow::pageRequested, pages_, [this, docWindow](Page page) {
        if (docWindow == activeDocument())
            pages_->showRequested(page);
    });
    connect(docWindow, &DocumentWindow::historyChanged, this, [this, docWindow] {
        if (docWindow == activeDocument())
            updateUndoRedoButtons();
    });
    connect(docWindow, &DocumentWindow::selectionChanged, this, [this, docWindow] {
        if (docWindow == activeDocument()) {
            pages_->refreshSelectionCommands();
            updateUndoRedoButtons();
        }
    });
    connect(docWindow, &DocumentWindow::pointCountChanged, this, [this, docWindow](int count) {
        if (docWindow != activeDocument())
            return;
        if (auto* line = qobject_cast<LinePanel*>(sidePanel_->currentFrame()))
            line->setFirstPointEntered(count > 0);
    });
    connect(docWindow, &DocumentWindow::activated, this,
        [this, docWindow] { windowMenu_->check(docWindow->windowId()); });
}

void MainWindow::documentActivated(DocumentWindow* docWindow)
{
    windowMenu_->check(docWindow->windowId());
    refreshGridState();
    updateUndoRedoButtons();
}

void MainWindow::documentDestroyed(std::int32_t windowId)
{
    windowMenu_->remove(windowId);
    lastWindowTimer_.start();
}

// When the last document window has gone, the main window returns to how it
// started: zoom 100 %, the tool palette, the grid of new files, no document
// commands.
void MainWindow::afterDocumentClosed()
{
    if (!documents().empty())
        return;
    zoom_->show(1.0);
    pages_->showPage(Page::Select);
    refreshGridState();
    setDocumentCommandsEnabled(false);
    updateUndoRedoButtons();
}

// The Grid, Anchors and Snap checks and the Gridlines and Snap buttons follow
// the active drawing, or the settings for new files when none is open.
void MainWindow::refreshGridState()
{
    std::uint8_t grid[2], anchors[2], snap[2];
    if (const DocumentWindow* docWindow = activeDocument(); docWindow && docWindow->header()) {
        const HeaderBody& h = *docWindow->header();
        grid[0] = h.showGridX, grid[1] = h.showGridY;
        anchors[0] = h.showAnchorsX, anchors[1] = h.showAnchorsY;
        snap[0] = h.snapX, snap[1] = h.snapY;
    } else {
        const auto& d = context_.preferences().defaults;
        grid[0] = d.showGridX, grid[1] = d.showGridY;
        anchors[0] = d.showAnchorsX, anchors[1] = d.showAnchorsY;
        snap[0] = d.snapX, snap[1] = d.snapY;
    }
    action(QStringLiteral("grid%1").arg(entryOf(grid[0], grid[1])))->setChecked(true);
    action(QStringLiteral("anchors%1").arg(entryOf(anchors[0], anchors[1])))->setChecked(true);
    action(QStringLiteral("snap%1").arg(entryOf(snap[0], snap[1])))->setChecked(true);
    commandBar_->setToggle(UpperButton::Gridlines, grid[0] || grid[1]);
    commandBar_->setToggle(UpperButton::Snap, snap[0] || snap[1]);
}

void MainWindow::commandButtonClicked(UpperButton button)
{
    using B = UpperButton;
    DocumentWindow* docWindow = activeDocument();
    switch (button) {
    case B::New:
        fileNew();
        break;
    case B::Open:
        fileOpen();
        break;
    case B::Save:
        fileSave();
        break;
    case B::Repaint:
        if (docWindow) {
            selectOnly(docWindow->items(), nullptr);
            docWindow->repaintCanvas();
            pages_->showPage(Page::Select);
        }
        break;
    case B::Undo:
    case B::Redo:
        if (docWindow) {
            button == B::Undo ? docWindow->undo() : docWindow->redo();
            pages_->showPage(Page::Select);
        }
        break;
    case B::Erase:
        if (docWindow) {
            docWindow->eraseSelection();
            pages_->showLater(Page::Select);
        }
        break;
    case B::ZoomOut:
        zoom_->zoomOut();
        break;
    case B::ZoomIn:
        zoom_->zoomIn();
        break;
    default:
        // The pointer and the tool buttons show their tool's page.
        if (const ToolInfo* tool = toolOfButton(button))
            pages_->showPage(tool->page);
        break;
    }
}

void MainWindow::updateUndoRedoButtons()
{
    const DocumentWindow* docWindow = activeDocument();
    const HistoryAvailability a
        = docWindow ? historyAvailability(docWindow->items()) : HistoryAvailability {};
    action(QStringLiteral("undo"))->setEnabled(a.canUndo);
    action(QStringLiteral("redo"))->setEnabled(a.canRedo);
    commandBar_->setButtonEnabled(UpperButton::Undo, a.canUndo);
    commandBar_->setButtonEnabled(UpperButton::Redo, a.canRedo);
    action(QStringLiteral("cut"))->setEnabled(docWindow && firstSelected(docWindow->items()));
}

QString MainWindow::executeOpenMacro(const QString& macro)
{
    if (isActivateMacro(macro)) {
        pendingRequests_.append(QString());
        pendingRequestTimer_.start(0);
        return {};
    }
    const QString fileName = fileNameFromMacro(macro);
    if (fileName.isEmpty())
        return tr("the request names no file");
    if (!QFileInfo(fileName).isFile())
        return tr("cannot find the file");
    pendingRequests_.append(QFileInfo(fileName).absoluteFilePath());
    pendingRequestTimer_.start(0);
    return {};
}

// Requests wait while a question or dialog is open: the answer belongs to
// the drawing it was asked about, which a request must not swap underneath.
void MainWindow::openRequestedFiles()
{
    if (openingRequests_ || QApplication::activeModalWidget() || QApplication::activePopupWidget()) {
        pendingRequestTimer_.start(kRequestRetryMs);
        return;
    }
    openingRequests_ = true;
    while (!pendingRequests_.isEmpty()) {
        const QString fileName = pendingRequests_.takeFirst();
        if (!fileName.isEmpty())
            openDocument(fileName);
    }
    openingRequests_ = false;
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void MainWindow::fileNew()
{
    openDocument(QString());
}

void MainWindow::fileOpen()
{
    // Only a file that was opened joins the recently used files.
    const QString path = openFileDialog(this, context_, nullptr).trimmed();
    if (!path.isEmpty() && openDocument(path))
        recentFiles_->add(path);
}

void MainWindow::fileSave()
{
    if (DocumentWindow* docWindow = activeDocument())
        docWindow->saveDocument(false);
}

void MainWindow::fileSaveAs()
{
    if (DocumentWindow* docWindow = activeDocument())
        docWindow->saveDocumentAs();
}

void MainWindow::fileClose()
{
    if (DocumentWindow* docWindow = activeDocument())
        documentArea_->closeDocument(docWindow);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!exitQuery()) {
        event->ignore();
        return;
    }
    for (DocumentWindow* docWindow : documents())
        docWindow->closeWithoutQuestions();
    if (!setupCancelled_)
        context_.saveSettings();
    event->accept();
}

// Asks about unsaved drawings; true when the program may end.
bool MainWindow::exitQuery()
{
    const auto firstModified = [this]() -> DocumentWindow* {
        for (DocumentWindow* docWindow : documents())
            if (docWindow->isModified())
                return docWindow;
        return nullptr;
    };
    if (!firstModified())
        return true;
    const UserPrompt::Answer answer = context_.prompt().ask(
        UserPrompt::Kind::Warning, QString::fromLatin1(kExitQuestion), UserPrompt::Buttons::YesNoCancel);
    if (answer == UserPrompt::Answer::No)
        return true;
    if (answer != UserPrompt::Answer::Yes)
        return false;
    while (DocumentWindow* docWindow = firstModified()) {
        documentArea_->bringToFront(docWindow);
        if (!docWindow->saveDocument(true))
            return false;
        docWindow->closeWithoutQuestions();
    }
    return true;
}
