#pragma once

#include <QObject>

#include <functional>

class DocumentWindow;
class QWidget;

// Watches every key press of the application before any control sees it and
// offers it to the active document window: first as a key, then, when the
// window did not use the key, as the characters it types. What the window
// uses goes no further; a key it leaves is offered again at each widget the
// key travels up to, which changes nothing. Keys pressed in another top-level window (a dialog,
// a message box, an open menu) are left alone.
class KeyWatcher : public QObject {
    Q_OBJECT
public:
    // `target` names the active document window (or none); `home` is the
    // window whose keys are watched.
    KeyWatcher(QWidget* home, std::function<DocumentWindow*()> target, QObject* parent = nullptr);
    ~KeyWatcher() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* home_;
    std::function<DocumentWindow*()> target_;
};
