#pragma once

#include <QDialog>
#include <QPointer>

#include <memory>

class QLabel;
class QPushButton;
class QVBoxLayout;

// The host of the wizard-style pages (first-time setup, page setup, grid and
// snap options, picture dialog, preview, print selection): a window that
// stays above the main window without blocking it and shows one page at a
// time, under the page's caption, with two buttons below it. The first
// button's caption is the page's ("Proceed", "Apply", "Save"...) and it is
// the default button; the second is "Cancel", which Escape and the close box
// also stand for, and which always closes the host.
class WizardWindow : public QDialog {
    Q_OBJECT
public:
    // A locked page cannot be replaced until it is closed.
    enum class PageLock { Replaceable, Locked };

    explicit WizardWindow(QWidget* parent = nullptr);
    ~WizardWindow() override;

    // Shows `page` in place of the page on show, with the window caption
    // `caption` and the first button captioned `applyText` (a "&" marks its
    // Alt key). Refused, destroying `page`, while a locked page is on show.
    bool showPage(std::unique_ptr<QWidget> page, const QString& caption, const QString& applyText,
        PageLock lock = PageLock::Replaceable);
    QWidget* page() const { return page_; }
    bool pageLocked() const { return page_ && lock_ == PageLock::Locked; }

    // Hides the host and destroys its page.
    void closePage();

    QPushButton* applyButton() const { return applyButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }

    // Cancel, Escape and the close box; the page is closed after this.
    void reject() override;

signals:
    // The first button was pressed; the page decides whether the host closes.
    void applyRequested();
    // The user cancelled the page on show, which is closed right after.
    void cancelled();

private:
    QVBoxLayout* pageArea_ = nullptr;
    QPushButton* applyButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPointer<QWidget> page_;
    PageLock lock_ = PageLock::Replaceable;
};
