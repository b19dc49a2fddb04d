#include "canvas/ToolMachine.h"

#include "model/ItemKinds.h"

#include <utility>

namespace {

// An ellipse's axis must have a length: an axis end on the centre is put
// this far below it.
constexpr int kEllipseAxisFallback = 10;

} // namespace

void ToolMachine::choose(EditMode mode, int splineShape, int curveShape)
{
    mode_ = mode;
    splineShape_ = splineShape;
    curveShape_ = curveShape;
    keysHelpShown_ = false;
    reset();
}

void ToolMachine::reset()
{
    count_ = 0;
    points_.clear();
    textBox_ = false;
    textMade_ = false;
}

bool ToolMachine::isDrawingTool() const
{
    return family() != Family::None;
}

ToolMachine::Family ToolMachine::family() const
{
    switch (mode_) {
    case EditMode::Line:
        return Family::Line;
    case EditMode::Text:
        return Family::Text;
    case EditMode::Square:
    case EditMode::Circle:
    case EditMode::Polygon:
        return Family::TwoPoint;
    case EditMode::Triangle:
    case EditMode::Rectangle:
    case EditMode::Ellipse:
    case EditMode::Star:
    case EditMode::Pie:
    case EditMode::Arc:
        return Family::ThreePoint;
    case EditMode::Spline:
    case EditMode::Solid:
    case EditMode::Curve:
    case EditMode::Oblong:
        return Family::Chain;
    default:
        return Family::None;
    }
}

std::int32_t ToolMachine::kind() const
{
    const ToolInfo* tool = toolOfEditMode(mode_);
    return tool ? tool->itemKind : 0;
}

int ToolMachine::shape() const
{
    const ToolInfo* tool = toolOfEditMode(mode_);
    if (tool && tool->shape >= 0)
        return tool->shape;
    return mode_ == EditMode::Curve ? curveShape_ : splineShape_;
}

ToolOutcome ToolMachine::press(QPoint at, bool ctrl)
{
    ToolOutcome o;
    if (!isDrawingTool())
        return o;
    o.used = true;
    if (ctrl) {
        // Ctrl starts an area selection, which belongs to the pointer.
        mode_ = EditMode::Select;
        reset();
        o.bandChanged = true;
        return o;
    }
    // The solid tool takes its points on releases only.
    if (mode_ == EditMode::Solid && count_ > 0)
        return o;
    mouse_ = at;
    downPoint_ = at;
    buttonDown_ = true;
    // A text whose start is no longer pending (none yet, or its box or line
    // was made) gives way to a new one.
    if (mode_ == EditMode::Text && (count_ != 1 || textMade_)) {
        reset();
        o.resetText = true;
        o.bandChanged = true;
    }
    const bool shapeWithPoints
        = (family() == Family::TwoPoint || family() == Family::ThreePoint || family() == Family::Chain)
        && count_ > 0;
    o.startHold = !shapeWithPoints;
    return o;
}

ToolOutcome ToolMachine::hold()
{
    ToolOutcome o;
    if (!buttonDown_ || suppressUntilUp_ || count_ != 0 || !isDrawingTool())
        return o;
    // Held long enough: the press is the first point, the release will be the second.
    points_ = { downPoint_ };
    count_ = 1;
    o.used = true;
    o.bandChanged = true;
    return o;
}

ToolOutcome ToolMachine::move(QPoint at)
{
    ToolOutcome o;
    mouse_ = at;
    o.bandChanged = count_ >= 1 && band().has_value();
    return o;
}

ToolOutcome ToolMachine::makeFrom(std::vector<QPoint> points, int itemShape)
{
    ToolOutcome o;
    o.used = true;
    o.bandChanged = true;
    o.make = ToolItemRequest { kind(), std::move(points), itemShape };
    if (const ToolInfo* tool = toolOfEditMode(mode_); tool && tool->madeHelp != Page::None) {
        o.page = tool->madeHelp;
        o.onlyIfOn = tool->madeHelp;
    }
    count_ = 0;
    points_.clear();
    return o;
}

ToolOutcome ToolMachine::release(QPoint at, bool shift)
{
    ToolOutcome o;
    mouse_ = at;
    buttonDown_ = false;
    if (!isDrawingTool())
        return o;
    o.used = true;
    if (suppressUntilUp_) {
        suppressUntilUp_ = false;
        return o;
    }
    if (count_ == 0) {
        points_ = { at };
        count_ = 1;
        o.bandChanged = true;
        if (mode_ == EditMode::Text) {
            o.page = toolInfo(Tool::Text).madeHelp;
            o.onlyIfOn = o.page;
            o.fallback = Page::TextPlaced;
        }
        return o;
    }
    // A release on the previous point adds nothing: no item of zero size.
    const bool repeated = !points_.empty() && at == points_.back();
    switch (family()) {
    case Family::Line:
    case Family::TwoPoint:
        if (repeated)
            return o;
        return makeFrom({ points_.front(), at }, 0);
    case Family::Text:
        if (count_ == 1 && !repeated) {
            points_ = { points_.front(), at };
            textBox_ = true;
            count_ = 2;
            o.bandChanged = true;
        }
        return o;
    case Family::ThreePoint:
        return releaseThreePoint(at);
    case Family::Chain:
        return releaseChain(at, shift);
    case Family::None:
        break;
    }
    return o;
}

