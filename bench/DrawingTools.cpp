// The drawing tools on the real document window in a drawing of 10,000
// items: making the 10,001st item with the square tool, undoing it and
// redoing it, each up to the canvas widget painted again, and one mouse move
// of the square tool's rubber band. Wall-clock time of the whole step as the
// person waits for it; the set-up and the tidying that puts the drawing back
// are left out.

#include "fixtures/RenderFixtures.h"

#include "canvas/EditorContext.h"
#include "canvas/widgets/CanvasImage.h"
#include "canvas/widgets/DocumentWindow.h"
#include "model/DrawingFile.h"
#include "model/History.h"
#include "platform/FileDialogsScripted.h"
#include "platform/MessageBoxScript.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>
#include <random>

namespace {

using namespace renderfixture;

constexpr int kItems = 10000;

QString writeLargeDrawing(const QString& path)
{
    ItemList items;
    addHeader(items, 1600, 1600);
    std::mt19937 random(7);
    std::uniform_int_distribution<int> at(20, 1540), size(10, 50), colour(0, 0xFFFFFF);
    for (int i = 0; i < kItems; ++i) {
        const QPoint c(at(random), at(random));
        const int r = size(random);
        if (i % 2)
            addShape(items, kinds::kCircle, { c, c + QPoint(r, 0) }, colour(random), colour(random));
        else
            addBox(items, c, c + QPoint(r, r * 2 / 3), colour(random));
    }
    for (ItemRecord& r : items)
        syncRealCoordinates(&r, kScreen);
    writeDrawing(path, items);
    return path;
}

// One window on the large drawing, shared by every benchmark.
struct Editor {
    MessageBoxScript prompt;
    FileDialogsScripted dialogs;
    EditorContext context { kScreen, { &prompt, &dialogs } };
    QTemporaryDir folder;
    std::unique_ptr<DocumentWindow> window;

    Editor()
    {
        window = std::make_unique<DocumentWindow>(context);
        window->resize(1000, 800);
        window->show();
        window->initDocument(1, writeLargeDrawing(folder.filePath(QStringLiteral("large.tvle"))));
        QApplication::processEvents();
        window->setEditMode(EditMode::Square);
    }

    void mouse(QEvent::Type type, QPoint at)
    {
        QWidget* canvas = window->canvasImage();
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        QMouseEvent event(type, at, canvas->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(canvas, &event);
    }
    void click(QPoint at)
    {
        mouse(QEvent::MouseButtonPress, at);
        mouse(QEvent::MouseButtonRelease, at);
    }
    // The canvas widget shows what changed before the step counts as done.
    void show() { window->canvasImage()->repaint(); }
    void forgetRedo() { clearRedoSteps(window->items()); }
};

// Made once the application exists and gone before it ends.
std::unique_ptr<Editor> theEditor;

Editor& editor()
{
    if (!theEditor)
        theEditor = std::make_unique<Editor>();
    return *theEditor;
}

const QPoint kFirst(700, 400), kSecond(760, 420);

using Step = std::function<void(Editor&)>;

void timeStep(benchmark::State& state, const Step& setup, const Step& operation, const Step& tidy)
{
    Editor& e = editor();
    for (auto _ : state) {
        setup(e);
        QElapsedTimer clock;
        clock.start();
        operation(e);
        e.show();
        const double seconds = static_cast<double>(clock.nsecsElapsed()) * 1e-9;
        tidy(e);
        state.SetIterationTime(seconds);
    }
}

void registerStep(const char* name, Step setup, Step operation, Step tidy)
{
    benchmark::RegisterBenchmark(
        name, [=](benchmark::State& state) { timeStep(state, setup, operation, tidy); })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const Step firstPoint = [](Editor& e) { e.click(kFirst); };
    const Step secondPoint = [](Editor& e) { e.click(kSecond); };
    const Step made = [&](Editor& e) {
        firstPoint(e);
        secondPoint(e);
    };
    const Step undo = [](Editor& e) { e.window->undo(); };
    const Step redo = [](Editor& e) { e.window->redo(); };
    const Step undoAndForget = [](Editor& e) {
        e.window->undo();
        e.forgetRedo();
    };
    registerStep("MakeItem", firstPoint, secondPoint, undoAndForget);
    registerStep("UndoItem", made, undo, [](Editor& e) { e.forgetRedo(); });
    registerStep(
        "RedoItem",
        [&](Editor& e) {
            made(e);
            e.window->undo();
        },
        redo, undoAndForget);
    // One move of the band, back and forth between two places.
    registerStep(
        "RubberBandMove",
        [](Editor& e) {
            if (e.window->pointCount() == 0)
                e.click(kFirst);
        },
        [](Editor& e) {
            static bool far = false;
            far = !far;
            e.mouse(QEvent::MouseMove, far ? QPoint(900, 600) : QPoint(760, 420));
        },
        [](Editor&) {});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    theEditor.reset();
    return 0;
}
