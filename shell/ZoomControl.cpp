#include "shell/ZoomControl.h"

#include "shell/CommandBar.h"
#include "shell/ZoomSteps.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QWidget>

#include <cmath>

namespace {
int percentOf(double zoom)
{
    return static_cast<int>(std::lround(zoom * 100));
}
} // namespace

ZoomControl::ZoomControl(QMenu* zoomMenu, CommandBar& commandBar, QWidget* keyTarget)
    : QObject(keyTarget)
    , commandBar_(commandBar)
{
    menuEntries_ = new QActionGroup(this);
    menuEntries_->setExclusive(true);
    for (int percent : kZoomMenuPercents) {
        QAction* entry = zoomMenu->addAction(QStringLiteral("%1%").arg(percent));
        entry->setObjectName(QStringLiteral("zoom%1").arg(percent));
        entry->setCheckable(true);
        entry->setChecked(percent == 100);
        entry->setData(percent);
        menuEntries_->addAction(entry);
        connect(entry, &QAction::triggered, this, [this, percent] { zoomToPercent(percent); });
    }
    // Keyboard zoom steps, as the upper menu's Zoom in and Zoom out buttons.
    auto* in = new QAction(keyTarget);
    in->setObjectName(QStringLiteral("zoomInKey"));
    in->setShortcuts({ QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal) });
    auto* out = new QAction(keyTarget);
    out->setObjectName(QStringLiteral("zoomOutKey"));
    out->setShortcuts({ QKeySequence::ZoomOut });
    keyTarget->addAction(in);
    keyTarget->addAction(out);
    connect(in, &QAction::triggered, this, &ZoomControl::zoomIn);
    connect(out, &QAction::triggered, this, &ZoomControl::zoomOut);
    connect(&commandBar_, &CommandBar::zoomSliderReleased, this, &ZoomControl::sliderReleased);
    connect(&commandBar_, &CommandBar::zoomStepsRequested, this, &ZoomControl::zoomBySteps);
    refresh();
}

void ZoomControl::show(double zoom)
{
    zoom_ = zoom;
    refresh();
}

void ZoomControl::zoomToPercent(int percent)
{
    zoom_ = percent / 100.0;
    refresh();
    emit zoomChosen(zoom_);
}

void ZoomControl::zoomOut()
{
    const int percent = percentOf(zoom_);
    const int next = zoomOutStep(percent);
    if (next != percent)
        zoomToPercent(next);
}

void ZoomControl::zoomIn()
{
    const int percent = percentOf(zoom_);
    const int next = zoomInStep(percent);
    if (next != percent)
        zoomToPercent(next);
}

void ZoomControl::zoomBySteps(int steps)
{
    for (; steps > 0; --steps)
        zoomIn();
    for (; steps < 0; ++steps)
        zoomOut();
}

// A release at 0 changes nothing, so the slider and its label go back to the
// zoom in force.
void ZoomControl::sliderReleased(int position)
{
    if (position > 0)
        zoomToPercent(position);
    else
        refresh();
}

// The label, the slider (without reporting the move) and the Zoom menu's
// check mark, which goes away when no entry matches.
void ZoomControl::refresh()
{
    const int percent = percentOf(zoom_);
    commandBar_.setZoomDisplay(percent);
    QAction* match = nullptr;
    for (QAction* entry : menuEntries_->actions())
        if (entry->data().toInt() == percent)
            match = entry;
    if (match) {
        match->setChecked(true);
    } else if (QAction* checked = menuEntries_->checkedAction()) {
        menuEntries_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
        checked->setChecked(false);
        menuEntries_->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    }
}
