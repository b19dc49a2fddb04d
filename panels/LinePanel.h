#pragma once

#include "panels/PanelFrame.h"

class Preferences;
struct PanelMemory;

// The line tool's page (98): the colour, weight, pattern, direction, fill and
// outline of the next line, and its surface and shadow. Every choice becomes
// the line tool's default in the preferences.
class LinePanel : public PanelFrame {
    Q_OBJECT
public:
    LinePanel(Page page, Preferences& preferences, PanelMemory& memory, QWidget* parent = nullptr);

    // The steps shown once the line's first point is entered.
    void setFirstPointEntered(bool entered);

    PropertyList* colorList() const { return color_; }
    PropertyList* weightList() const { return weight_; }
    PropertyList* patternList() const { return pattern_; }
    PropertyList* directionList() const { return direction_; }
    PropertyList* fillList() const { return fill_; }
    PropertyList* outlineList() const { return outline_; }
    PropertyList* surfaceList() const { return surface_; }
    PropertyList* shadowList() const { return shadow_; }

private:
    void fillLists();
    void fillColorDependentLists();
    // Hides the fill rows of a line too thin to have an interior, and the
    // outline of a line filled with its own colour.
    void updateRows();

    Preferences& preferences_;
    PropertyList* color_;
    PropertyList* weight_;
    PropertyList* pattern_;
    PropertyList* direction_;
    PropertyList* fill_;
    PropertyList* outline_;
    PropertyList* surface_;
    PropertyList* shadow_;
};
