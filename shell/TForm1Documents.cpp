#include "shell/TForm1.h"

#include "canvas/FileCommands.h"
#include "canvas/TSandbox.h"
#include "platform/widgets/OpenRequestMacro.h"
#include "shell/ShellSettings.h"
#include "shell/TProcs.h"

#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QRandomGenerator>

namespace {

constexpr std::int32_t kMaxWindowId = 2147483646;

QMdiSubWindow* subWindowOf(const TSandbox* sandbox)
{
    return sandbox ? qobject_cast<QMdiSubWindow*>(sandbox->parentWidget()) : nullptr;
}

// A window whose close was accepted is hidden until Qt deletes it; from then
// on it no longer counts as open.
TSandbox* openSandbox(QMdiSubWindow* window)
{
    return window && !window->isHidden() ? qobject_cast<TSandbox*>(window->widget()) : nullptr;
}

} // namespace

std::vector<TSandbox*> TForm1::documents() const
{
    std::vector<TSandbox*> found;
    for (QMdiSubWindow* window : mdiArea_->subWindowList())
        if (TSandbox* sandbox = openSandbox(window))
            found.push_back(sandbox);
    return found;
}

TSandbox* TForm1::activeDocument() const
{
    return openSandbox(mdiArea_->currentSubWindow());
}

TSandbox* TForm1::documentById(std::int32_t windowId) const
{
    for (TSandbox* sandbox : documents())
        if (sandbox->windowId() == windowId)
            return sandbox;
    return nullptr;
}

std::int32_t TForm1::drawWindowId() const
{
    for (;;) {
        const auto id = static_cast<std::int32_t>(QRandomGenerator::global()->bounded(kMaxWindowId + 1));
        if (!documentById(id))
            return id;
    }
}

TSandbox* TForm1::openDocument(const QString& fileName)
{
    const std::int32_t id = drawWindowId();
    const std::vector<TSandbox*> open = documents();
    TSandbox* sandbox = nullptr;
    if (open.size() == 1 && open.front()->isUntouched() && !fileName.isEmpty()) {
        sandbox = open.front();
        removeWindowEntry(sandbox->windowId());
    } else {
        sandbox = createDocumentWindow();
    }
    sandbox->initDocument(id, fileName);
    windowIds_[sandbox] = sandbox->windowId();
    bringToFront(sandbox);
    setDocumentCommandsEnabled(true);
    return sandbox;
}

TSandbox* TForm1::createDocumentWindow()
{
    auto* sandbox = new TSandbox(shellsettings::currentTool());
    connectDocument(sandbox);
    QMdiSubWindow* window = mdiArea_->addSubWindow(sandbox);
    window->setAttribute(Qt::WA_DeleteOnClose);
    const QSize area = mdiArea_->viewport()->size();
    window->resize(std::max(area.width() * 9 / 10, 480), std::max(area.height() * 9 / 10, 360));
    return sandbox;
}

void TForm1::connectDocument(TSandbox* sandbox)
{
    connect(sandbox, &TSandbox::titleChanged, this,
        [this, sandbox](const QString& title) { documentTitleChanged(sandbox, title); });
    connect(sandbox, &TSandbox::zoomChanged, this, [this](double zoom) {
        applicationZoom_ = zoom;
        refreshZoomDisplay();
    });
    connect(sandbox, &TSandbox::fileUsed, this, &TForm1::addRecentFile);
    connect(sandbox, &TSandbox::gridStateChanged, this, [this, sandbox] {
        if (sandbox == activeDocument())
            refreshGridState();
    });
    connect(sandbox, &TSandbox::toolPageRequested, this, [this](int page) { showPage(page); });
    connect(sandbox, &TSandbox::activated, this, [this, sandbox] { checkWindowEntry(sandbox->windowId()); });
    connect(sandbox, &TSandbox::deactivated, this, [](int editMode) { shellsettings::setCurrentTool(editMode); });
    connect(sandbox, &QObject::destroyed, this, [this](QObject* gone) {
        documentDestroyed(windowIds_.value(gone, -1));
        windowIds_.remove(gone);
    });
}

