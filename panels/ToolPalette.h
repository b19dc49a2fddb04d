#pragma once

#include "canvas/ToolTable.h"

#include <QFrame>
#include <QTimer>

#include <vector>

class QLabel;
class ToolPaletteEntry;

// The tool palette "Insert", the side panel's select page: one entry per
// thing that can be inserted, in the tool table's order, and a hint with a
// link to the page setup. The palette only reports choices; the main window
// turns them into pages.
class ToolPalette : public QFrame {
    Q_OBJECT
public:
    explicit ToolPalette(QWidget* parent = nullptr);

    ToolPaletteEntry* entry(Tool tool) const;
    const std::vector<ToolPaletteEntry*>& entries() const { return entries_; }

    void setEntryEnabled(Tool tool, bool enabled);

    // Whether "Page Setup" in the hint is a live link; while it is not, the
    // hint reads as plain text.
    void setPageSetupAvailable(bool available);
    // Hides the hint (first-time setup on show, or after its link was used)
    // until the palette is laid out again.
    void setHintHidden(bool hidden);
    QLabel* hint() const { return hint_; }

    void lowerAll();

signals:
    // The page of the chosen entry.
    void entryChosen(Page page);
    void pageSetupRequested();

protected:
    void leaveEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void raiseEntry(ToolPaletteEntry* entry);
    void updateHintText();

    std::vector<ToolPaletteEntry*> entries_;
    QLabel* hint_ = nullptr;
    bool pageSetupAvailable_ = false;
    bool hintHidden_ = false;
    QTimer lowerTimer_;
};
