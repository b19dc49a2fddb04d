#pragma once

#include <QAbstractButton>

// One picture button of the upper menu. It is drawn flat, raised while the
// upper menu says so (the mouse went over it), sunken while it is "pressed
// in" (the current tool, a toggle that is on), and grey while disabled. The
// action runs on mouse-up, as with any push button.
class CommandButton : public QAbstractButton {
    Q_OBJECT
public:
    CommandButton(int number, const QIcon& icon, const QString& hint, QWidget* parent = nullptr);

    int number() const { return number_; }

    bool isRaised() const { return raised_; }
    void setRaised(bool raised);

    bool isPressedIn() const { return pressedIn_; }
    void setPressedIn(bool pressedIn);

    QSize sizeHint() const override { return { 24, 24 }; }

signals:
    // The mouse entered the button.
    void hovered(int number);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    int number_;
    bool raised_ = false;
    bool pressedIn_ = false;
};
