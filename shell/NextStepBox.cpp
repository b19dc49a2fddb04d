#include "shell/NextStepBox.h"

#include "platform/PaintedIcon.h"
#include "shell/NextStepRow.h"
#include "shell/NextSteps.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QToolButton>

namespace {

constexpr int kTextHeight = 40;   // the first row stands this far from the top
constexpr int kRowHeight = 24;
constexpr int kRowOverlap = 2;
constexpr int kBarHeight = 22;
constexpr int kHighlightMs = 5000;

QIcon lightIcon()
{
    return makePaintedIcon([](QPainter& p) {
        p.setPen(iconPen(1.1));
        p.setBrush(QColor(0xff, 0xe8, 0x7a));
        p.drawEllipse(QPointF(10, 8), 6, 6);
        p.setBrush(QColor(0xb0, 0xb8, 0xc4));
        p.drawRect(QRectF(7.5, 13.5, 5, 4));
    });
}

QIcon walkIcon(bool forward)
{
    return makePaintedIcon([forward](QPainter& p) {
        if (forward) {
            p.translate(20, 0);
            p.scale(-1, 1);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(iconcolors::kGreen);
        p.drawEllipse(QPointF(10, 10), 8.5, 8.5);
        p.setPen(iconPen(2.2, Qt::white));
        p.drawLine(QPointF(14, 10), QPointF(6.5, 10));
        p.drawLine(QPointF(10, 6), QPointF(6, 10));
        p.drawLine(QPointF(10, 14), QPointF(6, 10));
    });
}

int boxHeight()
{
    return kTextHeight + NextStepBox::kRows * (kRowHeight - kRowOverlap) + kRowOverlap + kBarHeight + 6;
}

} // namespace

NextStepBox::NextStepBox(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("nextStepBox"));
    setFrameShape(QFrame::StyledPanel);
    setFixedHeight(boxHeight());

    picture_ = new QLabel(this);
    picture_->setPixmap(lightIcon().pixmap(20, 20));
    picture_->setGeometry(4, 8, 20, 20);
    title_ = new QLabel(tr("Select what you want to do next..."), this);
    title_->setObjectName(QStringLiteral("nextStepTitle"));
    title_->setWordWrap(true);
    title_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    for (int i = 0; i < kRows; ++i) {
        rows_[i] = new NextStepRow(this);
        rows_[i]->setObjectName(QStringLiteral("nextStepRow%1").arg(i + 1));
        connect(rows_[i], &NextStepRow::hovered, this, [this, i] {
            for (NextStepRow* r : rows_)
                r->setHighlighted(r == rows_[i]);
            highlightTimer_.start();
            emit rowHovered();
        });
        connect(rows_[i], &QAbstractButton::clicked, this, [this, i] {
            const int number = rows_[i]->step();
            rows_[i]->hide();
            layoutRows();
            emit stepChosen(number);
        });
    }
    createBackForward();

    highlightTimer_.setSingleShot(true);
    highlightTimer_.setInterval(kHighlightMs);
    connect(&highlightTimer_, &QTimer::timeout, this, &NextStepBox::removeHighlights);

    setSteps({});
    layoutRows();
}

void NextStepBox::createBackForward()
{
    bar_ = new QWidget(this);
    auto* row = new QHBoxLayout(bar_);
    row->setContentsMargins(2, 0, 2, 0);
    row->setSpacing(2);
    backButton_ = new QToolButton(bar_);
    backButton_->setObjectName(QStringLiteral("backButton"));
    backButton_->setIcon(walkIcon(false));
    backButton_->setAutoRaise(true);
    backButton_->setToolTip(tr("Back"));
    backLabel_ = new QLabel(tr("Back"), bar_);
    backLabel_->setObjectName(QStringLiteral("backLabel"));
    forwardButton_ = new QToolButton(bar_);
    forwardButton_->setObjectName(QStringLiteral("forwardButton"));
    forwardButton_->setIcon(walkIcon(true));
    forwardButton_->setAutoRaise(true);
    forwardButton_->setToolTip(tr("Forward"));
    row->addWidget(backButton_);
    row->addWidget(backLabel_);
    row->addStretch(1);
    row->addWidget(forwardButton_);
    connect(backButton_, &QToolButton::clicked, this, &NextStepBox::backClicked);
    connect(forwardButton_, &QToolButton::clicked, this, &NextStepBox::forwardClicked);
    setBackEnabled(false);
    setForwardEnabled(false);
}

void NextStepBox::layoutRows()
{
    const int w = width() > 0 ? width() : 120;
    title_->setGeometry(28, 2, w - 32, kTextHeight - 4);
    int y = kTextHeight;
    for (NextStepRow* row : rows_) {
        row->setGeometry(2, y, w - 4, kRowHeight);
        if (!row->isHidden())
            y += kRowHeight - kRowOverlap;
    }
    bar_->setGeometry(0, height() - kBarHeight - 3, w, kBarHeight);
}

void NextStepBox::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    layoutRows();
}

void NextStepBox::setSteps(const std::set<int>& steps)
{
    auto it = steps.begin();
    for (NextStepRow* row : rows_) {
        if (it != steps.end()) {
            row->setStep(*it, nextsteps::step(*it).caption);
            row->show();
            ++it;
        } else {
            row->setStep(0, QString());
            row->hide();
        }
    }
    picture_->setVisible(!steps.empty());
    title_->setVisible(!steps.empty());
    removeHighlights();
    layoutRows();
}

std::array<int, NextStepBox::kRows> NextStepBox::shownSteps() const
{
    std::array<int, kRows> shown {};
    for (int i = 0; i < kRows; ++i)
        shown[i] = rows_[i]->isHidden() ? 0 : rows_[i]->step();
    return shown;
}

void NextStepBox::setBackEnabled(bool enabled)
{
    backButton_->setEnabled(enabled);
    backLabel_->setEnabled(enabled);
}

void NextStepBox::setForwardEnabled(bool enabled) { forwardButton_->setEnabled(enabled); }

void NextStepBox::removeHighlights()
{
    highlightTimer_.stop();
    for (NextStepRow* row : rows_)
        row->setHighlighted(false);
}
