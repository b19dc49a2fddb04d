#pragma once

#include "base/ScreenMetrics.h"
#include "canvas/ToolTable.h"
#include "platform/DialogServices.h"
#include "settings/Preferences.h"

#include <QString>

#include <memory>

class DesktopRegistration;
class SettingsStore;

// What one run of the editor shares between its windows and the
// command-line modes: the screen whose pixels item coordinates are, the
// user's preferences with the store they came from, the dialogs that put
// questions to the user, and the state that outlives a single window. Made
// once in main (tests make their own) and passed to everything that needs it.
class EditorContext {
public:
    EditorContext(const ScreenMetrics& screen, const DialogServices& dialogs);
    ~EditorContext();
    EditorContext(const EditorContext&) = delete;
    EditorContext& operator=(const EditorContext&) = delete;

    const ScreenMetrics& screen() const { return screen_; }

    Preferences& preferences() { return preferences_; }
    const Preferences& preferences() const { return preferences_; }
    // Reads the preferences from `store` and keeps the store, so that
    // saveSettings writes them back to the same file. False when the file
    // exists but cannot be read; the built-in preferences then stay.
    bool loadSettings(std::unique_ptr<SettingsStore> store);
    // Writes the preferences to the store given to loadSettings; without
    // one (tests, command-line modes) nothing is written and the result is true.
    bool saveSettings();
    SettingsStore* settingsStore() const { return store_.get(); }

    // How the drawing file type is registered with the desktop; null when
    // this run registers nothing (tests, command-line modes).
    DesktopRegistration* fileTypeRegistration() const { return registration_.get(); }
    void setFileTypeRegistration(std::unique_ptr<DesktopRegistration> registration);

    // True when nobody is at the screen (timing runs): the start asks the
    // user nothing the run would have to wait for.
    bool unattended() const { return unattended_; }
    void setUnattended(bool unattended) { unattended_ = unattended; }

    UserPrompt& prompt() const { return *dialogs_.prompt; }
    FileDialogs& fileDialogs() const { return *dialogs_.fileDialogs; }

    // The tool a new document window starts with.
    EditMode currentTool() const { return currentTool_; }
    void setCurrentTool(EditMode tool) { currentTool_ = tool; }

    // Untitled drawings are numbered through the run; a number is never
    // given twice, even after its window has closed.
    int takeUntitledNumber() { return ++lastUntitledNumber_; }
    int lastUntitledNumber() const { return lastUntitledNumber_; }

    // The last file chosen in the Open dialog this run: the dialog proposes it again.
    const QString& lastOpenedFile() const { return lastOpenedFile_; }
    void setLastOpenedFile(const QString& path) { lastOpenedFile_ = path; }

private:
    ScreenMetrics screen_;
    Preferences preferences_;
    std::unique_ptr<SettingsStore> store_;
    std::unique_ptr<DesktopRegistration> registration_;
    bool unattended_ = false;
    DialogServices dialogs_;
    EditMode currentTool_ = EditMode::Select;
    int lastUntitledNumber_ = 0;
    QString lastOpenedFile_;
};
