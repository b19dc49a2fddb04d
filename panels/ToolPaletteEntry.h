#pragma once

#include <QAbstractButton>

// One entry of the tool palette: a picture and a name. It shows raised,
// with its picture pressed in, while the palette marks it as the entry under
// the mouse.
class ToolPaletteEntry : public QAbstractButton {
    Q_OBJECT
public:
    ToolPaletteEntry(int page, const QString& name, QWidget* parent = nullptr);

    int page() const { return page_; }
    bool isRaised() const { return raised_; }
    void setRaised(bool raised);

    QSize sizeHint() const override;

signals:
    void hovered(ToolPaletteEntry* entry);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    int page_;
    bool raised_ = false;
};
