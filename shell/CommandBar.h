#pragma once

#include "canvas/ToolTable.h"

#include <QFrame>
#include <QTimer>

#include <array>

class CommandButton;
class QLabel;
class QSlider;

// The upper menu: a row of 36 picture buttons with hints, the zoom track bar
// and its label. The main window decides what each button does, which are
// visible and which are enabled.
class CommandBar : public QFrame {
    Q_OBJECT
public:
    static constexpr int kButtonCount = kUpperButtonCount;

    explicit CommandBar(QWidget* parent = nullptr);

    CommandButton* button(UpperButton which) const;
    static QString hintOf(UpperButton which);

    void setButtonVisible(UpperButton which, bool visible);
    void setButtonEnabled(UpperButton which, bool enabled);
    // Shows a tool's button pressed in and releases the previous one; None
    // releases all tool buttons.
    void setPressedTool(UpperButton which);
    UpperButton pressedTool() const { return pressedTool_; }
    // The Gridlines and Snap toggles.
    void setToggle(UpperButton which, bool on);

    // Raises one button and lowers every other raised one; the raised button
    // is lowered again after 5 seconds.
    void raiseButton(UpperButton which);
    void lowerAll();

    // Shows the zoom in the label and moves the track bar without reporting it.
    void setZoomDisplay(int percent);
    QSlider* zoomSlider() const { return zoomSlider_; }
    QLabel* zoomLabel() const { return zoomLabel_; }

signals:
    void buttonClicked(UpperButton which);
    // The track bar was released at `position` (0 ... 300).
    void zoomSliderReleased(int position);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void createButton(UpperButton which);
    void createZoomSlider(class QHBoxLayout* row);

    std::array<CommandButton*, kButtonCount> buttons_ {};
    QSlider* zoomSlider_ = nullptr;
    QLabel* zoomLabel_ = nullptr;
    QTimer lowerTimer_;
    UpperButton pressedTool_ = UpperButton::None;
};
