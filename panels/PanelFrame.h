#pragma once

#include "canvas/ToolTable.h"

#include <QFrame>

#include <map>

class HintBox;
class PropertyList;
class QLabel;
class QTabWidget;
class QVBoxLayout;

// What the property panels have in common: a title, a box of hints, and two
// tabs of labelled rows. A panel opens on the tab it showed when it was last
// closed (`rememberedTab`, shared by the panels that share one).
class PanelFrame : public QFrame {
    Q_OBJECT
public:
    PanelFrame(Page page, const QString& title, const QString& firstTab, const QString& secondTab,
        int& rememberedTab, QWidget* parent = nullptr);
    ~PanelFrame() override;

    Page page() const { return page_; }
    QLabel* title() const { return title_; }
    HintBox* hints() const { return hints_; }
    QTabWidget* tabs() const { return tabs_; }
    // The row holding `list` (its label and the list).
    QWidget* rowOf(const PropertyList* list) const;
    QLabel* labelOf(const PropertyList* list) const;

signals:
    // The panel wants another page shown (a shape row that switches tools).
    void pageRequested(Page page);

protected:
    // A labelled list at the end of tab 0 or 1, named `name` for tests.
    PropertyList* addRow(int tab, const QString& label, const QString& name);
    // Any other control as a row of its own.
    void addWidget(int tab, QWidget* widget);
    void setRowVisible(const PropertyList* list, bool visible);
    // Ends the tabs' rows; call once all rows are added.
    void finishRows();

private:
    Page page_;
    QLabel* title_;
    HintBox* hints_;
    QTabWidget* tabs_;
    QVBoxLayout* tabLayouts_[2] {};
    std::map<const PropertyList*, QWidget*> rows_;
};
