#include "platform/widgets/MessageBoxPrompt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Answers the next message box by clicking `button`, remembering how it looked.
struct BoxAnswerer {
    QMessageBox::StandardButton button;
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;

    void arm()
    {
        QTimer::singleShot(0, [this] { answer(); });
    }
    void answer()
    {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (!box || !box->isVisible())
                continue;
            caption = box->windowTitle();
            icon = box->icon();
            buttons = box->standardButtons();
            if (button == QMessageBox::Escape)
                box->reject();
            else
                box->button(button)->click();
            return;
        }
        arm(); // not shown yet
    }
};

} // namespace

TEST(FileCommandPrompt, MessageBoxesCarryTheProductCaptionIconAndButtons)
{
    using K = UserPrompt::Kind;
    using B = UserPrompt::Buttons;
    using A = UserPrompt::Answer;
    struct Case {
        K kind;
        B buttons;
        QMessageBox::StandardButton click;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons shown;
        A answer;
    };
    const Case cases[] = {
        { K::Confirmation, B::YesNoCancel, QMessageBox::Cancel, QMessageBox::Question,
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, A::Cancel },
        { K::Confirmation, B::YesNo, QMessageBox::No, QMessageBox::Question,
            QMessageBox::Yes | QMessageBox::No, A::No },
        { K::Warning, B::YesNoCancel, QMessageBox::Yes, QMessageBox::Warning,
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, A::Yes },
        { K::Error, B::Ok, QMessageBox::Ok, QMessageBox::Critical, QMessageBox::Ok, A::Ok },
        { K::Information, B::Ok, QMessageBox::Ok, QMessageBox::Information, QMessageBox::Ok, A::Ok },
        { K::Warning, B::Cancel, QMessageBox::Cancel, QMessageBox::Warning, QMessageBox::Cancel, A::Cancel },
        // Escape on a Yes/No question changes nothing: it answers No.
        { K::Confirmation, B::YesNo, QMessageBox::Escape, QMessageBox::Question,
            QMessageBox::Yes | QMessageBox::No, A::No },
    };
    for (const Case& c : cases) {
        BoxAnswerer answerer { c.click, {}, QMessageBox::NoIcon, {} };
        answerer.arm();
        MessageBoxPrompt prompt;
        EXPECT_EQ(prompt.ask(c.kind, QStringLiteral("Question?"), c.buttons), c.answer);
        EXPECT_EQ(answerer.caption, QStringLiteral("Tavelle"));
        EXPECT_EQ(answerer.icon, c.icon);
        EXPECT_EQ(answerer.buttons, c.shown);
    }
}
