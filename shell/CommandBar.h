#pragma once

#include "canvas/ToolTable.h"

#include <QFrame>
#include <QTimer>

#include <array>
#include <vector>

class CommandButton;
class QLabel;
class QMenu;
class QSlider;
class QToolButton;

// The upper menu: a row of 36 picture buttons with hints, the zoom track bar
// and its label. The main window decides what each button does, which are
// visible and which are enabled. When the row is wider than the bar, the
// buttons that do not fit are offered in the menu of a button at its end.
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
    // The button that opens the menu of the buttons that do not fit.
    QToolButton* overflowButton() const { return overflowButton_; }
    // The buttons in that menu now, in row order.
    std::vector<UpperButton> overflowed() const { return overflowed_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void buttonClicked(UpperButton which);
    // The track bar was released at `position` (0 ... 300).
    void zoomSliderReleased(int position);
    // The wheel turned over the track bar: zoom in (positive) or out by steps.
    void zoomStepsRequested(int steps);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // One place in the row: a widget (for a button, `which` names it) with
    // a gap before it.
    struct Slot {
        QWidget* widget = nullptr;
        UpperButton which = UpperButton::None;
        int gapBefore = 0;
    };

    void createButton(UpperButton which);
    void createZoomSlider();
    void createOverflowButton();
    bool wanted(const Slot& slot) const;
    static int slotWidth(const Slot& slot);
    int rowWidth() const;
    void layoutRow();
    void fillOverflowMenu();

    std::array<CommandButton*, kButtonCount> buttons_ {};
    // Whether the main window wants each button shown, fitting or not.
    std::array<bool, kButtonCount> wanted_ {};
    std::vector<Slot> row_;
    std::vector<UpperButton> overflowed_;
    QToolButton* overflowButton_ = nullptr;
    QMenu* overflowMenu_ = nullptr;
    QSlider* zoomSlider_ = nullptr;
    QLabel* zoomLabel_ = nullptr;
    QTimer lowerTimer_;
    UpperButton pressedTool_ = UpperButton::None;
    int sliderWheelRest_ = 0;
};
