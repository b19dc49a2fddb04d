#include "shell/MainWindow.h"

#include "canvas/widgets/DocumentWindow.h"
#include "base/UserPrompt.h"
#include "panels/ToolPalette.h"
#include "platform/FontList.h"
#include "shell/NextStepBox.h"
#include "canvas/EditorContext.h"
#include "shell/SidePanel.h"
#include "shell/CommandBar.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

constexpr int kUpperMenuHeight = 24;
constexpr int kUpperMenuMaxHeight = 30;
constexpr int kSidePanelWidth = 120;

const char* const kExitQuestion = "One or more files were modified, but the changes have not been saved.\n"
                                  "Do you want to save the files?";

void oneShot(QTimer& timer, int ms)
{
    timer.setSingleShot(true);
    timer.setInterval(ms);
}

} // namespace

MainWindow::MainWindow(EditorContext& context, QWidget* parent)
    : QMainWindow(parent)
    , context_(context)
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Tavelle"));
    buildLayout();
    buildMenus();
    createTimers();
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

    mdiArea_ = new QMdiArea(body);
    mdiArea_->setObjectName(QStringLiteral("documentArea"));
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    body->setStretchFactor(0, 0);
    body->setStretchFactor(1, 1);
    body->setSizes({ kSidePanelWidth + 16, 1000 });
    outer->setStretchFactor(0, 0);
    outer->setStretchFactor(1, 1);
    setCentralWidget(outer);

    statusBar()->setObjectName(QStringLiteral("statusBar"));
    resize(1100, 760);

    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &MainWindow::subWindowActivated);
    connect(commandBar_, &CommandBar::buttonClicked, this, &MainWindow::commandButtonClicked);
    connect(commandBar_, &CommandBar::zoomSliderReleased, this, &MainWindow::zoomSliderReleased);
    connect(sidePanel_->toolPalette(), &ToolPalette::entryChosen, this, &MainWindow::paletteEntryChosen);
    connect(nextStepBox_, &NextStepBox::stepChosen, this, &MainWindow::performNextStep);
    connect(nextStepBox_, &NextStepBox::rowHovered, this, [this] { commandBar_->raiseButton(UpperButton::Select); });
    connect(nextStepBox_, &NextStepBox::backClicked, this, &MainWindow::goBack);
    connect(nextStepBox_, &NextStepBox::forwardClicked, this, &MainWindow::goForward);
}

void MainWindow::createTimers()
{
    oneShot(pendingPageTimer_, 100);
    oneShot(firstDrawingTimer_, 500);
    oneShot(lastWindowTimer_, 200);
    oneShot(fontListTimer_, 200);
    connect(&pendingPageTimer_, &QTimer::timeout, this, &MainWindow::showPendingPage);
    connect(&firstDrawingTimer_, &QTimer::timeout, this, [this] {
        firstDrawingTimer_.stop();
        if (documents().empty())
            fileNew();
    });
    connect(&lastWindowTimer_, &QTimer::timeout, this, &MainWindow::afterDocumentClosed);
    // Listing the fonts makes the system read its whole font collection, which
    // takes a moment: doing it once the window shows keeps the start quick and
    // spares the first text that is drawn the wait.
    connect(&fontListTimer_, &QTimer::timeout, this, [] { scalableFontFamilies(); });
}

void MainWindow::startUp()
{
    commandBar_->setZoomDisplay(100);
    setDocumentCommandsEnabled(false);
    refreshSelectionCommands();
    rebuildReopenMenu();
    refreshGridState();
    showPage(Page::Select);
    // A new drawing opens half a second after the window shows.
    firstDrawingTimer_.start();
    fontListTimer_.start();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!exitQuery()) {
        event->ignore();
        return;
    }
    for (DocumentWindow* docWindow : documents())
        docWindow->closeWithoutQuestions();
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
    const UserPrompt::Answer answer = context_.prompt().ask(UserPrompt::Kind::Warning,
        QString::fromLatin1(kExitQuestion), UserPrompt::Buttons::YesNoCancel);
    if (answer == UserPrompt::Answer::No)
        return true;
    if (answer != UserPrompt::Answer::Yes)
        return false;
    while (DocumentWindow* docWindow = firstModified()) {
        bringToFront(docWindow);
        if (!docWindow->saveDocument(true))
            return false;
        docWindow->closeWithoutQuestions();
    }
    return true;
}
