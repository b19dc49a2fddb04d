// The main window as a desktop user expects it: the keys that close and
// switch drawings, new windows in sight, the wheel, the zoom slider and the
// upper menu on a narrow window.
#include "MainWindowFixture.h"

#include "canvas/widgets/CanvasImage.h"
#include "model/ItemBody.h"
#include "shell/CommandBar.h"
#include "shell/CommandButton.h"

#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QSlider>
#include <QSpontaneKeyEvent>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QToolButton>
#include <QWheelEvent>

namespace {

using B = UpperButton;

// Shortcuts answer only while their window is the active one.
void activate(QWidget* window)
{
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

// Turns the wheel over `target` as the window system delivers it: the event
// goes up from the widget under the mouse until one takes it.
void turnWheel(QWidget* target, QPoint angle, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    QWheelEvent event(
        at, target->mapToGlobal(at), QPoint(), angle, Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&event);
    // notify, unlike sendEvent, keeps the event spontaneous.
    QApplication::instance()->notify(target, &event);
}

int zoomPercentOf(const DocumentWindow* docWindow)
{
    return qRound(docWindow->header()->zoom * 100);
}

} // namespace

TEST_F(MainWindowFixture, CtrlWClosesTheActiveDrawing)
{
    DocumentWindow* first = window->openDocument({});
    DocumentWindow* second = window->openDocument({});
    activate(window.get());
    QTest::keyClick(second, Qt::Key_W, Qt::ControlModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return documentCount() == 1; }, 2000));
    EXPECT_EQ(window->activeDocument(), first);
}

TEST_F(MainWindowFixture, CtrlTabAndCtrlShiftTabSwitchDrawings)
{
    window->openDocument({});
    window->openDocument({});
    DocumentWindow* third = window->openDocument({});
    activate(window.get());
    QTest::keyClick(third, Qt::Key_Tab, Qt::ControlModifier);
    DocumentWindow* next = window->activeDocument();
    EXPECT_NE(next, third);
    QTest::keyClick(next, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(window->activeDocument(), third);
}

TEST_F(MainWindowFixture, CtrlShiftSAsksForANewName)
{
    DocumentWindow* docWindow = window->openDocument({});
    activate(window.get());
    QTest::keyClick(docWindow, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(dialogs.calls.size(), 1);
    EXPECT_EQ(dialogs.calls[0].request.title, "Save As");
}

// Ctrl+N three times on a large, a small and a tiny main window: every
// window lies wholly inside the document area, each one down and right from
// the last, or filling an area too small for that; the area needs no scroll
// bars.
TEST_F(MainWindowFixture, NewWindowsAppearInsideTheDocumentArea)
{
    for (const QSize size : { QSize(1100, 760), QSize(640, 480), QSize(420, 330) }) {
        SCOPED_TRACE(size.width());
        window->resize(size);
        activate(window.get());
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
        ASSERT_EQ(documentCount(), 3);
        const QRect area = window->documentArea()->viewport()->rect();
        QPoint previous(-1, -1);
        for (QMdiSubWindow* sub : window->documentArea()->subWindowList()) {
            EXPECT_TRUE(area.contains(sub->geometry())) << sub->geometry().x() << "," << sub->geometry().y()
                                                        << " " << sub->width() << "x" << sub->height();
            if (area.width() >= 480 && area.height() >= 400) {
                EXPECT_GT(sub->x(), previous.x());
                EXPECT_GT(sub->y(), previous.y());
            } else {
                EXPECT_EQ(sub->geometry(), area);
            }
            previous = sub->pos();
        }
        EXPECT_FALSE(window->documentArea()->horizontalScrollBar()->isVisible());
        EXPECT_FALSE(window->documentArea()->verticalScrollBar()->isVisible());
        for (DocumentWindow* docWindow : window->documents())
            docWindow->closeWithoutQuestions();
    }
}

// The wheel over the canvas: down the drawing, sideways with Shift, and with
// Ctrl through the zoom steps (100 -> 125 -> 150, and 100 -> 75).
TEST_F(MainWindowFixture, WheelOverTheCanvasScrollsAndZooms)
{
    DocumentWindow* docWindow = window->openDocument({});
    window->zoom().zoomToPercent(300);
    QWidget* canvas = docWindow->canvasImage();
    ASSERT_TRUE(docWindow->scrollBarX()->isVisible() && docWindow->scrollBarY()->isVisible());

    // One notch is three lines of 20 pixels.
    turnWheel(canvas, { 0, -120 });
    EXPECT_EQ(docWindow->scrollBarY()->value(), 60);
    EXPECT_EQ(docWindow->scrollBarX()->value(), 0);
    turnWheel(canvas, { 0, -120 }, Qt::ShiftModifier);
    EXPECT_EQ(docWindow->scrollBarX()->value(), 60);
    turnWheel(canvas, { 0, 60 });
    turnWheel(canvas, { 0, 60 });
    EXPECT_EQ(docWindow->scrollBarY()->value(), 0);

    struct Case {
        int start, notches, expected;
    };
    for (const Case c :
        { Case { 100, 1, 125 }, Case { 100, 2, 150 }, Case { 100, -1, 75 }, Case { 300, 1, 300 } }) {
        window->zoom().zoomToPercent(c.start);
        turnWheel(docWindow->canvasImage(), { 0, 120 * c.notches }, Qt::ControlModifier);
        EXPECT_EQ(zoomPercentOf(docWindow), c.expected) << c.start << " " << c.notches;
        EXPECT_EQ(window->commandBar()->zoomLabel()->text(), QString::number(c.expected) + "%");
    }
}

// The slider's label shows only zooms in force: the wheel over it zooms by
// steps, and a release at 0, which changes nothing, puts the label back.
TEST_F(MainWindowFixture, ZoomSliderLabelNeverShowsAZoomThatIsNotApplied)
{
    DocumentWindow* docWindow = window->openDocument({});
    QSlider* slider = window->commandBar()->zoomSlider();
    QLabel* label = window->commandBar()->zoomLabel();

    turnWheel(slider, { 0, 120 });
    EXPECT_EQ(zoomPercentOf(docWindow), 125);
    EXPECT_EQ(label->text(), "125%");
    EXPECT_EQ(slider->value(), 125);

    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = Qt::Horizontal;
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = option.sliderValue = slider->value();
    const QPoint handle = slider->style()
                              ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider)
                              .center();
    QTest::mousePress(slider, Qt::LeftButton, {}, handle);
    QTest::mouseMove(slider, QPoint(0, handle.y()));
    EXPECT_EQ(slider->value(), 0);
    EXPECT_EQ(label->text(), "0%"); // while dragging, the label follows
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(0, handle.y()));
    EXPECT_TRUE(QTest::qWaitFor([label] { return label->text() == "125%"; }, 1000))
        << label->text().toStdString();
    EXPECT_EQ(slider->value(), 125);
    EXPECT_EQ(zoomPercentOf(docWindow), 125);
}

