#include "shell/SidePanel.h"

#include "panels/ToolPalette.h"
#include "shell/PageHistory.h"

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

bool SidePanel::show(int page)
{
    QWidget* next = nullptr;
    if (page != pages::kSelect) {
        if (!factory_ || !(next = factory_(page, this)))
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
