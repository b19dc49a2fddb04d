#include "canvas/widgets/DocumentWindow.h"

#include "base/UserPrompt.h"
#include "canvas/DocumentPainting.h"
#include "canvas/DocumentSettings.h"
#include "canvas/EditorContext.h"
#include "canvas/FileCommands.h"
#include "canvas/GridlineSetup.h"
#include "canvas/ProgressiveEffects.h"
#include "canvas/widgets/CanvasImage.h"
#include "canvas/widgets/DragHint.h"
#include "canvas/widgets/RulerWidget.h"
#include "model/DrawingFile.h"
#include "model/DrawingHeader.h"
#include "model/History.h"
#include "model/ItemKinds.h"
#include "model/ItemRecord.h"
#include "platform/Bitmap24.h"
#include "render/ViewTransform.h"

#include <QCloseEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QScrollBar>

namespace {

// Picture files make an untitled drawing that receives the picture.
bool isPictureFileName(const QString& fileName)
{
    QString ext = QFileInfo(fileName).suffix().trimmed().toLower();
    if (ext.startsWith(QLatin1Char('.')))
        ext.remove(0, 1);
    static const QStringList pictures
        = { QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("gif"), QStringLiteral("bmp"),
              QStringLiteral("ico"), QStringLiteral("emf"), QStringLiteral("wmf") };
    return pictures.contains(ext);
}

// Passes questions on and notes that one was asked: a load that fails after
// a question failed because the user declined, which needs no further message.
class NotingPrompt : public UserPrompt {
public:
    explicit NotingPrompt(UserPrompt& inner)
        : inner_(inner)
    {
    }
    Answer ask(Kind kind, const QString& text, Buttons buttons) override
    {
        asked = true;
        return inner_.ask(kind, text, buttons);
    }
    bool asked = false;

private:
    UserPrompt& inner_;
};

} // namespace

DocumentWindow::DocumentWindow(EditorContext& context, QWidget* parent)
    : QWidget(parent)
    , context_(context)
    , effects_(std::make_unique<ProgressiveEffects>())
    , canvasBitmap_(std::make_unique<Bitmap24>(1, 1))
{
    busy_ = true;
    initialised_ = false;
    setObjectName(QStringLiteral("DocumentWindow"));
    setMinimumSize(120, 90);
    createControls();
    createTimers();
    setEditMode(carriesOver(context.currentTool()) ? context.currentTool() : EditMode::Select);
}

DocumentWindow::~DocumentWindow()
{
    destroying_ = true;
    ++effectsGeneration_;
    effects_->stop();
}

void DocumentWindow::createTimers()
{
    const std::pair<QTimer*, int> timers[]
        = { { &toolPanelTimer_, 200 }, { &effectsTimer_, 100 }, { &holdTimer_, 200 }, { &caretTimer_, 500 } };
    for (const auto& [timer, interval] : timers) {
        timer->setSingleShot(true);
        timer->setInterval(interval);
    }
    connect(&toolPanelTimer_, &QTimer::timeout, this, &DocumentWindow::showToolPanel);
    connect(&effectsTimer_, &QTimer::timeout, this, &DocumentWindow::startEffectsPass);
    connect(&holdTimer_, &QTimer::timeout, this, &DocumentWindow::holdTimeout);
    caretTimer_.setSingleShot(false);
    connect(&caretTimer_, &QTimer::timeout, this, &DocumentWindow::blinkCaret);
}

HeaderBody* DocumentWindow::header() const
{
    ItemRecord* h = findHeader(items_);
    return h ? &h->header : nullptr;
}

QString DocumentWindow::title() const
{
    const QString name = QFileInfo(fileName_).completeBaseName().trimmed();
    if (!name.isEmpty())
        return name;
    return QStringLiteral("Untitled ") + QString::number(untitledNumber_);
}

bool DocumentWindow::isModified() const
{
    return ::isModified(items_);
}

bool DocumentWindow::isUntouched() const
{
    // A drawing from a file is the user's work however small it is.
    return fileName_.isEmpty() && ::isUntouched(items_);
}

std::int32_t DocumentWindow::docToScreen(std::int32_t v, std::int32_t tile) const
{
    return ::docToScreen(zoomOf(items_), v, tile);
}

std::int32_t DocumentWindow::screenToDoc(std::int32_t p, std::int32_t tile) const
{
    return ::screenToDoc(zoomOf(items_), p, tile);
}

