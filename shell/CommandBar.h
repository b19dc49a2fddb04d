#pragma once

#include <QFrame>
#include <QTimer>

#include <array>

class CommandButton;
class QLabel;
class QSlider;

// The upper menu: a row of 36 picture buttons with hints, the zoom track bar
// and its label. Buttons are numbered 1 ... 36; the main window decides what
// each one does, which are visible and which are enabled.
class CommandBar : public QFrame {
    Q_OBJECT
public:
    static constexpr int kButtonCount = 36;

    explicit CommandBar(QWidget* parent = nullptr);

    CommandButton* button(int number) const;
    static QString hintOf(int number);

    void setButtonVisible(int number, bool visible);
    void setButtonEnabled(int number, bool enabled);
    // Shows `number` pressed in as the current tool and releases the previous
    // one; 0 releases all tool buttons.
    void setPressedTool(int number);
    int pressedTool() const { return pressedTool_; }
    // The Gridlines (19) and Snap (20) toggles.
    void setToggle(int number, bool on);

    // Raises one button and lowers every other raised one; the raised button
    // is lowered again after 5 seconds.
    void raiseButton(int number);
    void lowerAll();

    // Shows the zoom in the label and moves the track bar without reporting it.
    void setZoomDisplay(int percent);
    QSlider* trackBar() const { return trackBar1_; }
    QLabel* zoomLabel() const { return label3_; }

signals:
    void buttonClicked(int number);
    // The track bar was released at `position` (0 ... 300).
    void trackBarReleased(int position);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void createButton(int number);
    void createTrackBar(class QHBoxLayout* row);

    std::array<CommandButton*, kButtonCount> buttons_ {};
    QSlider* trackBar1_ = nullptr;
    QLabel* label3_ = nullptr;
    QTimer timer1_;
    int pressedTool_ = 0;
};
