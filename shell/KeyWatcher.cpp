#include "shell/KeyWatcher.h"

#include "canvas/widgets/DocumentWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

KeyWatcher::KeyWatcher(QWidget* home, std::function<DocumentWindow*()> target, QObject* parent)
    : QObject(parent)
    , home_(home)
    , target_(std::move(target))
{
    qApp->installEventFilter(this);
}

KeyWatcher::~KeyWatcher()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

bool KeyWatcher::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != home_ || QApplication::activePopupWidget()
        || QApplication::activeModalWidget())
        return false;
    DocumentWindow* docWindow = target_ ? target_() : nullptr;
    if (!docWindow)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (docWindow->keyDown(key->key(), key->modifiers()))
        return true;
    const bool commandKey = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    return !commandKey && docWindow->character(key->text());
}
