#pragma once

#include "canvas/RulerStyle.h"

#include <QImage>
#include <QWidget>

// The floating 120 x 20 label that shows the canvas's width or height while
// a ruler end is dragged.
class DragHint : public QWidget {
    Q_OBJECT
public:
    explicit DragHint(QWidget* parent);

    void setStyle(const RulerStyle& style) { style_ = style; }
    void setText(const QString& text);
    QString text() const { return text_; }
    const QImage& image() const { return image_; }

    // Places the hint with its corner at `at`, kept inside the parent.
    void placeAt(QPoint at);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    RulerStyle style_;
    QString text_;
    QImage image_;
};
