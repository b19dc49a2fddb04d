#pragma once

#include "canvas/ToolTable.h"

#include <QAbstractButton>

// One entry of the tool palette: a picture and a name. It shows raised,
// with its picture pressed in, while the palette marks it as the entry under
// the mouse.
class ToolPaletteEntry : public QAbstractButton {
    Q_OBJECT
public:
    ToolPaletteEntry(const ToolInfo& tool, const QString& name, QWidget* parent = nullptr);

    Tool tool() const { return tool_; }
    // The page the entry asks for (the picture dialog's for Picture).
    Page page() const { return page_; }
    bool isRaised() const { return raised_; }
    void setRaised(bool raised);

    QSize sizeHint() const override;

signals:
    void hovered(ToolPaletteEntry* entry);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    Tool tool_;
    Page page_;
    bool raised_ = false;
};
