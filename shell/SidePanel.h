#pragma once

#include <QWidget>

#include <functional>

class ToolPalette;
class QVBoxLayout;

// The left side panel's page area: the tool palette, which always exists and
// is only hidden, or one other panel frame, made when its page is shown and
// freed when another page replaces it.
class SidePanel : public QWidget {
    Q_OBJECT
public:
    // Makes the frame of a page other than 20, or returns null when no panel
    // shows that page yet.
    using FrameFactory = std::function<QWidget*(int page, QWidget* parent)>;

    explicit SidePanel(QWidget* parent = nullptr);

    ToolPalette* toolPalette() const { return toolPalette_; }
    QWidget* currentFrame() const { return frame_; }
    int currentPage() const { return page_; }

    void setFrameFactory(FrameFactory factory) { factory_ = std::move(factory); }
    // Replaces the page on show; false (and nothing changes) when no panel
    // shows `page`.
    bool show(int page);

private:
    ToolPalette* toolPalette_;
    QWidget* frame_ = nullptr;
    QVBoxLayout* layout_;
    FrameFactory factory_;
    int page_ = 0;
};
