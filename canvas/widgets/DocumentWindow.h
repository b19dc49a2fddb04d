#pragma once

#include "canvas/RubberBand.h"
#include "canvas/RulerEndDrag.h"
#include "canvas/SelectionDrag.h"
#include "canvas/SpeedSwitches.h"
#include "canvas/ToolMachine.h"
#include "canvas/ToolTable.h"
#include "model/ItemList.h"
#include "render/PaintRect.h"

#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

struct HeaderBody;
class CanvasImage;
class EditorContext;
class DragHint;
class QScrollBar;
class RulerWidget;
class Bitmap24;
class ProgressiveEffects;
class SelectionOverlay;

// The document window: one drawing shown at a zoom with rulers, scroll bars
// and the anchor strips' space. Meant to be the widget of a QMdiSubWindow; the
// main window listens to its signals for the title, the application zoom, the
// recently used files and the tool panels.
class DocumentWindow : public QWidget {
    Q_OBJECT
public:
    // The window starts with the context's current tool when that is the line
    // tool, the text tool or a shape tool.
    explicit DocumentWindow(EditorContext& context, QWidget* parent = nullptr);
    ~DocumentWindow() override;

    // Starts a new drawing (empty `fileName`) or loads a file; also
    // re-initialises an untouched window that is reused for a file. False,
    // with the window left as it was, when the file was declined or could
    // not be read.
    bool initDocument(std::int32_t windowId, const QString& fileName);

    ItemList& items() { return items_; }
    const ItemList& items() const { return items_; }
    // The drawing header, or null for a drawing without one.
    HeaderBody* header() const;
    std::int32_t windowId() const { return windowId_; }
    QString fileName() const { return fileName_; }
    int untitledNumber() const { return untitledNumber_; }
    // The file name without folder and extension, or "Untitled N".
    QString title() const;
    bool isModified() const;
    // A new drawing without unsaved changes and with at most three records:
    // a window that may be reused.
    bool isUntouched() const;

    // The tool: choosing one (or select) drops the points entered so far
    // and ends the typing of a new text.
    EditMode editMode() const { return tools_.mode(); }
    void setEditMode(EditMode mode);
    int pointCount() const { return tools_.pointCount(); }
    // Only 0 has a meaning: the pending points of the tool are dropped.
    void setPointCount(int count);
    const ToolMachine& tools() const { return tools_; }
    // Moves a point entered with a tool onto the grid; the grid's snap sets it.
    void setSnapHook(std::function<QPoint(QPoint)> snap) { snapHook_ = std::move(snap); }

    // Keys and characters the application routes to the active window
    // before any control sees them; true when the window used them.
    bool keyDown(int key, Qt::KeyboardModifiers modifiers);
    bool character(const QString& text);

    // The history commands: Undo, Redo, "Clear Undo and Redo", and Erase
    // (also Cut and the Delete key), which is false when nothing was erased.
    void undo();
    void redo();
    void clearUndoHistory();
    bool eraseSelection();
    bool canUndo() const;
    bool canRedo() const;

    // File commands; true when the command counts as done.
    bool saveDocument(bool askNameIfUntitled);
    bool saveDocumentAs();
    // Closes the window without asking about unsaved changes (the exit
    // query's No).
    void closeWithoutQuestions();

    // Shadows and 3-D effects are still being added after a load or a zoom.
    bool effectsPending() const { return openingPass_; }

    // Takes the application zoom into the drawing and repaints.
    void applyZoom(double zoom);
    void layoutView();
    void repaintCanvas();
    // The Speed options: nothing happens when none of them changes; otherwise
    // the whole canvas is repainted (cached clips dropped first when the 3-D
    // switch changes, since they hold their 3-D frames).
    const SpeedSwitches& speedSwitches() const { return speed_; }
    void setSpeedSwitches(const SpeedSwitches& speed);
    void updateTitle();

    // Item coordinates to canvas-bitmap pixels and back.
    std::int32_t docToScreen(std::int32_t v, std::int32_t tile) const;
    std::int32_t screenToDoc(std::int32_t p, std::int32_t tile) const;
    std::int32_t tileX() const { return tileX_; }
    std::int32_t tileY() const { return tileY_; }
    std::int32_t originX() const { return originX_; }
    std::int32_t originY() const { return originY_; }

    // Red marks on both rulers at a position in canvas-bitmap pixels.
    void markRulers(QPoint p);
    void eraseRulerMarks();

    // Activation hooks, called by the main window when its document area
    // activates or leaves this window. Leaving makes the window's tool the
    // one the next new window starts with.
    void formActivate();
    void formDeactivate();