void TForm1::bringToFront(TSandbox* sandbox)
{
    if (QMdiSubWindow* window = subWindowOf(sandbox)) {
        window->show();
        mdiArea_->setActiveSubWindow(window);
        // Activation is skipped while the main window itself is not active;
        // the current window must follow anyway.
        if (mdiArea_->currentSubWindow() != window)
            subWindowActivated(window);
    }
}

void TForm1::subWindowActivated(QMdiSubWindow* window)
{
    TSandbox* sandbox = openSandbox(window);
    if (!sandbox || sandbox == lastActive_)
        return;
    if (lastActive_)
        lastActive_->formDeactivate();
    lastActive_ = sandbox;
    sandbox->formActivate();
    checkWindowEntry(sandbox->windowId());
    refreshGridState();
}

void TForm1::documentTitleChanged(TSandbox* sandbox, const QString& title)
{
    const std::int32_t id = sandbox->windowId();
    windowIds_[sandbox] = id;
    if (QMdiSubWindow* window = subWindowOf(sandbox))
        window->setWindowTitle(title);
    QAction* entry = windowEntries_.value(id);
    if (!entry) {
        entry = windowMenu_->addAction(title);
        entry->setCheckable(true);
        entry->setData(id);
        entry->setObjectName(QStringLiteral("window%1").arg(id));
        connect(entry, &QAction::triggered, this, [this, id] {
            if (TSandbox* target = documentById(id))
                bringToFront(target);
            checkWindowEntry(id);
        });
        windowEntries_.insert(id, entry);
    }
    entry->setText(title);
    windowMenuAction_->setVisible(true);
    if (sandbox == activeDocument())
        checkWindowEntry(id);
    refreshCurrentFileEntries();
}

void TForm1::removeWindowEntry(std::int32_t windowId)
{
    if (QAction* entry = windowEntries_.take(windowId)) {
        windowMenu_->removeAction(entry);
        entry->deleteLater();
    }
    windowMenuAction_->setVisible(!windowEntries_.isEmpty());
    refreshCurrentFileEntries();
}

void TForm1::checkWindowEntry(std::int32_t windowId)
{
    for (auto it = windowEntries_.begin(); it != windowEntries_.end(); ++it)
        it.value()->setChecked(it.key() == windowId);
    refreshCurrentFileEntries();
}

// The "Current File" entries of Page Setup and Grid and Snap show the active
// window's title, and only while there is one.
void TForm1::refreshCurrentFileEntries()
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

void TForm1::documentDestroyed(std::int32_t windowId)
{
    removeWindowEntry(windowId);
    timer4_.start();
}

void TForm1::timer4Timer()
{
    timer4_.stop();
    if (!documents().empty())
        return;
    lastActive_ = nullptr;
    applicationZoom_ = 1.0;
    refreshZoomDisplay();
    showPage(pages::kSelect);
    refreshGridState();
    setDocumentCommandsEnabled(false);
}

void TForm1::DdeServerConv1ExecuteMacro(const QString& macro)
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

void TForm1::fileNew() { openDocument(QString()); }

void TForm1::fileOpen()
{
    const QString path = openFileDialog(this, [this](const QString& chosen) { addRecentFile(chosen); }).trimmed();
    if (!path.isEmpty())
        openDocument(path);
}

void TForm1::fileSave()
{
    if (TSandbox* sandbox = activeDocument())
        sandbox->saveDocument(false);
}

void TForm1::fileSaveAs()
{
    if (TSandbox* sandbox = activeDocument())
        sandbox->saveDocumentAs();
}

void TForm1::fileClose()
{
    if (TSandbox* sandbox = activeDocument())
        if (QMdiSubWindow* window = subWindowOf(sandbox))
            window->close();
}
