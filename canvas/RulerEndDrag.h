#pragma once

#include <cstdint>

struct HeaderBody;
struct ItemRecord;

// A drag of a ruler end. From the canvas's far edge (right, bottom) it
// resizes the canvas, never below 5 zoomed pixels; from its near edge (left,
// top) it moves that edge, never before 0. Positions are ruler pixels: zoomed
// canvas pixels shifted by where the canvas starts on the ruler.
class RulerEndDrag {
public:
    enum class Kind { None, Width, Height, Left, Top };

    Kind kind() const { return kind_; }
    bool active() const { return kind_ != Kind::None; }
    // Whether the drag belongs to the horizontal ruler.
    bool horizontal() const { return kind_ == Kind::Width || kind_ == Kind::Left; }
    bool resizes() const { return kind_ == Kind::Width || kind_ == Kind::Height; }

    // Whether `position` lies within grip of a canvas end that starts at
    // `origin` on the ruler and is `extent` pixels long.
    static bool nearEnd(int position, int origin, std::int32_t extent);

    // Starts a drag when `position` is near an end of the canvas, which
    // starts at `origin` on the ruler; false (and nothing starts) elsewhere.
    bool press(bool horizontal, int position, int origin, const HeaderBody& header);
    // Follows the mouse.
    void move(int position);
    // What the ruler shows meanwhile, in zoomed canvas pixels: the canvas's
    // new length for a resize, its new near edge for a move.
    std::int32_t value() const { return value_; }
    // The new length in the drawing's units, for the hint of a resize.
    double lengthInUnits(const HeaderBody& header) const;

    // Ends the drag at `position` and writes the result into the drawing:
    // the canvas size or edge, its extent on screen and the gridlines of
    // `grid` (null for a drawing without one). False when nothing was written.
    bool finish(int position, HeaderBody& header, ItemRecord* grid);

private:
    Kind kind_ = Kind::None;
    int start_ = 0; // the ruler position where the drag began
    std::int32_t startValue_ = 0; // the length or edge then
    std::int32_t value_ = 0;
};