    // Parts of the window, for the main window and tests.
    QScrollBar* scrollBarX() const { return scrollBarX_; }
    QScrollBar* scrollBarY() const { return scrollBarY_; }
    QWidget* viewPanel() const { return viewPanel_; }
    CanvasImage* canvasImage() const { return canvasImage_; }
    RulerWidget* rulerX() const { return rulerX_; }
    RulerWidget* rulerY() const { return rulerY_; }
    DragHint* dragHint() const { return dragHint_; }
    Bitmap24& canvasBitmap() { return *canvasBitmap_; }
    // What the selection's handles look like, and the child of the canvas
    // image that draws them (made with the first selection).
    const HandleStyle& handleStyle() const { return handleStyle_; }
    SelectionOverlay* selectionOverlay() const;

signals:
    // The caption changed (also the Window menu entry's caption).
    void titleChanged(const QString& title);
    // The window wants the application zoom set to this value and the zoom
    // display refreshed (new drawing, loaded drawing, activation).
    void zoomChanged(double zoom);
    // The header's grid, anchor and snap switches may have changed.
    void gridStateChanged();
    // A file path that belongs at the top of the recently used files.
    void fileUsed(const QString& path);
    // The panel of the window's tool should be shown (the line or the text tool's).
    void toolPageRequested(Page page);
    // This window is active; the main window checks its Window menu entry.
    void activated();
    // The whole visible canvas was repainted.
    void canvasRepainted();
    // A page the tools want shown in the side panel (a help page only when
    // its switch is on).
    void pageRequested(Page page);
    // Undo or Redo may have become available or unavailable.
    void historyChanged();
    // The selection may have changed.
    void selectionChanged();
    // The tool's count of entered points changed (the line panel's steps
    // follow it).
    void pointCountChanged(int count);
    // Ctrl+wheel: zoom in (positive) or out (negative) by this many zoom steps.
    void zoomStepsRequested(int steps);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createTimers();
    void clearDocument(const QString& fileName);
    void createNewDrawing();
    bool readFile(const QString& fileName, ItemList& into);
    void finishLoadedDrawing();
    void makeBitmaps();
    void recomputeTile();
    void placeCanvas();
    void redrawRulers();
    void redrawRuler(bool horizontal);
    void resetRulerCursors();
    bool askToClose();
    void effectsStep();

    void scrollBarXChange(int position);
    void scrollBarYChange(int position);
    void rulerMouseDown(bool horizontal, QPoint at);
    void rulerMouseMove(bool horizontal, QPoint at);
    void rulerMouseUp(bool horizontal, QPoint at);
    void showHint(bool horizontal, QPoint at, double lengthInUnits);
    void hideHint();

    void showToolPanel();
    void startEffectsPass();

    // The tools (DocumentWindowTools.cpp).
    QPoint documentPoint(QPoint bitmapPoint) const;
    void canvasPress(QMouseEvent* event);
    void canvasMove(QMouseEvent* event);
    void canvasRelease(QMouseEvent* event);
    void holdTimeout();
    void carryOut(const ToolOutcome& outcome);
    void requestPage(const ToolOutcome& outcome);
    void makeItem(const ToolItemRequest& request);
    void redrawBand();
    void eraseBand();
    void repaintBoxes(const std::vector<ItemRecord*>& records);
    void cancelPending();
    bool typeText(const QString& text);
    bool typingKey(int key);
    void endTyping();
    void afterTextChange(PaintRect oldBox);
    // Shows the caret where typing goes on and starts its blinking over.
    void showCaret();
    void notePointCount();
    void blinkCaret();

    // Selection and direct manipulation with the pointer (DocumentWindowSelection.cpp).
    void selectPress(QMouseEvent* event);
    void selectMove(QMouseEvent* event);
    void selectRelease(QMouseEvent* event);
    QPoint dragPoint(QPoint bitmapPoint) const;
    void liftForDrag();
    void followSelection();
    void refreshHandles();

    EditorContext& context_;
    ItemList items_;
    std::int32_t windowId_ = 0;
    int untitledNumber_ = 0;
    QString fileName_;
    ToolMachine tools_;
    RubberBand band_;
    std::function<QPoint(QPoint)> snapHook_;
    // The text line being typed right after the text tool placed it, and
    // the caret in it (an index into its text).
    ItemRecord* typing_ = nullptr;
    int caret_ = 0;
    int reportedPoints_ = 0;
    std::int32_t tileX_ = 0, tileY_ = 0;
    std::int32_t originX_ = 0, originY_ = 0;
    std::int32_t lastWidth_ = 0, lastHeight_ = 0;
    RulerEndDrag rulerDrag_;
    bool busy_ = false;
    bool destroying_ = false;
    bool initialised_ = false;
    bool askOnClose_ = true;
    // Set from loading or zooming until the effects pass has run: repaints
    // meanwhile leave shadows and 3-D effects to the pass.
    bool openingPass_ = false;
    SpeedSwitches speed_;
    // Changed whenever a running effects pass must stop.
    int effectsGeneration_ = 0;
    std::unique_ptr<ProgressiveEffects> effects_;

    std::unique_ptr<Bitmap24> canvasBitmap_;

    QWidget* rulerCorner_ = nullptr;
    RulerWidget* rulerX_ = nullptr;
    RulerWidget* rulerY_ = nullptr;
    QWidget* viewPanel_ = nullptr;
    QWidget* anchorStripBackground_ = nullptr;
    QWidget* canvasHolder_ = nullptr;
    CanvasImage* canvasImage_ = nullptr;
    DragHint* dragHint_ = nullptr;
    QScrollBar* scrollBarX_ = nullptr;
    QScrollBar* scrollBarY_ = nullptr;
    QWidget* scrollCorner_ = nullptr;

    HandleStyle handleStyle_;
    SelectionDrag drag_;
    std::optional<HandleHit> heldHandle_; // pressed, not lifted until the mouse moves
    QPoint selectDown_; // canvas-bitmap pixels
    bool areaSelecting_ = false;
    bool areaPartial_ = false;
    QRect selectArea_; // canvas-bitmap pixels
    QPointer<SelectionOverlay> overlay_;

    QTimer toolPanelTimer_, effectsTimer_, holdTimer_, caretTimer_;
    // Wheel turns not yet used up: fine-grained wheels send parts of a notch.
    QPoint wheelRest_;
    int zoomWheelRest_ = 0;
};
