#include "shell/SidePanel.h"

#include "panels/ToolPalette.h"

#include <QVBoxLayout>

SidePanel::SidePanel(QWidget* parent)
    : QWidget(parent)
    , toolPalette_(new ToolPalette(this))
    , layout_(new QVBoxLayout(this))
{
    setObjectName(QStringLiteral("sidePanel"));
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->addWidget(toolPalette_);
    toolPalette_->hide();
}

const SidePanel::Panel* SidePanel::panelFor(Page page) const
{
    for (const Panel& panel : panels_)
        if (panel.shows && panel.shows(page))
            return &panel;
    return nullptr;
}

bool SidePanel::canShow(Page page) const { return page == Page::Select || panelFor(page); }

bool SidePanel::show(Page page)
{
    QWidget* next = nullptr;
    if (page != Page::Select) {
        const Panel* panel = panelFor(page);
        if (!panel || !(next = panel->make(page, this)))
            return false;
    }
    if (frame_) {
        frame_->hide();
        frame_->deleteLater();
        frame_ = nullptr;
    }
    if (next) {
        toolPalette_->hide();
        frame_ = next;
        layout_->addWidget(frame_);
        frame_->show();
    } else {
        toolPalette_->show();
    }
    page_ = page;
    return true;
}
