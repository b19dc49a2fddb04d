#pragma once

#include "platform/DialogServices.h"
#include "platform/widgets/FileDialogsQt.h"
#include "platform/widgets/MessageBoxPrompt.h"

// The platform's message boxes and file dialogs, for the editor's run.
class PlatformDialogs {
public:
    DialogServices services() { return { &prompt_, &fileDialogs_ }; }

private:
    MessageBoxPrompt prompt_;
    FileDialogsQt fileDialogs_;
};
