#include "panels/PanelFrame.h"

#include "panels/HintBox.h"
#include "panels/PropertyList.h"

#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

PanelFrame::PanelFrame(Page page, const QString& title, const QString& firstTab, const QString& secondTab,
    int& rememberedTab, QWidget* parent)
    : QFrame(parent)
    , page_(page)
    , title_(new QLabel(title, this))
    , hints_(new HintBox(this))
    , tabs_(new QTabWidget(this))
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(4);

    title_->setObjectName(QStringLiteral("panelTitle"));
    QFont titleFont = title_->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.15);
    title_->setFont(titleFont);
    column->addWidget(title_);

    hints_->setObjectName(QStringLiteral("hints"));
    column->addWidget(hints_);

    tabs_->setObjectName(QStringLiteral("tabs"));
    tabs_->setDocumentMode(true);
    tabs_->setUsesScrollButtons(false);
    for (int i = 0; i < 2; ++i) {
        auto* sheet = new QWidget(tabs_);
        tabLayouts_[i] = new QVBoxLayout(sheet);
        tabLayouts_[i]->setContentsMargins(2, 4, 2, 2);
        tabLayouts_[i]->setSpacing(4);
        tabs_->addTab(sheet, i == 0 ? firstTab : secondTab);
    }
    column->addWidget(tabs_);
    column->addStretch(1);

    // A remembered value other than the two tabs opens the first.
    tabs_->setCurrentIndex(rememberedTab == 1 ? 1 : 0);
    connect(tabs_, &QTabWidget::currentChanged, this, [&rememberedTab](int index) { rememberedTab = index; });
}

// The tabs are taken apart after this frame's own part is gone; the tab they
// fall back to on the way must not become the remembered one.
PanelFrame::~PanelFrame()
{
    tabs_->disconnect(this);
}

PropertyList* PanelFrame::addRow(int tab, const QString& label, const QString& name)
{
    auto* row = new QWidget(tabs_->widget(tab));
    auto* rowLayout = new QVBoxLayout(row);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    rowLayout->setSpacing(1);
    auto* caption = new QLabel(label, row);
    auto* list = new PropertyList(row);
    list->setObjectName(name);
    caption->setBuddy(list);
    rowLayout->addWidget(caption);
    rowLayout->addWidget(list);
    tabLayouts_[tab]->addWidget(row);
    rows_[list] = row;
    return list;
}

void PanelFrame::addWidget(int tab, QWidget* widget)
{
    tabLayouts_[tab]->addWidget(widget);
}

void PanelFrame::finishRows()
{
    for (QVBoxLayout* layout : tabLayouts_)
        layout->addStretch(1);
}

QWidget* PanelFrame::rowOf(const PropertyList* list) const
{
    const auto at = rows_.find(list);
    return at == rows_.end() ? nullptr : at->second;
}

QLabel* PanelFrame::labelOf(const PropertyList* list) const
{
    QWidget* row = rowOf(list);
    return row ? row->findChild<QLabel*>() : nullptr;
}

void PanelFrame::setRowVisible(const PropertyList* list, bool visible)
{
    if (QWidget* row = rowOf(list))
        row->setVisible(visible);
}
