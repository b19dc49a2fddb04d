#include "canvas/EditorContext.h"
#include "canvas/widgets/DocumentWindow.h"
#include "output/PageSetup.h"
#include "panels/ToolPalette.h"
#include "panels/WizardWindow.h"
#include "platform/DesktopRegistration.h"
#include "platform/FileDialogsScripted.h"
#include "platform/MessageBoxScript.h"
#include "platform/SettingsStore.h"
#include "shell/FirstRunPage.h"
#include "shell/MainWindow.h"
#include "shell/SidePanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace {

const QString kExecutable = QStringLiteral("/opt/tavelle/bin/tavelle");

// Starts of the editor over one settings file and one data folder, as a user
// would see them from one run to the next. The desktop's database tools are
// counted, not run.
class FirstRun : public testing::Test {
protected:
    FirstRun() { start(); }
    ~FirstRun() override { stop(); }

    void start()
    {
        stop();
        context
            = std::make_unique<EditorContext>(ScreenMetrics { 96, 96 }, DialogServices { &prompt, &dialogs });
        EXPECT_TRUE(context->loadSettings(std::make_unique<SettingsStore>(settingsFile())));
        context->setFileTypeRegistration(
            std::make_unique<DesktopRegistration>(DesktopRegistration::Setup { dataHome.path(), kExecutable,
                [](int size) {
                    QImage image(size, size, QImage::Format_ARGB32);
                    image.fill(Qt::blue);
                    return image;
                },
                [this](const QString&, const QStringList&) {
                    ++toolRuns;
                    return ToolRun::Succeeded;
                } }));
        window = std::make_unique<MainWindow>(*context);
        window->show();
    }

    void stop()
    {
        if (!window)
            return;
        for (DocumentWindow* docWindow : window->documents())
            docWindow->closeWithoutQuestions();
        window.reset();
        context.reset();
    }

    QString settingsFile() const { return config.filePath("Tavelle/Tavelle.conf"); }

    std::optional<std::int32_t> storedInt(const QString& group, const QString& name) const
    {
        SettingsStore store(settingsFile());
        store.load();
        return store.readInt(group, name);
    }
    std::optional<std::int32_t> stored(const QString& name) const
    {
        return storedInt("CustomSettings", name);
    }

    WizardWindow* wizard() const { return window->wizardWindow(); }
    FirstRunPage* page() const { return qobject_cast<FirstRunPage*>(wizard()->page()); }

    // The setup comes a second after the window shows.
    FirstRunPage* waitForSetup() const
    {
        if (!QTest::qWaitFor([this] { return page() && wizard()->isVisible(); }, 3000))
            return nullptr;
        // The offscreen platform leaves the main window active; the Alt keys
        // need the host to be.
        wizard()->activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == wizard(); }));
        return page();
    }

    bool waitForFirstDrawing() const
    {
        return QTest::qWaitFor([this] { return window->documents().size() == 1; }, 3000);
    }

    bool dataHomeIsEmpty() const
    {
        return QDir(dataHome.path())
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
            .isEmpty();
    }

    // A plain file where the registration needs a folder makes its writes there fail.
    void block(const QString& folder) const
    {
        QFile file(dataHome.filePath(folder));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QTemporaryDir config;
    QTemporaryDir dataHome;
    MessageBoxScript prompt { UserPrompt::Answer::Ok };
    FileDialogsScripted dialogs;
    int toolRuns = 0;
    std::unique_ptr<EditorContext> context;
    std::unique_ptr<MainWindow> window;
};

// Clicks or Alt keys on the page: "M"/"I" click a box, "alt+M"/"alt+I" press
// its key; "click", "alt+P" and "enter" are the ways to proceed.
void clickBox(QCheckBox* box)
{
    // On the box itself: the widget is as wide as the page, its caption is not.
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

void act(FirstRunPage& page, WizardWindow& host, const QString& step)
{
    if (step == "M")
        clickBox(page.millimetersBox());
    else if (step == "I")
        clickBox(page.inchesBox());
    else if (step.startsWith("alt+")) {
        QTest::keyClick(&host, step.back().toLatin1(), Qt::AltModifier);
        // A button's Alt key presses it visibly: the click comes a moment later.
        QTest::qWait(200);
    } else if (step == "click")
        QTest::mouseClick(host.applyButton(), Qt::LeftButton);
    else if (step == "enter")
        QTest::keyClick(&host, Qt::Key_Return);
    else
        ADD_FAILURE() << "unknown step " << step.toStdString();
}

struct ChoiceCase {
    const char* name;
    const char* steps;
    const char* proceed;
    int units;
};

void PrintTo(const ChoiceCase& c, std::ostream* os) { *os << c.name; }

class FirstRunChoice : public FirstRun, public testing::WithParamInterface<ChoiceCase> { };

} // namespace

