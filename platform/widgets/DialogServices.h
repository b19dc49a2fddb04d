#pragma once

#include <memory>

class FileDialogs;
class UserPrompt;

// The process-wide message boxes and file dialogs. The program uses the
// platform's; a test swaps in scripted ones for its duration with Override.
class DialogServices {
public:
    static UserPrompt& prompt();
    static FileDialogs& fileDialogs();

    // Installs the given services until it goes out of scope; a null pointer
    // keeps the current service of that kind. Overrides nest.
    class Override {
    public:
        Override(UserPrompt* prompt, FileDialogs* fileDialogs);
        ~Override();
        Override(const Override&) = delete;
        Override& operator=(const Override&) = delete;

    private:
        UserPrompt* previousPrompt_;
        FileDialogs* previousDialogs_;
    };
};
