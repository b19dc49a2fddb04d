#include "shell/MainWindow.h"

#include "canvas/widgets/DocumentWindow.h"
#include "model/ItemBody.h"
#include "canvas/EditorContext.h"
#include "shell/CommandBar.h"
#include "settings/Preferences.h"

#include <QAction>

namespace {

// The menu entry of a pair of switches: 0 none, 1 horizontal (x only),
// 2 vertical (y only), 3 both.
int entryOf(std::uint8_t x, std::uint8_t y) { return (x ? 1 : 0) + (y ? 2 : 0); }

} // namespace

// The Grid, Anchors and Snap checks and the Gridlines and Snap buttons follow
// the active drawing, or the settings for new files when none is open.
void MainWindow::refreshGridState()
{
    std::uint8_t grid[2], anchors[2], snap[2];
    if (const DocumentWindow* docWindow = activeDocument(); docWindow && docWindow->header()) {
        const HeaderBody& h = *docWindow->header();
        grid[0] = h.showGridX, grid[1] = h.showGridY;
        anchors[0] = h.showAnchorsX, anchors[1] = h.showAnchorsY;
        snap[0] = h.snapX, snap[1] = h.snapY;
    } else {
        const auto& d = context_.preferences().defaults;
        grid[0] = d.showGridX, grid[1] = d.showGridY;
        anchors[0] = d.showAnchorsX, anchors[1] = d.showAnchorsY;
        snap[0] = d.snapX, snap[1] = d.snapY;
    }
    action(QStringLiteral("grid%1").arg(entryOf(grid[0], grid[1])))->setChecked(true);
    action(QStringLiteral("anchors%1").arg(entryOf(anchors[0], anchors[1])))->setChecked(true);
    action(QStringLiteral("snap%1").arg(entryOf(snap[0], snap[1])))->setChecked(true);
    commandBar_->setToggle(UpperButton::Gridlines, grid[0] || grid[1]);
    commandBar_->setToggle(UpperButton::Snap, snap[0] || snap[1]);
}
