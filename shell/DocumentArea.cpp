#include "shell/DocumentArea.h"

#include "canvas/widgets/DocumentWindow.h"

#include <QAction>
#include <QMdiSubWindow>
#include <QMenu>
#include <QRandomGenerator>
#include <QStyle>

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

DocumentWindow* DocumentArea::activeDocument() const
{
    return openDocumentWindow(currentSubWindow());
}

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
    if (open.size() == 1 && open.front()->isUntouched() && !fileName.isEmpty()) {
        DocumentWindow* reused = open.front();
        const std::int32_t oldId = reused->windowId();
        if (!reused->initDocument(id, fileName))
            return nullptr;
        emit documentReused(oldId);
        return shown(reused);
    }
    DocumentWindow* docWindow = createDocumentWindow();
    if (!docWindow->initDocument(id, fileName)) {
        // Nothing was opened: the window goes again before anyone saw it.
        docWindow->closeWithoutQuestions();
        return nullptr;
    }
    return shown(docWindow);
}

DocumentWindow* DocumentArea::shown(DocumentWindow* docWindow)
{
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
    const std::vector<DocumentWindow*> open = documents();
    QMdiSubWindow* previous = open.empty() ? nullptr : subWindowOf(open.back());
    QMdiSubWindow* window = addSubWindow(docWindow);
    window->setAttribute(Qt::WA_DeleteOnClose);
    leaveKeysToMenus(window);
    placeInSight(window, previous);
    return docWindow;
}

// The sub-window's own menu claims keys that the main menu already has
// (Ctrl+W for Close among them); two owners of one key make Qt run neither.
void DocumentArea::leaveKeysToMenus(QMdiSubWindow* window)
{
    if (QMenu* menu = window->systemMenu())
        for (QAction* entry : menu->actions())
            entry->setShortcuts({});
}

// A new window lies wholly inside the area: one title bar down and right
// from the previous one, made smaller when that leaves too little room, back
// at the top left corner when even the smaller one would not fit. In an area
// too small for a usable window it fills the area.
void DocumentArea::placeInSight(QMdiSubWindow* window, QMdiSubWindow* previous)
{
    constexpr QSize kUsable(320, 240);
    const QSize area = viewport()->size();
    const QSize wanted(std::max(area.width() * 9 / 10, 480), std::max(area.height() * 9 / 10, 360));
    QSize size = wanted.boundedTo(area);
    const QSize smallest = kUsable.boundedTo(area);
    QPoint at(0, 0);
    if (previous && !previous->isMaximized()) {
        const int step
            = std::max(window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window), 16);
        const QPoint next = previous->pos() + QPoint(step, step);
        const QSize room(area.width() - next.x(), area.height() - next.y());
        if (next.x() >= 0 && next.y() >= 0 && room.width() >= smallest.width()
            && room.height() >= smallest.height()) {
            at = next;
            size = size.boundedTo(room);
        }
    }
    if (smallest != kUsable)
        size = area;
    window->resize(size);
    window->move(at);
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
