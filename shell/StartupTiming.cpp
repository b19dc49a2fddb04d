#include "shell/StartupTiming.h"

#include "canvas/widgets/DocumentWindow.h"
#include "shell/DocumentArea.h"
#include "shell/MainWindow.h"
#include "shell/ZoomControl.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

#include <cstdio>

namespace {

QElapsedTimer& editorClock()
{
    static QElapsedTimer timer;
    return timer;
}

void report(const char* what, qint64 ms, const QString& title = {})
{
    std::fprintf(stderr, "timing: %s %lld ms%s%s\n", what, static_cast<long long>(ms), title.isEmpty() ? "" : ", ",
        qPrintable(title));
}

} // namespace

void startEditorClock()
{
    editorClock().start();
}

qint64 editorUptimeMs()
{
    return editorClock().isValid() ? editorClock().elapsed() : 0;
}

void watchStartupTiming(MainWindow& window, const TimingRequest& request)
{
    if (!request.enabled)
        return;
    const int zoom = request.zoomPercent;
    QObject::connect(window.documentArea(), &QMdiArea::subWindowActivated, &window,
        [&window, zoom](QMdiSubWindow* sub) {
            auto* docWindow = sub ? qobject_cast<DocumentWindow*>(sub->widget()) : nullptr;
            if (!docWindow || docWindow->property("timed").toBool())
                return;
            docWindow->setProperty("timed", true);
            // The first paint lands once the event loop has drawn the window.
            QTimer::singleShot(0, docWindow, [&window, docWindow, zoom] {
                docWindow->repaint();
                report("first paint", editorUptimeMs(), docWindow->title());
                if (zoom <= 0) {
                    QApplication::exit(0);
                    return;
                }
                const qint64 start = editorUptimeMs();
                window.zoom().zoomToPercent(zoom);
                docWindow->repaint();
                report("zoom repaint", editorUptimeMs() - start);
                QApplication::exit(0);
            });
        });
}
