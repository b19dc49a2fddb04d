#pragma once

#include "panels/PanelMemory.h"

#include <QObject>

class EditorContext;
class PageNavigator;
class SidePanel;

// The side panel's tool pages and help pages: registers with the side panel
// the frames that show them (the line, shape and text panels and the help
// page frame, each made when its page is shown) and hands their requests to
// the page navigator. Keeps what the panels remember between their frames.
class ToolPanels : public QObject {
    Q_OBJECT
public:
    ToolPanels(EditorContext& context, SidePanel& sidePanel, PageNavigator& pages, QObject* parent = nullptr);

    PanelMemory& memory() { return memory_; }

private:
    EditorContext& context_;
    PageNavigator& pages_;
    PanelMemory memory_;
};
