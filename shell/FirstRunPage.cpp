#include "shell/FirstRunPage.h"

#include "base/UserPrompt.h"
#include "canvas/EditorContext.h"
#include "panels/WizardWindow.h"
#include "shell/FirstTimeSetup.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int kMillimeters = 2;
constexpr int kInches = 3;

QLabel* heading(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.4);
    label->setFont(font);
    return label;
}

// Checking one box unchecks the other; unchecking leaves no choice.
void makeExclusive(QCheckBox* a, QCheckBox* b)
{
    QObject::connect(a, &QCheckBox::toggled, b, [b](bool on) {
        if (on)
            b->setChecked(false);
    });
    QObject::connect(b, &QCheckBox::toggled, a, [a](bool on) {
        if (on)
            a->setChecked(false);
    });
}

} // namespace

FirstRunPage::FirstRunPage(EditorContext& context, QWidget* parent)
    : QWidget(parent)
    , context_(context)
{
    setObjectName(QStringLiteral("firstRunPage"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading(tr("Step") + QLatin1Char(' ') + QStringLiteral("1"), this));

    auto* text = new QLabel(tr("In this step, please select the <b>measuring units</b> that you prefer to use "
                               "and then click on the Proceed button."),
        this);
    text->setObjectName(QStringLiteral("stepText"));
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    text->setMinimumWidth(320);
    layout->addWidget(text);

    auto* group = new QGroupBox(tr("I prefer to use"), this);
    auto* boxes = new QVBoxLayout(group);
    millimeters_ = new QCheckBox(tr("&Millimeters"), group);
    millimeters_->setObjectName(QStringLiteral("millimetersBox"));
    inches_ = new QCheckBox(tr("&Inches"), group);
    inches_->setObjectName(QStringLiteral("inchesBox"));
    boxes->addWidget(millimeters_);
    boxes->addWidget(inches_);
    makeExclusive(millimeters_, inches_);
    layout->addWidget(group);
    layout->addStretch(1);
}

int FirstRunPage::chosenUnits() const
{
    if (millimeters_->isChecked())
        return kMillimeters;
    if (inches_->isChecked())
        return kInches;
    return 0;
}

void FirstRunPage::proceed()
{
    const int units = chosenUnits();
    if (units == 0) {
        context_.prompt().ask(
            UserPrompt::Kind::Error, tr("Please select Millimeters or Inches"), UserPrompt::Buttons::Ok);
        return;
    }
    applySetup(context_, units);
    emit finished();
}

FirstRunPage* runFirstTimeSetup(WizardWindow& host, EditorContext& context)
{
    auto owned = std::make_unique<FirstRunPage>(context);
    FirstRunPage* page = owned.get();
    QObject::connect(&host, &WizardWindow::applyRequested, page, &FirstRunPage::proceed);
    QObject::connect(&host, &WizardWindow::cancelled, page, &FirstRunPage::abandoned);
    QObject::connect(page, &FirstRunPage::finished, &host, &WizardWindow::closePage);
    if (!host.showPage(std::move(owned), FirstRunPage::tr("First-time Setup"), FirstRunPage::tr("&Proceed"),
            WizardWindow::PageLock::Locked))
        return nullptr;
    return page;
}
