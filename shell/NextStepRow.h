#pragma once

#include <QAbstractButton>

// One option row of the next-step box: a picture and a caption.
class NextStepRow : public QAbstractButton {
    Q_OBJECT
public:
    explicit NextStepRow(QWidget* parent = nullptr);

    int step() const { return step_; }
    void setStep(int step, const QString& caption);

    bool isHighlighted() const { return highlighted_; }
    void setHighlighted(bool highlighted);

    QSize sizeHint() const override;

signals:
    void hovered();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    int step_ = 0;
    bool highlighted_ = false;
};
