#pragma once

#include <QObject>

class CommandBar;
class QActionGroup;
class QMenu;
class QWidget;

// The application zoom (1.0 = 100 %) and where it shows: the Zoom menu's
// check mark, the upper menu's slider and its label. The menu entries, the
// Zoom in and Zoom out steps and the slider set it; the main window applies
// a chosen zoom to the active drawing.
class ZoomControl : public QObject {
    Q_OBJECT
public:
    // Fills `zoomMenu` and puts the keyboard zoom steps on `keyTarget`.
    ZoomControl(QMenu* zoomMenu, CommandBar& commandBar, QWidget* keyTarget);

    double zoom() const { return zoom_; }
    // Takes the zoom a drawing already has (new, loaded or activated) and shows it.
    void show(double zoom);

    // The user's choices: each sets and shows the zoom and reports it.
    void zoomToPercent(int percent);
    void zoomIn();
    void zoomOut();
    // Zoom in (positive) or out (negative) by that many steps, as the wheel asks.
    void zoomBySteps(int steps);

signals:
    void zoomChosen(double zoom);

private:
    void sliderReleased(int position);
    void refresh();

    CommandBar& commandBar_;
    QActionGroup* menuEntries_ = nullptr;
    double zoom_ = 1.0;
};