bool DocumentWindow::initDocument(std::int32_t windowId, const QString& fileName)
{
    // The file is read before the window lets go of what it shows, so a file
    // the user declines or that cannot be read leaves the window as it was.
    ItemList loadedItems;
    const bool picture = isPictureFileName(fileName);
    const bool hasFile = !fileName.trimmed().isEmpty();
    if (hasFile && !picture && !readFile(fileName, loadedItems))
        return false;

    busy_ = true;
    ++effectsGeneration_;
    effects_->stop();
    openingPass_ = false;
    windowId_ = windowId;
    clearDocument(fileName);
    emit zoomChanged(1.0);
    createNewDrawing();
    const bool loaded = hasFile && !picture;
    if (picture) {
        // Picture files go to the picture insertion dialog; without one
        // the drawing stays empty and the user is told so.
        context_.prompt().ask(UserPrompt::Kind::Information,
            QStringLiteral("Inserting pictures is not available yet, so \"%1\" was not opened. "
                           "A new drawing was started instead.")
                .arg(QFileInfo(fileName.trimmed()).fileName()),
            UserPrompt::Buttons::Ok);
    }
    if (loaded) {
        items_ = std::move(loadedItems);
        fileName_ = QFileInfo(fileName.trimmed()).absoluteFilePath();
        finishLoadedDrawing();
    } else {
        fileName_.clear();
        untitledNumber_ = context_.takeUntitledNumber();
    }
    busy_ = false;
    updateTitle();
    emit gridStateChanged();
    layoutView();
    if (loaded)
        effectsTimer_.start();
    return true;
}

void DocumentWindow::clearDocument(const QString& fileName)
{
    cancelPending();
    freeItemList(items_);
    fileName_ = fileName;
    rulerDrag_ = RulerEndDrag();
    tileX_ = tileY_ = 0;
    lastWidth_ = lastHeight_ = 0;
    if (scrollBarX_) {
        scrollBarX_->setValue(0);
        scrollBarY_->setValue(0);
    }
    canvasImage_->move(0, 0);
    hideHint();
}

void DocumentWindow::createNewDrawing()
{
    ItemRecord* h = createHeader(items_);
    h->header.windowId = windowId_;
    h->header.zoom = 1.0;
    const Preferences& preferences = context_.preferences();
    documentsettings::setUpNewHeader(
        *h, documentsettings::newDrawingDefaults(preferences), preferences, context_.screen());
    recomputeScreenExtent(h->header);
    ItemRecord* grid = createItem(items_, kinds::kGrid);
    // The grid of a new drawing is where its history starts: no step to undo.
    grid->body.historyState = history::kBase;
    makeNewGridlines(h->header, *grid);
    setModified(items_, false);
    originX_ = h->header.screenMinX;
    originY_ = h->header.screenMinY;
    initialised_ = true;
    setEditMode(carriesOver(editMode()) ? editMode() : EditMode::Select);
}

bool DocumentWindow::readFile(const QString& fileName, ItemList& into)
{
    const QString path = fileName.trimmed();
    QString error;
    NotingPrompt prompt(context_.prompt());
    if (readDrawing(path, into, context_.screen(), prompt, &error))
        return true;
    // A missing file is the caller's to report (the recently used files say
    // "Cannot find the file."); a declined question needs no message.
    if (!prompt.asked && QFileInfo::exists(path)) {
        context_.prompt().ask(UserPrompt::Kind::Error,
            QStringLiteral("Cannot open the file \"%1\".\n%2").arg(QDir::toNativeSeparators(path), error),
            UserPrompt::Buttons::Ok);
    }
    return false;
}

void DocumentWindow::finishLoadedDrawing()
{
    selectOnly(items_, nullptr);
    HeaderBody* h = header();
    if (!h)
        return;
    // The header keeps the window id it was saved with: the window knows its
    // own, and a file opened and saved again should not change.
    h->reserved322 = 0;
    if (!(h->zoom > 0))
        h->zoom = 1.0;
    emit zoomChanged(h->zoom);
    recomputeScreenExtent(*h);
    documentpainting::refreshGeometry(items_, context_.screen());
    openingPass_ = true;
    originX_ = h->screenMinX;
    originY_ = h->screenMinY;
    setEditMode(EditMode::Select);
}

void DocumentWindow::updateTitle()
{
    const QString t = title();
    setWindowTitle(t);
    emit titleChanged(t);
}

