#pragma once

#include <QObject>

#include <array>

class EditorContext;
class QAction;
class QMenu;

// The Reopen submenu: one entry per recently used file of the preferences,
// in order, captioned with the file's name, then "Clear...".
class RecentFilesMenu : public QObject {
    Q_OBJECT
public:
    static constexpr int kEntries = 16;

    // Fills `menu`, which stays its parent's.
    RecentFilesMenu(EditorContext& context, QMenu* menu, QObject* parent = nullptr);

    QMenu* menu() const { return menu_; }

    // Puts `path` first in the list and shows the new order.
    void add(const QString& path);
    // Opens entry `index` (0 the most recent) when its file exists; else
    // tells the user, keeping the entry.
    void reopen(int index);
    // Empties the list once the user agrees.
    void clear();

signals:
    void openRequested(const QString& path);

private:
    void rebuild();

    EditorContext& context_;
    QMenu* menu_;
    std::array<QAction*, kEntries> entries_ {};
    QAction* clearEntry_ = nullptr;
};
