#pragma once

#include <QWidget>

#include <optional>
#include <utility>

class Bitmap24;

// Shows the canvas bitmap. The canvas's mouse events are reported
// to the document window, which hands them to the tools and the selection.
class CanvasImage : public QWidget {
    Q_OBJECT
public:
    CanvasImage(const Bitmap24* bitmap, QWidget* parent);

    // The text caret, drawn over the bitmap by inverting what lies under it,
    // from its top to its bottom point (bitmap pixels); none hides it.
    void setCaret(std::optional<std::pair<QPoint, QPoint>> caret);
    std::optional<std::pair<QPoint, QPoint>> caret() const { return caret_; }

signals:
    void pressed(QMouseEvent* event);
    void moved(QMouseEvent* event);
    void released(QMouseEvent* event);
    void doubleClicked(QMouseEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    const Bitmap24* bitmap_;
    std::optional<std::pair<QPoint, QPoint>> caret_;
};
