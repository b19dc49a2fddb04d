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
    setObjectName(QStringLiteral("Panel1"));
    setFrameShape(QFrame::StyledPanel);
    setFixedHeight(boxHeight());

    sideImage4_ = new QLabel(this);
    sideImage4_->setPixmap(lightIcon().pixmap(20, 20));
    sideImage4_->setGeometry(4, 8, 20, 20);
    richEdit4_ = new QLabel(tr("Select what you want to do next..."), this);
    richEdit4_->setObjectName(QStringLiteral("RichEdit4"));
    richEdit4_->setWordWrap(true);
    richEdit4_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    for (int i = 0; i < kRows; ++i) {
        rows_[i] = new NextStepRow(this);
        rows_[i]->setObjectName(QStringLiteral("Panel%1").arg((i + 1) * 10));
        connect(rows_[i], &NextStepRow::hovered, this, [this, i] {
            for (NextStepRow* r : rows_)
                r->setHighlighted(r == rows_[i]);
            timer3_.start();
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

    timer3_.setSingleShot(true);
    timer3_.setInterval(kHighlightMs);
    connect(&timer3_, &QTimer::timeout, this, &NextStepBox::removeHighlights);

    setSteps({});
    layoutRows();
}

void NextStepBox::createBackForward()
{
    bar_ = new QWidget(this);
    auto* row = new QHBoxLayout(bar_);
    row->setContentsMargins(2, 0, 2, 0);
    row->setSpacing(2);
    back1_ = new QToolButton(bar_);
    back1_->setObjectName(QStringLiteral("back1button"));
    back1_->setIcon(walkIcon(false));
    back1_->setAutoRaise(true);
    back1_->setToolTip(tr("Back"));
    label1_ = new QLabel(tr("Back"), bar_);
    label1_->setObjectName(QStringLiteral("Label1"));
    forward1_ = new QToolButton(bar_);
    forward1_->setObjectName(QStringLiteral("forward1button"));
    forward1_->setIcon(walkIcon(true));
    forward1_->setAutoRaise(true);
    forward1_->setToolTip(tr("Forward"));
    row->addWidget(back1_);
    row->addWidget(label1_);
    row->addStretch(1);
    row->addWidget(forward1_);
    connect(back1_, &QToolButton::clicked, this, &NextStepBox::backClicked);
    connect(forward1_, &QToolButton::clicked, this, &NextStepBox::forwardClicked);
    setBackEnabled(false);
    setForwardEnabled(false);
}

void NextStepBox::layoutRows()
{
    const int w = width() > 0 ? width() : 120;
    richEdit4_->setGeometry(28, 2, w - 32, kTextHeight - 4);
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
    sideImage4_->setVisible(!steps.empty());
    richEdit4_->setVisible(!steps.empty());
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
    back1_->setEnabled(enabled);
    label1_->setEnabled(enabled);
}

void NextStepBox::setForwardEnabled(bool enabled) { forward1_->setEnabled(enabled); }

void NextStepBox::removeHighlights()
{
    timer3_.stop();
    for (NextStepRow* row : rows_)
        row->setHighlighted(false);
}
