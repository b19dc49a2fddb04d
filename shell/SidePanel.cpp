#include "shell/SidePanel.h"

#include "panels/TToolbox.h"
#include "shell/PageHistory.h"

#include <QVBoxLayout>

SidePanel::SidePanel(QWidget* parent)
    : QWidget(parent)
    , toolbox_(new TToolbox(this))
    , layout_(new QVBoxLayout(this))
{
    setObjectName(QStringLiteral("sidePanel"));
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->addWidget(toolbox_);
    toolbox_->hide();
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
        toolbox_->hide();
        frame_ = next;
        layout_->addWidget(frame_);
        frame_->show();
    } else {
        toolbox_->show();
    }
    page_ = page;
    return true;
}
