#pragma once

#include "canvas/Handles.h"
#include "model/ItemBody.h"
#include "model/ItemRecord.h"
#include "render/PaintRect.h"

#include <QPoint>

#include <vector>

struct ItemList;
struct ScreenMetrics;

// Rounds an item's angle for the rotation dot: into [0, 2 pi), and within a
// degree of 0 exactly 0.
double settleAngle(double radians);

// The drag of a handle of the selection: every selected item is recomputed
// from the state it had when the drag began, so that no error accumulates
// however many moves there are. Points are canvas units.
class SelectionDrag {
public:
    // Remembers the selected items of `list` as they are now (the lifted
    // copies) and what the drag does; `hit` is the held handle's item (a
    // lifted copy) and `down` the press in canvas units.
    void begin(ItemList& list, const HandleHit& hit, QPoint down);
    bool active() const { return active_; }
    EditMode mode() const { return mode_; }
    int code() const { return code_; }
    // Puts every item where the mouse at `mouse` takes it. Returns the canvas
    // area the items covered before and cover now.
    PaintRect update(QPoint mouse, const ScreenMetrics& screen);
    void end() { active_ = false; starts_.clear(); }

private:
    struct Start {
        ItemRecord* item = nullptr;
        ItemBody body {};
        std::vector<PointEntry> points;
    };
    void apply(const Start& s, QPoint mouse, QPoint d, const ScreenMetrics& screen);
    void moveEnd(const Start& s, QPoint mouse, QPoint d);
    void rotateItem(const Start& s, QPoint mouse);
    void turnAbout(ItemRecord& item, QPoint pivot, double delta);
    void dragPoint(const Start& s, QPoint d);
    void dragSide(const Start& s, QPoint d);
    void resizeRound(const Start& s, QPoint mouse);
    void finish(ItemRecord& item, const ScreenMetrics& screen);

    bool active_ = false;
    EditMode mode_ = EditMode::Select;
    int code_ = 0;
    QPoint down_;
    ItemRecord* hit_ = nullptr;
    ItemRecord* frame_ = nullptr; // the group frame a group turns round
    QPoint pivot_; // its point when the drag began
    std::vector<Start> starts_;
};
