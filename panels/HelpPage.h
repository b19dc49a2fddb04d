#pragma once

#include "canvas/ToolTable.h"

#include <QFrame>

class HintBox;
class Preferences;
class QCheckBox;
class QLabel;

// The help page frame: the title and picture of a help page, its few lines
// with their links, and "Don't show this help page again.", which switches
// the page's help off in the preferences (and on again when unticked).
class HelpPage : public QFrame {
    Q_OBJECT
public:
    HelpPage(Page page, Preferences& preferences, QWidget* parent = nullptr);

    // Whether a frame exists for the page.
    static bool exists(Page page);

    Page page() const { return page_; }
    QLabel* title() const { return title_; }
    HintBox* lines() const { return lines_; }
    QCheckBox* dontShowAgain() const { return dontShow_; }

signals:
    // A link of the page: the next-step suggestion it stands for.
    void stepChosen(int number);
    // The user switched this page's help off.
    void switchedOff(Page page);

private:
    Page page_;
    QLabel* title_;
    HintBox* lines_;
    QCheckBox* dontShow_;
};
