#include "shell/MainWindow.h"

#include "canvas/FileCommands.h"
#include "canvas/widgets/DocumentWindow.h"
#include "platform/widgets/OpenRequestMacro.h"
#include "canvas/EditorContext.h"
#include "shell/CommandBar.h"

#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QRandomGenerator>

namespace {

constexpr std::int32_t kMaxWindowId = 2147483646;

QMdiSubWindow* subWindowOf(const DocumentWindow* docWindow)
{
    return docWindow ? qobject_cast<QMdiSubWindow*>(docWindow->parentWidget()) : nullptr;
}

// A window whose close was accepted is hidden until Qt deletes it; from then
// on it no longer counts as open.
DocumentWindow* openDocumentWindow(QMdiSubWindow* window)
{
    return window && !window->isHidden() ? qobject_cast<DocumentWindow*>(window->widget()) : nullptr;
}

} // namespace

std::vector<DocumentWindow*> MainWindow::documents() const
{
    std::vector<DocumentWindow*> found;
    for (QMdiSubWindow* window : mdiArea_->subWindowList())
        if (DocumentWindow* docWindow = openDocumentWindow(window))
            found.push_back(docWindow);
    return found;
}

DocumentWindow* MainWindow::activeDocument() const
{
    return openDocumentWindow(mdiArea_->currentSubWindow());
}

DocumentWindow* MainWindow::documentById(std::int32_t windowId) const
{
    for (DocumentWindow* docWindow : documents())
        if (docWindow->windowId() == windowId)
            return docWindow;
    return nullptr;
}

std::int32_t MainWindow::drawWindowId() const
{
    for (;;) {
        const auto id = static_cast<std::int32_t>(QRandomGenerator::global()->bounded(kMaxWindowId + 1));
        if (!documentById(id))
            return id;
    }
}

DocumentWindow* MainWindow::openDocument(const QString& fileName)
{
    const std::int32_t id = drawWindowId();
    const std::vector<DocumentWindow*> open = documents();
    DocumentWindow* docWindow = nullptr;
    if (open.size() == 1 && open.front()->isUntouched() && !fileName.isEmpty()) {
        docWindow = open.front();
        removeWindowEntry(docWindow->windowId());
    } else {
        docWindow = createDocumentWindow();
    }
    docWindow->initDocument(id, fileName);
    windowIds_[docWindow] = docWindow->windowId();
    bringToFront(docWindow);
    setDocumentCommandsEnabled(true);
    return docWindow;
}

DocumentWindow* MainWindow::createDocumentWindow()
{
    auto* docWindow = new DocumentWindow(context_);
    connectDocument(docWindow);
    QMdiSubWindow* window = mdiArea_->addSubWindow(docWindow);
    window->setAttribute(Qt::WA_DeleteOnClose);
    const QSize area = mdiArea_->viewport()->size();
    window->resize(std::max(area.width() * 9 / 10, 480), std::max(area.height() * 9 / 10, 360));
    return docWindow;
}

void MainWindow::connectDocument(DocumentWindow* docWindow)
{
    connect(docWindow, &DocumentWindow::titleChanged, this,
        [this, docWindow](const QString& title) { documentTitleChanged(docWindow, title); });
    connect(docWindow, &DocumentWindow::zoomChanged, this, [this](double zoom) {
        applicationZoom_ = zoom;
        refreshZoomDisplay();
    });
    connect(docWindow, &DocumentWindow::fileUsed, this, &MainWindow::addRecentFile);
    connect(docWindow, &DocumentWindow::gridStateChanged, this, [this, docWindow] {
        if (docWindow == activeDocument())
            refreshGridState();
    });
    connect(docWindow, &DocumentWindow::toolPageRequested, this, [this](Page page) { showPage(page); });
    connect(docWindow, &DocumentWindow::activated, this, [this, docWindow] { checkWindowEntry(docWindow->windowId()); });
    connect(docWindow, &QObject::destroyed, this, [this](QObject* gone) {
        documentDestroyed(windowIds_.value(gone, -1));
        windowIds_.remove(gone);
    });
}

