#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

struct CanvasView;
struct ItemRecord;
class PaintResources;

// The delayed pass that repaints every live item with its shadows and 3-D
// shading after a drawing was opened or re-zoomed. It paints one stacking
// position per step, so the window can handle input between steps. The
// stacking order is taken once when the pass starts; when records join or
// leave the drawing meanwhile, or an item changes its stacking position, the
// order of the positions still to come is taken afresh, so the pass goes on
// with the next position in the drawing's current state.
class SceneEffectsPass {
public:
    // Clears the view's opening pass: from now on effects are drawn.
    explicit SceneEffectsPass(CanvasView& view);
    ~SceneEffectsPass();

    // Paints the live items at the next stacking position; false when none is left.
    bool paintNext();

private:
    struct Entry {
        const ItemRecord* item;
        std::int32_t zOrder;
    };
    // The live items above the last painted position, in stacking order.
    void takeOrder();
    bool orderIsCurrent() const;

    CanvasView& view_;
    std::int32_t lastZ_ = 0;
    std::vector<Entry> order_;
    std::size_t next_ = 0;
    std::uint64_t revision_ = 0;
    // Fonts and pattern definitions, looked up again with the order.
    std::unique_ptr<PaintResources> resources_;
};

// Runs a whole pass, calling `betweenItems` after each step (the window lets
// pending input run there). The window starts its selection-handle timer after.
void effectsPass(CanvasView& view, const std::function<void()>& betweenItems = {});
