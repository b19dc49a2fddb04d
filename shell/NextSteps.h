#pragma once

#include <QString>

// The suggestions of the next-step box, numbered 1 ... 53.
namespace nextsteps {

inline constexpr int kCount = 53;

// What choosing a suggestion does.
enum class Action {
    ShowPage,        // show `page`
    SelectedOrTool,  // keep the selection; `page` when something is selected, else page 20
    HelpOrSelected,  // keep the selection; help page `helpPage` when its switch is on, else as SelectedOrTool
    PictureDialog,   // the picture insertion dialog, after 100 ms
    NewClip,         // a new clip of the last picture, after 100 ms
    EditClip,        // the clip boundary dialog, after 100 ms
    Join,            // join the selection, then page 59
    Split,           // split the selected group, then page 20
};

struct Step {
    QString caption;
    Action action = Action::ShowPage;
    int page = 20;
    int helpPage = 0;
};

// The suggestion with number `number`; an unknown number gives an empty caption.
Step step(int number);

} // namespace nextsteps
