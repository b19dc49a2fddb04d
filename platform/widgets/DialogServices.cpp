#include "platform/widgets/DialogServices.h"

#include "platform/widgets/FileDialogsQt.h"
#include "platform/widgets/MessageBoxPrompt.h"

namespace {

UserPrompt* currentPrompt = nullptr;
FileDialogs* currentDialogs = nullptr;

UserPrompt& platformPrompt()
{
    static MessageBoxPrompt prompt;
    return prompt;
}

FileDialogs& platformDialogs()
{
    static FileDialogsQt dialogs;
    return dialogs;
}

} // namespace

UserPrompt& DialogServices::prompt()
{
    return currentPrompt ? *currentPrompt : platformPrompt();
}

FileDialogs& DialogServices::fileDialogs()
{
    return currentDialogs ? *currentDialogs : platformDialogs();
}

DialogServices::Override::Override(UserPrompt* prompt, FileDialogs* fileDialogs)
    : previousPrompt_(currentPrompt)
    , previousDialogs_(currentDialogs)
{
    if (prompt)
        currentPrompt = prompt;
    if (fileDialogs)
        currentDialogs = fileDialogs;
}

DialogServices::Override::~Override()
{
    currentPrompt = previousPrompt_;
    currentDialogs = previousDialogs_;
}
