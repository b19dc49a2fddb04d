#include "shell/DocumentArea.h"

#include "canvas/widgets/DocumentWindow.h"

#include <QMdiSubWindow>
#include <QRandomGenerator>

#include <algorithm>

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

DocumentArea::DocumentArea(EditorContext& context, QWidget* parent)
    : QMdiArea(parent)
    , context_(context)
{
    setObjectName(QStringLiteral("documentArea"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setActivationOrder(QMdiArea::ActivationHistoryOrder);
    connect(this, &QMdiArea::subWindowActivated, this, &DocumentArea::subWindowActivated);
}

DocumentArea::~DocumentArea()
{
    // The document windows go after this; none may report to a half-destroyed area.
    for (DocumentWindow* docWindow : findChildren<DocumentWindow*>())
        docWindow->disconnect(this);
}

std::vector<DocumentWindow*> DocumentArea::documents() const
{
    std::vector<DocumentWindow*> found;
    for (QMdiSubWindow* window : subWindowList())
        if (DocumentWindow* docWindow = openDocumentWindow(window))
            found.push_back(docWindow);
    return found;
}

DocumentWindow* DocumentArea::activeDocument() const { return openDocumentWindow(currentSubWindow()); }

DocumentWindow* DocumentArea::documentById(std::int32_t windowId) const
{
    for (DocumentWindow* docWindow : documents())
        if (docWindow->windowId() == windowId)
            return docWindow;
    return nullptr;
}

std::int32_t DocumentArea::drawWindowId() const
{
    for (;;) {
        const auto id = static_cast<std::int32_t>(QRandomGenerator::global()->bounded(kMaxWindowId + 1));
        if (!documentById(id))
            return id;
    }
}

DocumentWindow* DocumentArea::open(const QString& fileName)
{
    const std::int32_t id = drawWindowId();
    const std::vector<DocumentWindow*> open = documents();
    DocumentWindow* docWindow = nullptr;
    if (open.size() == 1 && open.front()->isUntouched() && !fileName.isEmpty()) {
        docWindow = open.front();
        emit documentReused(docWindow->windowId());
    } else {
        docWindow = createDocumentWindow();
    }
    docWindow->initDocument(id, fileName);
    windowIds_[docWindow] = docWindow->windowId();
    bringToFront(docWindow);
    return docWindow;
}

DocumentWindow* DocumentArea::createDocumentWindow()
{
    auto* docWindow = new DocumentWindow(context_);
    connect(docWindow, &QObject::destroyed, this, [this](QObject* gone) {
        emit documentDestroyed(windowIds_.value(gone, -1));
        windowIds_.remove(gone);
    });
    emit documentCreated(docWindow);
    QMdiSubWindow* window = addSubWindow(docWindow);
    window->setAttribute(Qt::WA_DeleteOnClose);
    const QSize area = viewport()->size();
    window->resize(std::max(area.width() * 9 / 10, 480), std::max(area.height() * 9 / 10, 360));
    return docWindow;
}

void DocumentArea::bringToFront(DocumentWindow* docWindow)
{
    if (QMdiSubWindow* window = subWindowOf(docWindow)) {
        window->show();
        setActiveSubWindow(window);
        // Activation is skipped while the main window itself is not active;
        // the current window must follow anyway.
        if (currentSubWindow() != window)
            subWindowActivated(window);
    }
}

void DocumentArea::closeDocument(DocumentWindow* docWindow)
{
    if (QMdiSubWindow* window = subWindowOf(docWindow))
        window->close();
}

void DocumentArea::subWindowActivated(QMdiSubWindow* window)
{
    DocumentWindow* docWindow = openDocumentWindow(window);
    if (!docWindow || docWindow == lastActive_)
        return;
    if (lastActive_)
        lastActive_->formDeactivate();
    lastActive_ = docWindow;
    docWindow->formActivate();
    emit documentActivated(docWindow);
}
