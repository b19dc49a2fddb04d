#include "shell/CommandBar.h"

#include "shell/CommandButton.h"
#include "shell/CommandIcons.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QSlider>

namespace {

const char* const kHints[CommandBar::kButtonCount] = {
    "Create a new file", "Open an existing file", "Save the file", "Export as a picture", "Print the picture",
    "Undo the last edit", "Redo the last undo", "Repaint the screen", "Select an item", "Zoom out", "Zoom in",
    "Place the selected item behind other objects", "Place the selected item on top of other objects",
    "Erase the selected item", "Paste from clipboard", "Copy to clipboard", "Insert line", "Insert text",
    "Gridlines", "Snap", "Insert triangle", "Insert square", "Insert rectangle", "Insert circle",
    "Insert ellipse", "Insert polygon", "Insert picture", "Insert arc", "Insert spline", "Insert curve",
    "Insert pie", "Insert star", "Insert solid", "Insert oblong", "Join items", "Split group",
};

// Buttons in the order they stand in the bar, in groups: files, history,
// selecting and inserting, grid, the selection's commands; the zoom controls
// close the row. A zero is a gap between groups.
constexpr int kRowOrder[] = { 1, 2, 3, 4, 5, 0, 6, 7, 8, 0, 9, 17, 18, 27, 21, 22, 23, 24, 25, 26, 28, 29, 30,
    31, 32, 33, 34, 0, 19, 20, 0, 12, 13, 14, 15, 16, 35, 36, 0 };

constexpr int kLowerAfterMs = 5000;

} // namespace

CommandBar::CommandBar(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("CommandBar"));
    setMouseTracking(true);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(2, 0, 2, 0);
    row->setSpacing(0);
    for (int number = 1; number <= kButtonCount; ++number)
        createButton(number);
    for (int number : kRowOrder) {
        if (number == 0)
            row->addSpacing(8);
        else
            row->addWidget(button(number));
    }
    createTrackBar(row);
    row->addStretch(1);

    timer1_.setSingleShot(true);
    timer1_.setInterval(kLowerAfterMs);
    connect(&timer1_, &QTimer::timeout, this, &CommandBar::lowerAll);
}

void CommandBar::createButton(int number)
{
    auto* button = new CommandButton(number, commandIcon(number), hintOf(number), this);
    button->setObjectName(QStringLiteral("bmenu%1").arg(number));
    buttons_[number - 1] = button;
    connect(button, &CommandButton::hovered, this, &CommandBar::raiseButton);
    connect(button, &QAbstractButton::clicked, this, [this, number] { emit buttonClicked(number); });
}

void CommandBar::createTrackBar(QHBoxLayout* row)
{
    // The track bar sits between Zoom out and Zoom in.
    row->addWidget(button(10));
    trackBar1_ = new QSlider(Qt::Horizontal, this);
    trackBar1_->setObjectName(QStringLiteral("TrackBar1"));
    trackBar1_->setRange(0, 300);
    trackBar1_->setTickInterval(25);
    trackBar1_->setTickPosition(QSlider::NoTicks);
    trackBar1_->setPageStep(25);
    trackBar1_->setValue(100);
    trackBar1_->setFixedWidth(110);
    trackBar1_->setFocusPolicy(Qt::NoFocus);
    trackBar1_->setContextMenuPolicy(Qt::PreventContextMenu);
    trackBar1_->setToolTip(tr("Zoom"));
    trackBar1_->installEventFilter(this);
    row->addWidget(trackBar1_);
    row->addWidget(button(11));

    label3_ = new QLabel(QStringLiteral("100%"), this);
    label3_->setObjectName(QStringLiteral("Label3"));
    label3_->setMinimumWidth(label3_->fontMetrics().horizontalAdvance(QStringLiteral("300% ")));
    label3_->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    row->addSpacing(4);
    row->addWidget(label3_);

    connect(trackBar1_, &QSlider::valueChanged, this, [this](int position) {
        if (trackBar1_->signalsBlocked())
            return;
        label3_->setText(QString::number(position) + QLatin1Char('%'));
    });
}

CommandButton* CommandBar::button(int number) const
{
    return number >= 1 && number <= kButtonCount ? buttons_[number - 1] : nullptr;
}

QString CommandBar::hintOf(int number)
{
    return number >= 1 && number <= kButtonCount ? QString::fromLatin1(kHints[number - 1]) : QString();
}

void CommandBar::setButtonVisible(int number, bool visible)
{
    if (CommandButton* b = button(number)) {
        if (!visible)
            b->setRaised(false);
        b->setVisible(visible);
    }
}

void CommandBar::setButtonEnabled(int number, bool enabled)
{
    if (CommandButton* b = button(number)) {
        if (!enabled)
            b->setRaised(false);
        b->setEnabled(enabled);
    }
}

void CommandBar::setPressedTool(int number)
{
    if (CommandButton* previous = button(pressedTool_))
        previous->setPressedIn(false);
    pressedTool_ = number;
    if (CommandButton* current = button(number))
        current->setPressedIn(true);
}

void CommandBar::setToggle(int number, bool on)
{
    if (CommandButton* b = button(number))
        b->setPressedIn(on);
}

void CommandBar::raiseButton(int number)
{
    CommandButton* target = button(number);
    if (!target || target->isHidden())
        return;
    for (CommandButton* b : buttons_)
        b->setRaised(b == target);
    timer1_.start();
}

void CommandBar::lowerAll()
{
    timer1_.stop();
    for (CommandButton* b : buttons_)
        b->setRaised(false);
}

void CommandBar::setZoomDisplay(int percent)
{
    label3_->setText(QString::number(percent) + QLatin1Char('%'));
    const QSignalBlocker blocker(trackBar1_);
    trackBar1_->setValue(percent);
}

bool CommandBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == trackBar1_ && event->type() == QEvent::MouseButtonRelease) {
        // Let the slider finish its own handling first, then report where it stopped.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (trackBar1_->value() > 0)
                    emit trackBarReleased(trackBar1_->value());
            },
            Qt::QueuedConnection);
    }
    if (watched == trackBar1_ && event->type() == QEvent::Enter)
        lowerAll();
    return QFrame::eventFilter(watched, event);
}

void CommandBar::mouseMoveEvent(QMouseEvent* event)
{
    // Moving over the bar itself, between buttons, lowers every raised button.
    if (!childAt(event->position().toPoint()))
        lowerAll();
    QFrame::mouseMoveEvent(event);
}

void CommandBar::leaveEvent(QEvent* event)
{
    lowerAll();
    QFrame::leaveEvent(event);
}
