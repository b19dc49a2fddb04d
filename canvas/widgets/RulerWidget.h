#pragma once

#include <QImage>
#include <QWidget>

// Shows a ruler image with an optional red mouse mark and reports the mouse
// to the document window.
class RulerWidget : public QWidget {
    Q_OBJECT
public:
    RulerWidget(bool horizontal, QWidget* parent);

    bool horizontal() const { return horizontal_; }
    void setImage(QImage image);
    const QImage& image() const { return image_; }

    // The red mark at a position along the ruler; a negative one has none.
    void setMark(int position);
    int mark() const { return mark_; }

signals:
    void pressed(QPoint at, Qt::MouseButton button);
    void moved(QPoint at, Qt::MouseButtons buttons);
    void released(QPoint at, Qt::MouseButton button);
    void left();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool horizontal_;
    QImage image_;
    int mark_ = -1;
};
