#include "shell/CommandBar.h"

#include "shell/CommandButton.h"
#include "shell/CommandIcons.h"

#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QSlider>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>

namespace {

// The hints of buttons 1 ... 36, in their order.
const char* const kHints[CommandBar::kButtonCount] = {
    "Create a new file",
    "Open an existing file",
    "Save the file",
    "Export as a picture",
    "Print the picture",
    "Undo the last edit",
    "Redo the last undo",
    "Repaint the screen",
    "Select an item",
    "Zoom out",
    "Zoom in",
    "Place the selected item behind other objects",
    "Place the selected item on top of other objects",
    "Erase the selected item",
    "Paste from clipboard",
    "Copy to clipboard",
    "Insert line",
    "Insert text",
    "Gridlines",
    "Snap",
    "Insert triangle",
    "Insert square",
    "Insert rectangle",
    "Insert circle",
    "Insert ellipse",
    "Insert polygon",
    "Insert picture",
    "Insert arc",
    "Insert spline",
    "Insert curve",
    "Insert pie",
    "Insert star",
    "Insert solid",
    "Insert oblong",
    "Join items",
    "Split group",
};

using B = UpperButton;

// Buttons in the order they stand in the bar, in groups: files, history,
// selecting and inserting, grid, the selection's commands; the zoom controls
// close the row. None is a gap between groups.
constexpr UpperButton kRowOrder[] = { B::New, B::Open, B::Save, B::Export, B::Print, B::None, B::Undo,
    B::Redo, B::Repaint, B::None, B::Select, B::InsertLine, B::InsertText, B::InsertPicture,
    B::InsertTriangle, B::InsertSquare, B::InsertRectangle, B::InsertCircle, B::InsertEllipse,
    B::InsertPolygon, B::InsertArc, B::InsertSpline, B::InsertCurve, B::InsertPie, B::InsertStar,
    B::InsertSolid, B::InsertOblong, B::None, B::Gridlines, B::Snap, B::None, B::ToBack, B::ToFront, B::Erase,
    B::Paste, B::Copy, B::JoinItems, B::SplitGroup, B::None };

int numberOf(UpperButton which)
{
    return static_cast<int>(which);
}

constexpr int kLowerAfterMs = 5000;
constexpr int kGroupGap = 8;
constexpr int kMargin = 2;
constexpr int kOverflowWidth = 20;

} // namespace

CommandBar::CommandBar(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("CommandBar"));
    setMouseTracking(true);
    wanted_.fill(true);
    for (int number = 1; number <= kButtonCount; ++number)
        createButton(static_cast<UpperButton>(number));
    int gap = 0;
    for (UpperButton which : kRowOrder) {
        if (which == UpperButton::None) {
            gap += kGroupGap;
            continue;
        }
        row_.push_back({ button(which), which, gap });
        gap = 0;
    }
    createZoomSlider();
    createOverflowButton();

    lowerTimer_.setSingleShot(true);
    lowerTimer_.setInterval(kLowerAfterMs);
    connect(&lowerTimer_, &QTimer::timeout, this, &CommandBar::lowerAll);
}

void CommandBar::createButton(UpperButton which)
{
    auto* button = new CommandButton(which, commandIcon(which), hintOf(which), this);
    button->setObjectName(QStringLiteral("upperButton%1").arg(numberOf(which)));
    buttons_[std::size_t(numberOf(which) - 1)] = button;
    connect(button, &CommandButton::hovered, this, &CommandBar::raiseButton);
    connect(button, &QAbstractButton::clicked, this, [this, which] { emit buttonClicked(which); });
}

