#include "shell/MainWindow.h"

#include "canvas/widgets/DocumentWindow.h"
#include "shell/CommandBar.h"
#include "shell/ZoomSteps.h"

#include <QAction>
#include <QActionGroup>

#include <cmath>

namespace {
int percentOf(double zoom) { return static_cast<int>(std::lround(zoom * 100)); }
} // namespace

void MainWindow::setApplicationZoom(double zoom)
{
    applicationZoom_ = zoom;
    if (DocumentWindow* docWindow = activeDocument())
        docWindow->applyZoom(zoom);
    refreshZoomDisplay();
}

void MainWindow::zoomToPercent(int percent)
{
    setApplicationZoom(percent / 100.0);
}

void MainWindow::zoomOut()
{
    const int percent = percentOf(applicationZoom_);
    const int next = zoomOutStep(percent);
    if (next != percent)
        zoomToPercent(next);
}

void MainWindow::zoomIn()
{
    const int percent = percentOf(applicationZoom_);
    const int next = zoomInStep(percent);
    if (next != percent)
        zoomToPercent(next);
}

void MainWindow::zoomSliderReleased(int position)
{
    if (position > 0)
        zoomToPercent(position);
}

// The label, the track bar (without reporting the move) and the Zoom menu's
// check mark, which goes away when no entry matches.
void MainWindow::refreshZoomDisplay()
{
    const int percent = percentOf(applicationZoom_);
    commandBar_->setZoomDisplay(percent);
    QAction* match = nullptr;
    for (QAction* entry : zoomGroup_->actions())
        if (entry->data().toInt() == percent)
            match = entry;
    if (match) {
        match->setChecked(true);
    } else if (QAction* checked = zoomGroup_->checkedAction()) {
        zoomGroup_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
        checked->setChecked(false);
        zoomGroup_->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    }
}