bool DocumentWindow::saveDocument(bool askNameIfUntitled)
{
    DocumentFile doc { &items_, fileName_, title(), [this](const QString& p) { emit fileUsed(p); } };
    if (!::saveDocument(this, context_, doc, askNameIfUntitled))
        return false;
    fileName_ = doc.path;
    updateTitle();
    return true;
}

bool DocumentWindow::saveDocumentAs()
{
    DocumentFile doc { &items_, fileName_, title(), [this](const QString& p) { emit fileUsed(p); } };
    if (!::saveDocumentAs(this, context_, doc))
        return false;
    fileName_ = doc.path;
    updateTitle();
    return true;
}

void DocumentWindow::closeWithoutQuestions()
{
    askOnClose_ = false;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}

void DocumentWindow::closeEvent(QCloseEvent* event)
{
    busy_ = destroying_ = true;
    const bool closing = !askOnClose_ || askToClose();
    if (!fileName_.isEmpty())
        emit fileUsed(fileName_);
    if (!closing) {
        busy_ = destroying_ = false;
        askOnClose_ = true;
        event->ignore();
        return;
    }
    ++effectsGeneration_;
    effects_->stop();
    event->accept();
}

// The questions before closing; true when the window may close.
bool DocumentWindow::askToClose()
{
    if (!isModified())
        return true;
    if (!fileName_.isEmpty()) {
        const QString name = QFileInfo(fileName_).completeBaseName().trimmed();
        switch (context_.prompt().ask(UserPrompt::Kind::Confirmation,
            QStringLiteral("Do you want to save changes to") + QLatin1Char(' ') + name + QLatin1Char('?'),
            UserPrompt::Buttons::YesNoCancel)) {
        case UserPrompt::Answer::Yes:
            return saveDocument(false);
        case UserPrompt::Answer::No:
            return true;
        default:
            return false;
        }
    }
    switch (context_.prompt().ask(UserPrompt::Kind::Confirmation,
        QStringLiteral("Do you want to save the file?"), UserPrompt::Buttons::YesNoCancel)) {
    case UserPrompt::Answer::Yes:
        return saveDocumentAs();
    case UserPrompt::Answer::No:
        return true;
    default:
        return false;
    }
}

void DocumentWindow::formActivate()
{
    if (initialised_) {
        if (const HeaderBody* h = header())
            emit zoomChanged(h->zoom);
        emit gridStateChanged();
    }
    emit activated();
    if (initialised_)
        toolPanelTimer_.start();
}

void DocumentWindow::formDeactivate()
{
    context_.setCurrentTool(editMode());
}

void DocumentWindow::setSpeedSwitches(const SpeedSwitches& speed)
{
    if (speed == speed_)
        return;
    // A cached clip holds its 3-D frame.
    if (speed.show3D != speed_.show3D)
        dropClipCaches(items_);
    speed_ = speed;
    repaintCanvas();
}

void DocumentWindow::repaintCanvas()
{
    if (destroying_)
        return;
    documentpainting::paintView(*canvasBitmap_, items_, context_.screen(), tileX_, tileY_, openingPass_, speed_);
    // The pixels saved under the band are gone: it is drawn afresh.
    band_.forget();
    redrawBand();
    canvasImage_->update();
    if (typing_)
        showCaret(); // the view may have moved under it
    emit canvasRepainted();
    if (openingPass_ && effects_->running()) {
        // The pass was painting the old picture; it starts again on the new one.
        ++effectsGeneration_;
        effects_->stop();
        effectsTimer_.start();
    }
}

// Paints the items again with their effects, one stacking position at a
// time, letting the window's events run in between; a newer pass, a repaint
// or a new drawing stops it.
void DocumentWindow::effectsStep()
{
    QElapsedTimer clock;
    clock.start();
    bool more = true;
    while (more && clock.elapsed() < 15)
        more = effects_->step();
    canvasImage_->update();
    if (more) {
        const int generation = effectsGeneration_;
        QTimer::singleShot(0, this, [this, generation] {
            if (generation == effectsGeneration_ && !destroying_)
                effectsStep();
        });
        return;
    }
    openingPass_ = false;
}

void DocumentWindow::showToolPanel()
{
    if (editMode() == EditMode::Line || editMode() == EditMode::Text)
        emit toolPageRequested(toolOfEditMode(editMode())->page);
}

void DocumentWindow::startEffectsPass()
{
    if (destroying_)
        return;
    ++effectsGeneration_;
    effects_->start(items_, context_.screen(), *canvasBitmap_, tileX_, tileY_, speed_);
    effectsStep();
}
