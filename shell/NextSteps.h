#pragma once

#include "canvas/ToolTable.h"

#include <QString>

#include <set>

// The suggestions of the next-step box, numbered 1 ... 53.
namespace nextsteps {

inline constexpr int kCount = 53;

// What choosing a suggestion does.
enum class Action {
    ShowPage, // show `page`
    SelectedOrTool, // keep the selection; `page` when something is selected, else the tool palette
    HelpOrSelected, // keep the selection; help page `helpPage` when its switch is on, else as SelectedOrTool
    PictureDialog, // the picture insertion dialog, after 100 ms
    NewClip, // a new clip of the last picture, after 100 ms
    EditClip, // the clip boundary dialog, after 100 ms
    Join, // join the selection, then the mixed-selection page
    Split, // split the selected group, then the tool palette
};

struct Step {
    QString caption;
    Action action = Action::ShowPage;
    Page page = Page::Select;
    Page helpPage = Page::None;
};

// The suggestion with number `number`; an unknown number gives an empty caption.
Step step(int number);

// The suggestions a page offers: a tool page the tool palette; the page
// after an item is made starting the next one, fine-tuning it or moving it;
// the page on moving an item the palette and the next item of the kind.
// Empty for other pages.
std::set<int> forPage(Page page);

} // namespace nextsteps