void CommandBar::createZoomSlider()
{
    zoomSlider_ = new QSlider(Qt::Horizontal, this);
    zoomSlider_->setObjectName(QStringLiteral("zoomSlider"));
    zoomSlider_->setRange(0, 300);
    zoomSlider_->setTickInterval(25);
    zoomSlider_->setTickPosition(QSlider::TicksBelow);
    zoomSlider_->setPageStep(25);
    zoomSlider_->setValue(100);
    zoomSlider_->setFixedWidth(110);
    zoomSlider_->setFocusPolicy(Qt::NoFocus);
    zoomSlider_->setContextMenuPolicy(Qt::PreventContextMenu);
    zoomSlider_->setToolTip(tr("Zoom"));
    zoomSlider_->installEventFilter(this);

    zoomLabel_ = new QLabel(QStringLiteral("100%"), this);
    zoomLabel_->setObjectName(QStringLiteral("zoomLabel"));
    zoomLabel_->setFixedWidth(zoomLabel_->fontMetrics().horizontalAdvance(QStringLiteral("300% ")));
    zoomLabel_->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);

    // The track bar sits between Zoom out and Zoom in, its label after them.
    row_.push_back({ button(UpperButton::ZoomOut), UpperButton::ZoomOut, 0 });
    row_.push_back({ zoomSlider_, UpperButton::None, 0 });
    row_.push_back({ button(UpperButton::ZoomIn), UpperButton::ZoomIn, 0 });
    row_.push_back({ zoomLabel_, UpperButton::None, 4 });

    connect(zoomSlider_, &QSlider::valueChanged, this, [this](int position) {
        if (zoomSlider_->signalsBlocked())
            return;
        zoomLabel_->setText(QString::number(position) + QLatin1Char('%'));
    });
}

void CommandBar::createOverflowButton()
{
    overflowButton_ = new QToolButton(this);
    overflowButton_->setObjectName(QStringLiteral("commandBarOverflow"));
    overflowButton_->setText(QStringLiteral("\u00BB"));
    overflowButton_->setToolTip(tr("More commands"));
    overflowButton_->setAutoRaise(true);
    overflowButton_->setPopupMode(QToolButton::InstantPopup);
    overflowButton_->setFixedSize(kOverflowWidth, 24);
    overflowMenu_ = new QMenu(overflowButton_);
    overflowMenu_->setObjectName(QStringLiteral("commandBarOverflowMenu"));
    overflowButton_->setMenu(overflowMenu_);
    connect(overflowMenu_, &QMenu::aboutToShow, this, &CommandBar::fillOverflowMenu);
    overflowButton_->hide();
}

bool CommandBar::wanted(const Slot& slot) const
{
    return slot.which == UpperButton::None || wanted_[std::size_t(numberOf(slot.which) - 1)];
}

// Widgets of a fixed width keep it; the others take their preferred width.
int CommandBar::slotWidth(const Slot& slot)
{
    const QWidget* w = slot.widget;
    return w->maximumWidth() < QWIDGETSIZE_MAX ? w->maximumWidth() : w->sizeHint().width();
}

int CommandBar::rowWidth() const
{
    int width = 0;
    for (const Slot& slot : row_)
        if (wanted(slot))
            width += slot.gapBefore + slotWidth(slot);
    return width;
}

QSize CommandBar::sizeHint() const
{
    return { rowWidth() + 2 * kMargin, 24 };
}

QSize CommandBar::minimumSizeHint() const
{
    return { kOverflowWidth + 2 * kMargin, 24 };
}

void CommandBar::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    layoutRow();
}

// Places the wanted widgets from the left as long as they fit; the buttons
// after the first that does not fit go to the overflow menu.
void CommandBar::layoutRow()
{
    const int right = width() - kMargin;
    const bool overflowing = rowWidth() + 2 * kMargin > width();
    const int limit = overflowing ? right - kOverflowWidth : right;
    overflowed_.clear();
    int x = kMargin;
    bool full = false;
    for (const Slot& slot : row_) {
        if (!wanted(slot)) {
            slot.widget->hide();
            continue;
        }
        const int w = slotWidth(slot);
        const int h = std::min(slot.widget->sizeHint().height(), height());
        full = full || x + slot.gapBefore + w > limit;
        if (full) {
            slot.widget->hide();
            if (slot.which != UpperButton::None)
                overflowed_.push_back(slot.which);
            continue;
        }
        x += slot.gapBefore;
        slot.widget->setGeometry(x, (height() - h) / 2, w, h);
        slot.widget->show();
        x += w;
    }
    overflowButton_->setVisible(overflowing);
    if (overflowing)
        overflowButton_->move(right - kOverflowWidth, (height() - overflowButton_->height()) / 2);
}

