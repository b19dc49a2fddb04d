#include "shell/CommandBar.h"

#include "shell/CommandButton.h"
#include "shell/CommandIcons.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QSlider>

namespace {

// The hints of buttons 1 ... 36, in their order.
const char* const kHints[CommandBar::kButtonCount] = {
    "Create a new file", "Open an existing file", "Save the file", "Export as a picture", "Print the picture",
    "Undo the last edit", "Redo the last undo", "Repaint the screen", "Select an item", "Zoom out", "Zoom in",
    "Place the selected item behind other objects", "Place the selected item on top of other objects",
    "Erase the selected item", "Paste from clipboard", "Copy to clipboard", "Insert line", "Insert text",
    "Gridlines", "Snap", "Insert triangle", "Insert square", "Insert rectangle", "Insert circle",
    "Insert ellipse", "Insert polygon", "Insert picture", "Insert arc", "Insert spline", "Insert curve",
    "Insert pie", "Insert star", "Insert solid", "Insert oblong", "Join items", "Split group",
};

using B = UpperButton;

// Buttons in the order they stand in the bar, in groups: files, history,
// selecting and inserting, grid, the selection's commands; the zoom controls
// close the row. None is a gap between groups.
constexpr UpperButton kRowOrder[] = { B::New, B::Open, B::Save, B::Export, B::Print, B::None, B::Undo, B::Redo,
    B::Repaint, B::None, B::Select, B::InsertLine, B::InsertText, B::InsertPicture, B::InsertTriangle,
    B::InsertSquare, B::InsertRectangle, B::InsertCircle, B::InsertEllipse, B::InsertPolygon, B::InsertArc,
    B::InsertSpline, B::InsertCurve, B::InsertPie, B::InsertStar, B::InsertSolid, B::InsertOblong, B::None,
    B::Gridlines, B::Snap, B::None, B::ToBack, B::ToFront, B::Erase, B::Paste, B::Copy, B::JoinItems, B::SplitGroup,
    B::None };

int numberOf(UpperButton which) { return static_cast<int>(which); }

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
        createButton(static_cast<UpperButton>(number));
    for (UpperButton which : kRowOrder) {
        if (which == UpperButton::None)
            row->addSpacing(8);
        else
            row->addWidget(button(which));
    }
    createZoomSlider(row);
    row->addStretch(1);

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

void CommandBar::createZoomSlider(QHBoxLayout* row)
{
    // The track bar sits between Zoom out and Zoom in.
    row->addWidget(button(UpperButton::ZoomOut));
    zoomSlider_ = new QSlider(Qt::Horizontal, this);
    zoomSlider_->setObjectName(QStringLiteral("zoomSlider"));
    zoomSlider_->setRange(0, 300);
    zoomSlider_->setTickInterval(25);
    zoomSlider_->setTickPosition(QSlider::NoTicks);
    zoomSlider_->setPageStep(25);
    zoomSlider_->setValue(100);
    zoomSlider_->setFixedWidth(110);
    zoomSlider_->setFocusPolicy(Qt::NoFocus);
    zoomSlider_->setContextMenuPolicy(Qt::PreventContextMenu);
    zoomSlider_->setToolTip(tr("Zoom"));
    zoomSlider_->installEventFilter(this);
    row->addWidget(zoomSlider_);
    row->addWidget(button(UpperButton::ZoomIn));

    zoomLabel_ = new QLabel(QStringLiteral("100%"), this);
    zoomLabel_->setObjectName(QStringLiteral("zoomLabel"));
    zoomLabel_->setMinimumWidth(zoomLabel_->fontMetrics().horizontalAdvance(QStringLiteral("300% ")));
    zoomLabel_->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    row->addSpacing(4);
    row->addWidget(zoomLabel_);

    connect(zoomSlider_, &QSlider::valueChanged, this, [this](int position) {
        if (zoomSlider_->signalsBlocked())
            return;
        zoomLabel_->setText(QString::number(position) + QLatin1Char('%'));
    });
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
        b->setVisible(visible);
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
            this,
            [this] {
                if (zoomSlider_->value() > 0)
                    emit zoomSliderReleased(zoomSlider_->value());
            },
            Qt::QueuedConnection);
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
