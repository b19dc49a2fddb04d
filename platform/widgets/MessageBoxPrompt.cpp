#include "platform/widgets/MessageBoxPrompt.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QMessageBox::Icon iconFor(UserPrompt::Kind kind)
{
    switch (kind) {
    case UserPrompt::Kind::Warning:
        return QMessageBox::Warning;
    case UserPrompt::Kind::Error:
        return QMessageBox::Critical;
    case UserPrompt::Kind::Information:
        return QMessageBox::Information;
    case UserPrompt::Kind::Confirmation:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons buttonsFor(UserPrompt::Buttons buttons)
{
    switch (buttons) {
    case UserPrompt::Buttons::Ok:
        return QMessageBox::Ok;
    case UserPrompt::Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case UserPrompt::Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case UserPrompt::Buttons::Cancel:
        return QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

// Escape and the window's close button give the answer that changes nothing.
UserPrompt::Answer answerFor(int button, UserPrompt::Buttons buttons)
{
    switch (button) {
    case QMessageBox::Yes:
        return UserPrompt::Answer::Yes;
    case QMessageBox::No:
        return UserPrompt::Answer::No;
    case QMessageBox::Ok:
        return UserPrompt::Answer::Ok;
    case QMessageBox::Cancel:
        return UserPrompt::Answer::Cancel;
    default:
        break;
    }
    if (buttons == UserPrompt::Buttons::YesNo)
        return UserPrompt::Answer::No;
    if (buttons == UserPrompt::Buttons::Ok)
        return UserPrompt::Answer::Ok;
    return UserPrompt::Answer::Cancel;
}

} // namespace

UserPrompt::Answer MessageBoxPrompt::ask(Kind kind, const QString& text, Buttons buttons)
{
    QWidget* parent = parent_ ? parent_ : QApplication::activeWindow();
    QMessageBox box(iconFor(kind), QStringLiteral("Tavelle"), text, buttonsFor(buttons), parent);
    if (buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel)
        box.setDefaultButton(QMessageBox::Yes);
    return answerFor(box.exec(), buttons);
}
