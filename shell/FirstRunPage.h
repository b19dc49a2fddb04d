#pragma once

#include <QWidget>

class EditorContext;
class QCheckBox;
class WizardWindow;

// The first-time setup's page: "Step 1", the choice of the measuring units
// the user prefers (Millimeters or Inches, one at most), and Proceed, which
// applies the choice and registers the file type (applySetup).
class FirstRunPage : public QWidget {
    Q_OBJECT
public:
    explicit FirstRunPage(EditorContext& context, QWidget* parent = nullptr);

    // 2 with Millimeters checked, 3 with Inches checked, 0 with neither.
    int chosenUnits() const;

    // Without a choice: the error "Please select Millimeters or Inches" and
    // the page stays. With one: applySetup, then finished().
    void proceed();

    QCheckBox* millimetersBox() const { return millimeters_; }
    QCheckBox* inchesBox() const { return inches_; }

signals:
    // The choice was applied; the page may close.
    void finished();
    // The user cancelled the setup or closed its window.
    void abandoned();

private:
    EditorContext& context_;
    QCheckBox* millimeters_ = nullptr;
    QCheckBox* inches_ = nullptr;
};

// Shows the first-time setup in `host` ("First-time Setup", buttons
// "Proceed" and "Cancel"), locked there until the user proceeds or cancels;
// the host closes either way. Returns the page, whose signals tell which.
FirstRunPage* runFirstTimeSetup(WizardWindow& host, EditorContext& context);
