#include "shell/WindowMenu.h"

#include <QMenu>

WindowMenu::WindowMenu(QMenu* menu, QObject* parent)
    : QObject(parent)
    , menu_(menu)
{
    menu_->menuAction()->setVisible(false);
}

void WindowMenu::setTitle(std::int32_t windowId, const QString& title)
{
    QAction* entry = entries_.value(windowId);
    if (!entry) {
        entry = menu_->addAction(title);
        entry->setCheckable(true);
        entry->setData(windowId);
        entry->setObjectName(QStringLiteral("window%1").arg(windowId));
        connect(entry, &QAction::triggered, this, [this, windowId] {
            emit chosen(windowId);
            check(windowId);
        });
        entries_.insert(windowId, entry);
    }
    entry->setText(title);
    menu_->menuAction()->setVisible(true);
    emit checkedChanged(checkedTitle());
}

void WindowMenu::remove(std::int32_t windowId)
{
    if (QAction* entry = entries_.take(windowId)) {
        menu_->removeAction(entry);
        entry->deleteLater();
    }
    menu_->menuAction()->setVisible(!entries_.isEmpty());
    emit checkedChanged(checkedTitle());
}

void WindowMenu::check(std::int32_t windowId)
{
    for (auto it = entries_.begin(); it != entries_.end(); ++it)
        it.value()->setChecked(it.key() == windowId);
    emit checkedChanged(checkedTitle());
}

QString WindowMenu::checkedTitle() const
{
    for (const QAction* entry : entries_)
        if (entry->isChecked())
            return entry->text();
    return {};
}