void MainWindow::bringToFront(DocumentWindow* docWindow)
{
    if (QMdiSubWindow* window = subWindowOf(docWindow)) {
        window->show();
        mdiArea_->setActiveSubWindow(window);
        // Activation is skipped while the main window itself is not active;
        // the current window must follow anyway.
        if (mdiArea_->currentSubWindow() != window)
            subWindowActivated(window);
    }
}

void MainWindow::subWindowActivated(QMdiSubWindow* window)
{
    DocumentWindow* docWindow = openDocumentWindow(window);
    if (!docWindow || docWindow == lastActive_)
        return;
    if (lastActive_)
        lastActive_->formDeactivate();
    lastActive_ = docWindow;
    docWindow->formActivate();
    checkWindowEntry(docWindow->windowId());
    refreshGridState();
}

void MainWindow::documentTitleChanged(DocumentWindow* docWindow, const QString& title)
{
    const std::int32_t id = docWindow->windowId();
    windowIds_[docWindow] = id;
    if (QMdiSubWindow* window = subWindowOf(docWindow))
        window->setWindowTitle(title);
    QAction* entry = windowEntries_.value(id);
    if (!entry) {
        entry = windowMenu_->addAction(title);
        entry->setCheckable(true);
        entry->setData(id);
        entry->setObjectName(QStringLiteral("window%1").arg(id));
        connect(entry, &QAction::triggered, this, [this, id] {
            if (DocumentWindow* target = documentById(id))
                bringToFront(target);
            checkWindowEntry(id);
        });
        windowEntries_.insert(id, entry);
    }
    entry->setText(title);
    windowMenuAction_->setVisible(true);
    if (docWindow == activeDocument())
        checkWindowEntry(id);
    refreshCurrentFileEntries();
}

void MainWindow::removeWindowEntry(std::int32_t windowId)
{
    if (QAction* entry = windowEntries_.take(windowId)) {
        windowMenu_->removeAction(entry);
        entry->deleteLater();
    }
    windowMenuAction_->setVisible(!windowEntries_.isEmpty());
    refreshCurrentFileEntries();
}

void MainWindow::checkWindowEntry(std::int32_t windowId)
{
    for (auto it = windowEntries_.begin(); it != windowEntries_.end(); ++it)
        it.value()->setChecked(it.key() == windowId);
    refreshCurrentFileEntries();
}

// The "Current File" entries of Page Setup and Grid and Snap show the active
// window's title, and only while there is one.
void MainWindow::refreshCurrentFileEntries()
{
    QAction* checked = nullptr;
    for (QAction* entry : std::as_const(windowEntries_))
        if (entry->isChecked())
            checked = entry;
    for (QAction* entry : currentFileEntries_)
        entry->setVisible(checked != nullptr);
    if (checked) {
        currentFileEntries_[0]->setText(checked->text());
        currentFileEntries_[2]->setText(checked->text());
    }
}

void MainWindow::documentDestroyed(std::int32_t windowId)
{
    removeWindowEntry(windowId);
    lastWindowTimer_.start();
}

void MainWindow::afterDocumentClosed()
{
    lastWindowTimer_.stop();
    if (!documents().empty())
        return;
    lastActive_ = nullptr;
    applicationZoom_ = 1.0;
    refreshZoomDisplay();
    showPage(Page::Select);
    refreshGridState();
    setDocumentCommandsEnabled(false);
}

void MainWindow::executeOpenMacro(const QString& macro)
{
    const QString fileName = fileNameFromMacro(macro);
    if (fileName.isEmpty() || !QFileInfo(fileName).isFile())
        return;
    openDocument(fileName);
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void MainWindow::fileNew() { openDocument(QString()); }

void MainWindow::fileOpen()
{
    const QString path
        = openFileDialog(this, context_, [this](const QString& chosen) { addRecentFile(chosen); }).trimmed();
    if (!path.isEmpty())
        openDocument(path);
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
        if (QMdiSubWindow* window = subWindowOf(docWindow))
            window->close();
}
