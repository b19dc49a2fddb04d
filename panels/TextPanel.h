#pragma once

#include "panels/PanelFrame.h"

#include <array>

class Preferences;
struct PanelMemory;
class QSlider;
class QToolButton;

// The text tool's pages (300, 302 after the first point, 303 while a new text
// is typed): the colour, font, character set, size, weight, style,
// justification and angle of the next text, and its surface and shadow.
// Every choice becomes the text tool's default in the preferences.
class TextPanel : public PanelFrame {
    Q_OBJECT
public:
    enum StyleButton { Bold, Italic, Underline, StrikeOut, Left, Center, Right, kStyleButtons };

    TextPanel(Page page, Preferences& preferences, PanelMemory& memory, QWidget* parent = nullptr);

    PropertyList* colorList() const { return color_; }
    PropertyList* fontList() const { return font_; }
    PropertyList* charSetList() const { return charSet_; }
    PropertyList* sizeList() const { return size_; }
    PropertyList* weightList() const { return weight_; }
    QSlider* weightSlider() const { return slider_; }
    QToolButton* styleButton(StyleButton which) const { return buttons_[which]; }
    PropertyList* angleList() const { return angle_; }
    PropertyList* surfaceList() const { return surface_; }
    PropertyList* shadowList() const { return shadow_; }

private:
    void createStyleButtons();
    void fillLists();
    void fillCharSets();
    void setWeight(int weight);
    void showWeight();
    void showStyle();
    void styleClicked(StyleButton which);

    Preferences& preferences_;
    PanelMemory& memory_;
    PropertyList* color_;
    PropertyList* font_;
    PropertyList* charSet_;
    PropertyList* size_;
    PropertyList* weight_;
    QSlider* slider_ = nullptr;
    std::array<QToolButton*, kStyleButtons> buttons_ {};
    PropertyList* angle_ = nullptr;
    PropertyList* surface_ = nullptr;
    PropertyList* shadow_ = nullptr;
};
