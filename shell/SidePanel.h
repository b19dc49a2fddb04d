#pragma once

#include "canvas/ToolTable.h"

#include <QWidget>

#include <functional>
#include <vector>

class ToolPalette;
class QVBoxLayout;

// The left side panel's page area: the tool palette, which always exists and
// is only hidden, or one other panel frame, made when its page is shown and
// freed when another page replaces it.
class SidePanel : public QWidget {
    Q_OBJECT
public:
    // A panel frame class: the pages it shows and how to make it for one.
    struct Panel {
        std::function<bool(Page)> shows;
        std::function<QWidget*(Page page, QWidget* parent)> make;
    };

    explicit SidePanel(QWidget* parent = nullptr);

    ToolPalette* toolPalette() const { return toolPalette_; }
    QWidget* currentFrame() const { return frame_; }
    Page currentPage() const { return page_; }

    void addPanel(Panel panel) { panels_.push_back(std::move(panel)); }
    // Whether some panel shows `page`; the tool palette shows the select page.
    bool canShow(Page page) const;
    // Replaces the page on show; false (and nothing changes) when no panel
    // shows `page`.
    bool show(Page page);

private:
    const Panel* panelFor(Page page) const;

    ToolPalette* toolPalette_;
    QWidget* frame_ = nullptr;
    QVBoxLayout* layout_;
    std::vector<Panel> panels_;
    Page page_ = Page::None;
};
