#include "panels/HelpPage.h"

#include "panels/HelpTexts.h"
#include "panels/HintBox.h"
#include "platform/PaintedIcon.h"
#include "settings/Preferences.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {
constexpr int kPictureSize = 40;
} // namespace

bool HelpPage::exists(Page page)
{
    return helpSwitchOf(page) >= 0 && helpContent(page).has_value();
}

HelpPage::HelpPage(Page page, Preferences& preferences, QWidget* parent)
    : QFrame(parent)
    , page_(page)
    , title_(new QLabel(this))
    , lines_(new HintBox(this))
    , dontShow_(new QCheckBox(this))
{
    setObjectName(QStringLiteral("HelpPage"));
    const HelpContent content = helpContent(page).value_or(HelpContent {});
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(6);

    title_->setObjectName(QStringLiteral("panelTitle"));
    title_->setText(content.title);
    QFont titleFont = title_->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.15);
    title_->setFont(titleFont);
    column->addWidget(title_);

    if (content.picture) {
        auto* picture = new QLabel(this);
        picture->setObjectName(QStringLiteral("picture"));
        picture->setPixmap(makePaintedIcon(content.picture).pixmap(kPictureSize, kPictureSize));
        column->addWidget(picture, 0, Qt::AlignHCenter);
    }

    lines_->setObjectName(QStringLiteral("helpLines"));
    lines_->setLines(content.lines);
    column->addWidget(lines_);

    // The sentence is wider than the panel: it wraps in a label beside the
    // box, and a click on it ticks the box as a click on a check box's own
    // text would.
    const QString sentence = tr("Don't show this help page again.");
    dontShow_->setObjectName(QStringLiteral("dontShowAgain"));
    dontShow_->setAccessibleName(sentence);
    auto* sentenceLabel
        = new QLabel(QStringLiteral("<a href=\"tick\" style=\"color:black; text-decoration:none\">%1</a>")
                         .arg(sentence.toHtmlEscaped()),
            this);
    sentenceLabel->setObjectName(QStringLiteral("dontShowAgainText"));
    sentenceLabel->setWordWrap(true);
    connect(sentenceLabel, &QLabel::linkActivated, dontShow_, &QCheckBox::toggle);
    auto* switchRow = new QHBoxLayout;
    switchRow->setSpacing(2);
    switchRow->addWidget(dontShow_, 0, Qt::AlignTop);
    switchRow->addWidget(sentenceLabel, 1);
    column->addLayout(switchRow);
    column->addStretch(1);

    connect(lines_, &HintBox::linkChosen, this, [this](const QString& link) {
        bool ok = false;
        const int number = link.toInt(&ok);
        if (ok)
            emit stepChosen(number);
    });
    const int index = helpSwitchOf(page);
    connect(dontShow_, &QCheckBox::toggled, this, [this, &preferences, index](bool off) {
        if (index < 0)
            return;
        preferences.helpPages[std::size_t(index)] = !off;
        if (off)
            emit switchedOff(page_);
    });
}