TEST_F(MainWindowFixture, SaveButtonIsUsableExactlyWhenFileSaveIs)
{
    CommandButton* save = window->commandBar()->button(B::Save);
    QAction* entry = window->action("fileSave");
    EXPECT_FALSE(entry->isEnabled());
    EXPECT_FALSE(save->isEnabled());
    DocumentWindow* docWindow = window->openDocument({});
    EXPECT_TRUE(entry->isEnabled());
    EXPECT_TRUE(save->isEnabled());
    docWindow->closeWithoutQuestions();
    EXPECT_TRUE(QTest::qWaitFor([entry] { return !entry->isEnabled(); }, 2000));
    EXPECT_FALSE(save->isEnabled());
}

// On a narrow main window the buttons that do not fit are in the overflow
// menu, and choosing one there does what the button does.
TEST_F(MainWindowFixture, NarrowWindowKeepsEveryUpperMenuButtonReachable)
{
    CommandBar* bar = window->commandBar();
    window->resize(420, 400);
    QTest::qWait(50);
    ASSERT_LT(bar->width(), bar->sizeHint().width());
    EXPECT_TRUE(bar->overflowButton()->isVisible());
    const std::vector<UpperButton> overflowed = bar->overflowed();
    for (int number = 1; number <= CommandBar::kButtonCount; ++number) {
        const auto which = static_cast<UpperButton>(number);
        CommandButton* button = bar->button(which);
        const bool inMenu = std::find(overflowed.begin(), overflowed.end(), which) != overflowed.end();
        const bool shown = button->isVisible() && bar->rect().contains(button->geometry());
        const bool hiddenOnPurpose = (which == B::ToBack || which == B::ToFront || which == B::Erase
            || which == B::Paste || which == B::Copy || which == B::JoinItems || which == B::SplitGroup);
        EXPECT_TRUE(shown != inMenu || hiddenOnPurpose) << number;
    }
    ASSERT_FALSE(overflowed.empty());

    // New sits at the row's start and Zoom in near its end.
    EXPECT_NE(std::find(overflowed.begin(), overflowed.end(), B::ZoomIn), overflowed.end());
    window->openDocument({});
    bar->overflowButton()->menu()->popup(bar->mapToGlobal(QPoint(0, bar->height())));
    QAction* zoomIn
        = bar->overflowButton()->menu()->findChild<QAction*>("overflow" + QString::number(int(B::ZoomIn)));
    ASSERT_NE(zoomIn, nullptr);
    zoomIn->trigger();
    bar->overflowButton()->menu()->hide();
    EXPECT_EQ(zoomPercentOf(window->activeDocument()), 125);

    window->resize(1400, 760);
    QTest::qWait(50);
    EXPECT_FALSE(bar->overflowButton()->isVisible());
    EXPECT_TRUE(bar->overflowed().empty());
}