void CommandBar::fillOverflowMenu()
{
    overflowMenu_->clear();
    for (UpperButton which : overflowed_) {
        const CommandButton* source = button(which);
        QAction* entry = overflowMenu_->addAction(source->icon(), hintOf(which));
        entry->setObjectName(QStringLiteral("overflow%1").arg(numberOf(which)));
        entry->setEnabled(source->isEnabled());
        entry->setCheckable(source->isPressedIn());
        entry->setChecked(source->isPressedIn());
        connect(entry, &QAction::triggered, this, [this, which] { emit buttonClicked(which); });
    }
}

CommandButton* CommandBar::button(UpperButton which) const
{
    const int number = numberOf(which);
    return number >= 1 && number <= kButtonCount ? buttons_[std::size_t(number - 1)] : nullptr;
}

QString CommandBar::hintOf(UpperButton which)
{
    const int number = numberOf(which);
    return number >= 1 && number <= kButtonCount ? QString::fromLatin1(kHints[number - 1]) : QString();
}

void CommandBar::setButtonVisible(UpperButton which, bool visible)
{
    if (CommandButton* b = button(which)) {
        if (!visible)
            b->setRaised(false);
        wanted_[std::size_t(numberOf(which) - 1)] = visible;
        layoutRow();
    }
}

void CommandBar::setButtonEnabled(UpperButton which, bool enabled)
{
    if (CommandButton* b = button(which)) {
        if (!enabled)
            b->setRaised(false);
        b->setEnabled(enabled);
    }
}

void CommandBar::setPressedTool(UpperButton which)
{
    if (CommandButton* previous = button(pressedTool_))
        previous->setPressedIn(false);
    pressedTool_ = which;
    if (CommandButton* current = button(which))
        current->setPressedIn(true);
}

void CommandBar::setToggle(UpperButton which, bool on)
{
    if (CommandButton* b = button(which))
        b->setPressedIn(on);
}

void CommandBar::raiseButton(UpperButton which)
{
    CommandButton* target = button(which);
    if (!target || target->isHidden())
        return;
    for (CommandButton* b : buttons_)
        b->setRaised(b == target);
    lowerTimer_.start();
}

void CommandBar::lowerAll()
{
    lowerTimer_.stop();
    for (CommandButton* b : buttons_)
        b->setRaised(false);
}

void CommandBar::setZoomDisplay(int percent)
{
    zoomLabel_->setText(QString::number(percent) + QLatin1Char('%'));
    const QSignalBlocker blocker(zoomSlider_);
    zoomSlider_->setValue(percent);
}

bool CommandBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == zoomSlider_ && event->type() == QEvent::MouseButtonRelease) {
        // Let the slider finish its own handling first, then report where it stopped.
        QMetaObject::invokeMethod(
            this, [this] { emit zoomSliderReleased(zoomSlider_->value()); }, Qt::QueuedConnection);
    }
    if (watched == zoomSlider_ && event->type() == QEvent::Wheel) {
        // The wheel zooms by the zoom steps instead of moving the slider
        // to a position that is never applied.
        const QPoint angle = static_cast<QWheelEvent*>(event)->angleDelta();
        sliderWheelRest_ += angle.y() != 0 ? angle.y() : angle.x();
        const int steps = sliderWheelRest_ / QWheelEvent::DefaultDeltasPerStep;
        sliderWheelRest_ -= steps * QWheelEvent::DefaultDeltasPerStep;
        if (steps != 0)
            emit zoomStepsRequested(steps);
        return true;
    }
    if (watched == zoomSlider_ && event->type() == QEvent::Enter)
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
