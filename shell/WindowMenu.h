#pragma once

#include <QHash>
#include <QObject>

#include <cstdint>

class QAction;
class QMenu;

// The Window menu: one entry per document window, by its id, captioned with
// the window's title and checked for the active window. The menu is hidden
// while it has no entries.
class WindowMenu : public QObject {
    Q_OBJECT
public:
    explicit WindowMenu(QMenu* menu, QObject* parent = nullptr);

    QMenu* menu() const { return menu_; }

    // Adds the window's entry, or gives it the new caption.
    void setTitle(std::int32_t windowId, const QString& title);
    void remove(std::int32_t windowId);
    void check(std::int32_t windowId);
    // The caption of the checked entry; empty when none is checked.
    QString checkedTitle() const;

signals:
    void chosen(std::int32_t windowId);
    // The checked entry, or its caption, changed.
    void checkedChanged(const QString& title);

private:
    QMenu* menu_;
    QHash<std::int32_t, QAction*> entries_;
};
