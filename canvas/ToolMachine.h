#pragma once

#include "canvas/ToolItems.h"
#include "canvas/ToolTable.h"

#include <QPoint>

#include <optional>
#include <vector>

// The keys the drawing tools listen to.
enum class ToolKey { Backspace, Enter, Close, Escape };

// What one event did to a tool, for the document window to carry out.
struct ToolOutcome {
    bool used = false; // the event was the tool's (a key goes no further)
    bool bandChanged = false; // the rubber band must be drawn again (or erased)
    bool startHold = false; // start the press-and-hold timer
    bool resetText = false; // a new text starts: end the typing of the last one
    std::optional<ToolItemRequest> make; // an item to make
    // A page to show: only while the help page `onlyIfOn` has its switch on
    // (None: always); `fallback` instead when the switch is off.
    Page page = Page::None;
    Page onlyIfOn = Page::None;
    Page fallback = Page::None;
};

// The rubber band of a tool: the item it would make now, with the mouse as
// its last point. A kind of line with two points is a plain segment (the
// first edge of a triangle or rectangle, the axis of an ellipse, the radius
// of a pie); a kind of text is the box of a text line.
struct ToolBand {
    ToolItemRequest shape;
    bool guides = false; // construction guides of pies, arcs and curves
};

// The state machine of the drawing tools of one document window: which tool
// is chosen, the points entered so far and what each press, release, move
// and key does with them. Points are item coordinates. It knows nothing of
// windows: the document window feeds it events and carries out the outcome.
class ToolMachine {
public:
    EditMode mode() const { return mode_; }
    int pointCount() const { return count_; }
    // Chooses a tool (or select), forgetting any pending points. The spline
    // and curve tools make the given shape (from the settings).
    void choose(EditMode mode, int splineShape = 0, int curveShape = 0);
    // Forgets the pending points; the tool stays.
    void reset();
    // The shapes the spline and curve tools make from now on.
    void setShapes(int splineShape, int curveShape)
    {
        splineShape_ = splineShape;
        curveShape_ = curveShape;
    }
    bool isDrawingTool() const;

    ToolOutcome press(QPoint at, bool ctrl);
    // The press-and-hold timer fired.
    ToolOutcome hold();
    ToolOutcome move(QPoint at);
    ToolOutcome release(QPoint at, bool shift);
    ToolOutcome key(ToolKey key);

    // The band to draw, if any: while the tool has points.
    std::optional<ToolBand> band() const;
    // The text tool after its first point: where the text starts and, for a
    // text box, where its baseline ends.
    bool textPending() const { return mode_ == EditMode::Text && count_ >= 1; }
    QPoint textStart() const { return points_.empty() ? QPoint() : points_.front(); }
    std::optional<QPoint> textBoxEnd() const;
    // A text line was made from the pending text start: the next press begins a new one.
    void textMade();
    QPoint mouse() const { return mouse_; }

private:
    enum class Family { None, Line, Text, TwoPoint, ThreePoint, Chain };
    Family family() const;
    std::int32_t kind() const;
    int shape() const;
    ToolOutcome makeFrom(std::vector<QPoint> points, int shape);
    ToolOutcome releaseThreePoint(QPoint at);
    ToolOutcome releaseChain(QPoint at, bool shift);
    ToolOutcome chainKey(ToolKey key);

    EditMode mode_ = EditMode::Select;
    int splineShape_ = 0;
    int curveShape_ = 0;
    int count_ = 0;
    std::vector<QPoint> points_; // the fixed points; a chain's floating point is the mouse
    QPoint mouse_;
    QPoint downPoint_;
    bool buttonDown_ = false;
    bool suppressUntilUp_ = false;
    bool textBox_ = false;
    bool textMade_ = false;
    bool keysHelpShown_ = false;
};
