#pragma once

#include "canvas/ToolTable.h"

#include <QAbstractButton>

// One picture button of the upper menu. It is drawn flat, raised while the
// upper menu says so (the mouse went over it), sunken while it is "pressed
// in" (the current tool, a toggle that is on), and grey while disabled. The
// action runs on mouse-up, as with any push button.
class CommandButton : public QAbstractButton {
    Q_OBJECT
public:
    CommandButton(UpperButton which, const QIcon& icon, const QString& hint, QWidget* parent = nullptr);

    UpperButton which() const { return which_; }

    bool isRaised() const { return raised_; }
    void setRaised(bool raised);

    bool isPressedIn() const { return pressedIn_; }
    void setPressedIn(bool pressedIn);

    QSize sizeHint() const override { return { 24, 24 }; }

signals:
    // The mouse entered the button.
    void hovered(UpperButton which);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    UpperButton which_;
    bool raised_ = false;
    bool pressedIn_ = false;
};
