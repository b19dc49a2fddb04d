#include "MainWindowFixture.h"

#include "model/ItemBody.h"
#include "shell/CommandButton.h"
#include "shell/CommandBar.h"
#include "shell/ZoomSteps.h"

#include <QLabel>
#include <QSlider>

TEST(ZoomSteps, FollowTheStepTable)
{
    struct Case {
        int from, out, in;
    };
    const Case cases[] = { { 10, 25, 50 }, { 25, 25, 50 }, { 50, 25, 75 }, { 51, 50, 75 }, { 74, 50, 75 },
        { 75, 50, 100 }, { 100, 75, 125 }, { 110, 100, 125 }, { 125, 100, 150 }, { 150, 125, 175 },
        { 175, 150, 200 }, { 199, 175, 200 }, { 200, 175, 300 }, { 201, 200, 300 }, { 299, 200, 300 },
        { 300, 200, 300 }, { 400, 400, 400 } };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from);
        EXPECT_EQ(zoomOutStep(c.from), c.out);
        EXPECT_EQ(zoomInStep(c.from), c.in);
    }
}

namespace {

double headerZoom(DocumentWindow* docWindow) { return docWindow->header()->zoom; }

void click(CommandBar* commandBar, UpperButton button)
{
    QTest::mouseClick(commandBar->button(button), Qt::LeftButton);
}

} // namespace

TEST_F(MainWindowFixture, ZoomButtonsStepTheActiveDrawing)
{
    DocumentWindow* docWindow = window->openDocument({});
    CommandBar* commandBar = window->commandBar();
    click(commandBar, UpperButton::ZoomIn);
    EXPECT_DOUBLE_EQ(window->zoom().zoom(), 1.25);
    EXPECT_DOUBLE_EQ(headerZoom(docWindow), 1.25);
    EXPECT_EQ(commandBar->zoomLabel()->text(), "125%");
    EXPECT_EQ(commandBar->zoomSlider()->value(), 125);
    EXPECT_TRUE(window->action("zoom125")->isChecked());

    for (int i = 0; i < 6; ++i)
        click(commandBar, UpperButton::ZoomOut);
    EXPECT_DOUBLE_EQ(headerZoom(docWindow), 0.25);
    EXPECT_TRUE(window->action("zoom25")->isChecked());

    window->action("zoom300")->trigger();
    click(commandBar, UpperButton::ZoomIn);
    EXPECT_DOUBLE_EQ(headerZoom(docWindow), 3.0);
    EXPECT_EQ(commandBar->zoomLabel()->text(), "300%");
}

TEST_F(MainWindowFixture, ZoomSliderZoomsOnReleaseButNotAtZero)
{
    DocumentWindow* docWindow = window->openDocument({});
    QSlider* bar = window->commandBar()->zoomSlider();
    struct Case {
        int position;
        double zoom;
        const char* label;
    };
    for (const Case& c : { Case { 150, 1.5, "150%" }, Case { 0, 1.5, "150%" }, Case { 110, 1.1, "110%" } }) {
        SCOPED_TRACE(c.position);
        bar->setValue(c.position); // as a drag does: the label follows at once
        EXPECT_EQ(window->commandBar()->zoomLabel()->text(), QString::number(c.position) + "%");
        QTest::mouseRelease(bar, Qt::LeftButton, {}, bar->rect().center());
        QTest::qWait(0);
        EXPECT_DOUBLE_EQ(headerZoom(docWindow), c.zoom);
        if (c.position > 0) {
            EXPECT_EQ(window->commandBar()->zoomLabel()->text(), c.label);
        }
    }
    // 110 % has no Zoom menu entry: none is checked.
    for (QAction* entry : { window->action("zoom100"), window->action("zoom125") })
        EXPECT_FALSE(entry->isChecked());
    EXPECT_EQ(bar->contextMenuPolicy(), Qt::PreventContextMenu);
}

TEST_F(MainWindowFixture, ActivatingAWindowShowsItsZoom)
{
    DocumentWindow* first = window->openDocument({});
    window->action("zoom50")->trigger();
    window->openDocument({});
    EXPECT_DOUBLE_EQ(window->zoom().zoom(), 1.0);
    EXPECT_EQ(window->commandBar()->zoomLabel()->text(), "100%");
    window->windowMenu().menu()->actions().first()->trigger();
    EXPECT_EQ(window->activeDocument(), first);
    EXPECT_DOUBLE_EQ(window->zoom().zoom(), 0.5);
    EXPECT_TRUE(window->action("zoom50")->isChecked());
}

TEST_F(MainWindowFixture, GridMenusAndTogglesFollowTheActiveDrawing)
{
    DocumentWindow* gridded = window->openDocument({});
    gridded->header()->showGridX = 1;
    gridded->header()->showGridY = 0;
    gridded->header()->snapX = 0;
    gridded->header()->snapY = 1;
    emit gridded->gridStateChanged();
    EXPECT_TRUE(window->action("grid1")->isChecked()); // Horizontal
    EXPECT_TRUE(window->action("snap2")->isChecked()); // Vertical
    EXPECT_TRUE(window->commandBar()->button(UpperButton::Gridlines)->isPressedIn());
    EXPECT_TRUE(window->commandBar()->button(UpperButton::Snap)->isPressedIn());

    window->openDocument({});
    EXPECT_TRUE(window->action("grid0")->isChecked());
    EXPECT_FALSE(window->commandBar()->button(UpperButton::Gridlines)->isPressedIn());
    window->windowMenu().menu()->actions().first()->trigger();
    EXPECT_TRUE(window->action("grid1")->isChecked());
}