TEST_F(FirstRun, PageShowsItsCaptionTextsAndButtonsInsteadOfTheFirstDrawing)
{
    FirstRunPage* shown = waitForSetup();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(wizard()->windowTitle(), "First-time Setup");
    EXPECT_EQ(wizard()->applyButton()->text(), "&Proceed");
    EXPECT_TRUE(wizard()->applyButton()->isDefault());
    EXPECT_EQ(wizard()->cancelButton()->text(), "Cancel");
    EXPECT_FALSE(wizard()->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    QStringList texts;
    for (const QLabel* label : shown->findChildren<QLabel*>())
        texts << label->text();
    EXPECT_TRUE(texts.contains("Step 1")) << texts.join('|').toStdString();
    EXPECT_TRUE(
        texts.contains("In this step, please select the <b>measuring units</b> that you prefer to use and "
                       "then click on the Proceed button."))
        << texts.join('|').toStdString();
    EXPECT_EQ(shown->millimetersBox()->text(), "&Millimeters");
    EXPECT_EQ(shown->inchesBox()->text(), "&Inches");
    EXPECT_TRUE(window->documents().empty());
    EXPECT_TRUE(window->sidePanel()->toolPalette()->hint()->isHidden());

    // Nothing else may take the host while the setup is on show.
    EXPECT_FALSE(wizard()->showPage(std::make_unique<QWidget>(), "Other", "Apply"));
    EXPECT_EQ(page(), shown);
}

TEST_P(FirstRunChoice, LastBoxChangedDecidesTheUnitsThenTheTypeIsRegistered)
{
    const ChoiceCase& c = GetParam();
    FirstRunPage* shown = waitForSetup();
    ASSERT_NE(shown, nullptr);
    const int digitalImagesUnits
        = pageSetupOf(context->preferences().pageSetups, designtypes::kDigitalImages).units;
    for (const QString& step : QString(c.steps).split(' '))
        act(*shown, *wizard(), step);
    EXPECT_EQ(shown->millimetersBox()->isChecked(), c.units == 2);
    EXPECT_EQ(shown->inchesBox()->isChecked(), c.units == 3);
    act(*shown, *wizard(), c.proceed);

    EXPECT_TRUE(prompt.asked.isEmpty());
    EXPECT_FALSE(wizard()->isVisible());
    const Preferences& preferences = context->preferences();
    EXPECT_EQ(preferences.defaults.units, c.units);
    EXPECT_EQ(pageSetupOf(preferences.pageSetups, designtypes::kBusinessCards).units, c.units);
    EXPECT_EQ(pageSetupOf(preferences.pageSetups, designtypes::kDigitalImages).units, digitalImagesUnits);

    EXPECT_EQ(stored("units"), c.units);
    EXPECT_EQ(stored("ddeins"), 0);
    EXPECT_TRUE(QFile::exists(dataHome.filePath("applications/tavelle.desktop")));
    EXPECT_TRUE(QFile::exists(dataHome.filePath("mime/packages/tavelle.xml")));
    EXPECT_EQ(toolRuns, 2);

    EXPECT_TRUE(waitForFirstDrawing());
    EXPECT_FALSE(window->sidePanel()->toolPalette()->hint()->isHidden());

    // The next start goes straight to its drawing.
    start();
    EXPECT_TRUE(waitForFirstDrawing());
    EXPECT_FALSE(wizard()->isVisible());
    EXPECT_EQ(context->preferences().defaults.units, c.units);
}

INSTANTIATE_TEST_SUITE_P(Cases, FirstRunChoice,
    testing::Values(ChoiceCase { "inches_then_millimeters", "I M", "click", 2 },
        ChoiceCase { "millimeters_then_inches", "M I", "click", 3 },
        ChoiceCase { "keys_inches_then_millimeters", "alt+I alt+M", "alt+P", 2 },
        ChoiceCase { "keys_millimeters_then_inches", "alt+M alt+I", "enter", 3 }),
    [](const testing::TestParamInfo<ChoiceCase>& param) { return param.param.name; });

// Unchecking the only checked box leaves no choice on screen, so none is
// taken: Proceed asks again instead of picking the other unit.
TEST_F(FirstRun, ProceedWithoutAChoiceShowsTheErrorAndKeepsThePage)
{
    FirstRunPage* shown = waitForSetup();
    ASSERT_NE(shown, nullptr);
    for (const char* steps : { "", "M M", "I I" }) {
        for (const QString& step : QString(steps).split(' ', Qt::SkipEmptyParts))
            act(*shown, *wizard(), step);
        prompt.asked.clear();
        act(*shown, *wizard(), "click");
        ASSERT_EQ(prompt.asked.size(), 1) << steps;
        EXPECT_EQ(prompt.asked[0].text, "Please select Millimeters or Inches");
        EXPECT_EQ(prompt.asked[0].kind, UserPrompt::Kind::Error);
        EXPECT_EQ(prompt.asked[0].buttons, UserPrompt::Buttons::Ok);
        EXPECT_TRUE(wizard()->isVisible());
        EXPECT_EQ(page(), shown);
    }
    EXPECT_FALSE(QFile::exists(settingsFile()));
    EXPECT_TRUE(dataHomeIsEmpty());
    EXPECT_TRUE(window->documents().empty());
}

TEST_F(FirstRun, CancelEndsTheProgramHalfASecondLaterLeavingNothingBehind)
{
    const std::function<void(WizardWindow&)> cancels[] = {
        [](WizardWindow& host) { QTest::mouseClick(host.cancelButton(), Qt::LeftButton); },
        [](WizardWindow& host) { QTest::keyClick(&host, Qt::Key_Escape); },
        [](WizardWindow& host) { host.close(); },
    };
    for (const auto& cancel : cancels) {
        start();
        FirstRunPage* shown = waitForSetup();
        ASSERT_NE(shown, nullptr);
        act(*shown, *wizard(), "M");
        cancel(*wizard());
        EXPECT_FALSE(wizard()->isVisible());
        EXPECT_TRUE(window->isVisible());
        QTest::qWait(300);
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(QTest::qWaitFor([this] { return !window->isVisible(); }, 1000));

        EXPECT_FALSE(QFile::exists(settingsFile()));
        EXPECT_TRUE(dataHomeIsEmpty());
        EXPECT_EQ(toolRuns, 0);
        EXPECT_TRUE(prompt.asked.isEmpty());
    }
    // The setup comes again at the next start.
    start();
    EXPECT_NE(waitForSetup(), nullptr);
}

TEST_F(FirstRun, FailedWriteIsRetriedAtEachStartUntilItSucceedsThenLeftAlone)
{
    block("applications");
    FirstRunPage* shown = waitForSetup();
    ASSERT_NE(shown, nullptr);
    act(*shown, *wizard(), "I");
    act(*shown, *wizard(), "click");
    EXPECT_EQ(stored("ddeins"), 33);
    EXPECT_EQ(stored("units"), 3);
    EXPECT_EQ(toolRuns, 2);
    EXPECT_TRUE(waitForFirstDrawing());

    // Still failing: the next start writes everything again and records it.
    QFile::remove(dataHome.filePath("mime/packages/tavelle.xml"));
    start();
    EXPECT_EQ(toolRuns, 4);
    EXPECT_TRUE(QFile::exists(dataHome.filePath("mime/packages/tavelle.xml")));
    EXPECT_EQ(stored("ddeins"), 33);
    EXPECT_TRUE(waitForFirstDrawing());
    EXPECT_FALSE(wizard()->isVisible());

    QFile::remove(dataHome.filePath("applications"));
    start();
    EXPECT_EQ(toolRuns, 6);
    EXPECT_EQ(stored("ddeins"), 0);
    EXPECT_TRUE(QFile::exists(dataHome.filePath("applications/tavelle.desktop")));

    // Once it went through, later starts do not touch the desktop's files.
    QFile::remove(dataHome.filePath("applications/tavelle.desktop"));
    start();
    EXPECT_EQ(toolRuns, 6);
    EXPECT_FALSE(QFile::exists(dataHome.filePath("applications/tavelle.desktop")));
    EXPECT_EQ(stored("ddeins"), 0);
    EXPECT_EQ(stored("units"), 3);
}
