#pragma once

#include <QFrame>
#include <QTimer>

#include <array>
#include <set>

class QLabel;
class QToolButton;
class NextStepRow;

// The box under the side panel: up to four suggestions of what to do next,
// and the Back and Forward controls of the page history.
class NextStepBox : public QFrame {
    Q_OBJECT
public:
    static constexpr int kRows = 4;

    explicit NextStepBox(QWidget* parent = nullptr);

    // Shows the first four members of `steps` in increasing order; the text
    // and picture above the rows show only when the set is not empty.
    void setSteps(const std::set<int>& steps);
    // The suggestion numbers on show, top to bottom (0 for a hidden row).
    std::array<int, kRows> shownSteps() const;
    NextStepRow* row(int index) const { return rows_[index]; }

    void setBackEnabled(bool enabled);
    void setForwardEnabled(bool enabled);
    QToolButton* backButton() const { return backButton_; }
    QToolButton* forwardButton() const { return forwardButton_; }

    void removeHighlights();

signals:
    void stepChosen(int number);
    // The mouse went over a row (the main window raises the Select button).
    void rowHovered();
    void backClicked();
    void forwardClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutRows();
    void createBackForward();

    QLabel* picture_ = nullptr;
    QLabel* title_ = nullptr;
    std::array<NextStepRow*, kRows> rows_ {};
    QWidget* bar_ = nullptr;
    QToolButton* backButton_ = nullptr;
    QToolButton* forwardButton_ = nullptr;
    QLabel* backLabel_ = nullptr;
    QTimer highlightTimer_;
};