ToolOutcome ToolMachine::releaseThreePoint(QPoint at)
{
    ToolOutcome o;
    o.used = true;
    if (count_ == 1) {
        if (mode_ == EditMode::Ellipse && at == points_.front())
            at = points_.front() + QPoint(0, kEllipseAxisFallback);
        else if (at == points_.back())
            return o;
        points_.push_back(at);
        count_ = 2;
        o.bandChanged = true;
        return o;
    }
    if (at == points_.back())
        return o;
    return makeFrom({ points_[0], points_[1], at }, 0);
}

ToolOutcome ToolMachine::releaseChain(QPoint at, bool shift)
{
    ToolOutcome o;
    o.used = true;
    const bool repeated = at == points_.back();
    if (shift) {
        // Shift makes this release the final point.
        std::vector<QPoint> points = points_;
        if (!repeated)
            points.push_back(at);
        if (points.size() < 2)
            return o;
        return makeFrom(std::move(points), shape());
    }
    if (repeated)
        return o;
    points_.push_back(at);
    o.bandChanged = true;
    if (!keysHelpShown_) {
        keysHelpShown_ = true;
        o.page = toolOfEditMode(mode_)->keysHelp;
        o.onlyIfOn = o.page;
    }
    return o;
}

ToolOutcome ToolMachine::key(ToolKey key)
{
    ToolOutcome o;
    if (!isDrawingTool())
        return o;
    if (family() == Family::Chain)
        return chainKey(key);
    if (key != ToolKey::Escape || count_ == 0)
        return o;
    // Esc drops the pending points; the rest of a held press is ignored.
    if (buttonDown_)
        suppressUntilUp_ = true;
    o.resetText = mode_ == EditMode::Text;
    reset();
    o.used = true;
    o.bandChanged = true;
    return o;
}

ToolOutcome ToolMachine::chainKey(ToolKey key)
{
    ToolOutcome o;
    if (count_ == 0)
        return o;
    const ToolInfo& tool = *toolOfEditMode(mode_);
    o.used = true;
    o.bandChanged = true;
    switch (key) {
    case ToolKey::Backspace:
        // The floating point takes the last fixed point's place.
        points_.pop_back();
        if (points_.empty()) {
            reset();
            o.page = tool.page;
        }
        return o;
    case ToolKey::Enter:
        // The floating point is dropped; what is fixed is the item.
        if (points_.size() >= 2)
            return makeFrom(points_, shape());
        reset();
        return o;
    case ToolKey::Close:
        if (shape() != kinds::kOpen || points_.size() + 1 <= 3) {
            o.used = false;
            o.bandChanged = false;
            return o;
        }
        return makeFrom(points_, kinds::kClosed);
    case ToolKey::Escape:
        if (buttonDown_)
            suppressUntilUp_ = true;
        reset();
        o.page = tool.page;
        o.onlyIfOn = tool.keysHelp;
        return o;
    }
    return o;
}

std::optional<QPoint> ToolMachine::textBoxEnd() const
{
    if (mode_ != EditMode::Text || !textBox_ || points_.size() < 2)
        return std::nullopt;
    return points_[1];
}

void ToolMachine::textMade()
{
    textMade_ = true;
    count_ = 2;
}

std::optional<ToolBand> ToolMachine::band() const
{
    if (count_ == 0 || !isDrawingTool() || points_.empty())
        return std::nullopt;
    const QPoint first = points_.front();
    const auto segment = [&](QPoint a, QPoint b) {
        return ToolBand { { kinds::kLine, { a, b }, 0 }, false };
    };
    switch (family()) {
    case Family::Line:
        return segment(first, mouse_);
    case Family::Text:
        if (textMade_)
            return std::nullopt;
        return ToolBand { { kinds::kText, { first, textBox_ ? points_[1] : mouse_ }, 0 }, false };
    case Family::TwoPoint:
        return ToolBand { { kind(), { first, mouse_ }, 0 }, false };
    case Family::ThreePoint:
        if (count_ == 1) {
            if (mode_ == EditMode::Star)
                return ToolBand { { kind(), { first, mouse_, first + (mouse_ - first) / 2 }, 0 }, false };
            return segment(first, mouse_);
        }
        return ToolBand { { kind(), { first, points_[1], mouse_ }, 0 },
            mode_ == EditMode::Pie || mode_ == EditMode::Arc };
    case Family::Chain: {
        std::vector<QPoint> points = points_;
        points.push_back(mouse_);
        return ToolBand { { kind(), std::move(points), shape() }, kind() == kinds::kCurve };
    }
    case Family::None:
        break;
    }
    return std::nullopt;
}
