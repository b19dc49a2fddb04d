#include "panels/WizardWindow.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

WizardWindow::WizardWindow(QWidget* parent)
    : QDialog(parent,
          Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
              | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("wizardWindow"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    pageArea_ = new QVBoxLayout;
    layout->addLayout(pageArea_, 1);

    auto* buttons = new QDialogButtonBox(this);
    applyButton_ = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    applyButton_->setObjectName(QStringLiteral("applyButton"));
    cancelButton_ = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    layout->addWidget(buttons);
    // The button box would accept the dialog; the page decides instead.
    connect(applyButton_, &QPushButton::clicked, this, &WizardWindow::applyRequested);
    connect(cancelButton_, &QPushButton::clicked, this, &WizardWindow::reject);
}

WizardWindow::~WizardWindow() = default;

bool WizardWindow::showPage(
    std::unique_ptr<QWidget> page, const QString& caption, const QString& applyText, PageLock lock)
{
    if (pageLocked())
        return false;
    if (page_) {
        page_->hide();
        page_->deleteLater();
    }
    page_ = page.release();
    page_->setParent(this);
    pageArea_->addWidget(page_);
    lock_ = lock;
    setWindowTitle(caption);
    applyButton_->setText(applyText);
    applyButton_->setDefault(true);
    page_->show();
    show();
    raise();
    activateWindow();
    return true;
}

void WizardWindow::closePage()
{
    if (page_) {
        page_->hide();
        page_->deleteLater();
        page_ = nullptr;
    }
    hide();
}

void WizardWindow::reject()
{
    if (page_)
        emit cancelled();
    closePage();
}
