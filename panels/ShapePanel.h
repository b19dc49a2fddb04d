#pragma once

#include "panels/PanelFrame.h"

class Preferences;
struct PanelMemory;

// The shape tools' pages (100 ... 199): the steps of the tool, the colour,
// fill and outline of the next shape, the tool's own row (sides, spikes, or
// the spline and curve forms), and the surface and shadow. Every choice
// becomes the shape tools' default in the preferences.
class ShapePanel : public PanelFrame {
    Q_OBJECT
public:
    ShapePanel(Page page, Preferences& preferences, PanelMemory& memory, QWidget* parent = nullptr);

    PropertyList* colorList() const { return color_; }
    PropertyList* fillList() const { return fill_; }
    PropertyList* outlineList() const { return outline_; }
    // Sides, spikes, or the spline or curve forms; hidden on other pages.
    PropertyList* shapeList() const { return shape_; }
    PropertyList* surfaceList() const { return surface_; }
    PropertyList* shadowList() const { return shadow_; }

private:
    void fillLists();
    void fillColorDependentLists();
    void fillShapeRow();
    void shapeChosen(int value);
    void updateRows();

    Preferences& preferences_;
    PropertyList* color_;
    PropertyList* fill_;
    PropertyList* outline_;
    PropertyList* shape_;
    PropertyList* surface_;
    PropertyList* shadow_;
};
