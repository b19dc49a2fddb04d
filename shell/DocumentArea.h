#pragma once

#include <QHash>
#include <QMdiArea>
#include <QPointer>

#include <cstdint>
#include <vector>

class DocumentWindow;
class EditorContext;

// The main window's document area: the document windows, one per
// sub-window, named by window ids drawn at random; which one is active, and
// the activation and deactivation each gets.
class DocumentArea : public QMdiArea {
    Q_OBJECT
public:
    explicit DocumentArea(EditorContext& context, QWidget* parent = nullptr);
    ~DocumentArea() override;

    // The open windows; a window whose close was accepted no longer counts.
    std::vector<DocumentWindow*> documents() const;
    DocumentWindow* activeDocument() const;
    DocumentWindow* documentById(std::int32_t windowId) const;

    // New (empty name) and Open: a file goes into the only window when that
    // one's drawing is untouched, else into a new window; a new drawing
    // always gets a new window. The window comes to the front. Null, with
    // no window made or changed, when the file was declined or unreadable.
    DocumentWindow* open(const QString& fileName);
    void bringToFront(DocumentWindow* docWindow);
    // Closes the window as its close button does (asking about changes).
    void closeDocument(DocumentWindow* docWindow);

signals:
    // A window was made; it starts its drawing right after.
    void documentCreated(DocumentWindow* docWindow);
    // A window is about to take another drawing and, with it, a new id.
    void documentReused(std::int32_t oldWindowId);
    void documentActivated(DocumentWindow* docWindow);
    void documentDestroyed(std::int32_t windowId);

private:
    std::int32_t drawWindowId() const;
    DocumentWindow* createDocumentWindow();
    DocumentWindow* shown(DocumentWindow* docWindow);
    void leaveKeysToMenus(QMdiSubWindow* window);
    void placeInSight(QMdiSubWindow* window, QMdiSubWindow* previous);
    void subWindowActivated(QMdiSubWindow* window);

    EditorContext& context_;
    // The window id of each document window, by its address: still readable
    // while the window is being destroyed.
    QHash<const QObject*, std::int32_t> windowIds_;
    QPointer<DocumentWindow> lastActive_;
};
