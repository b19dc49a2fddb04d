#pragma once

class FileDialogs;
class UserPrompt;

// The dialogs through which the program asks the user: message boxes and
// the open and save file dialogs. The editor passes the platform's
// (PlatformDialogs); tests pass scripted ones, the command-line modes ones
// that answer without anyone there. Neither pointer may be null.
struct DialogServices {
    UserPrompt* prompt = nullptr;
    FileDialogs* fileDialogs = nullptr;
};
