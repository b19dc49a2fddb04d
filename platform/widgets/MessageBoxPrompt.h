#pragma once

#include "base/UserPrompt.h"

class QWidget;

// Asks with a modal message box captioned "Tavelle" over the given window
// (or the active window when none is given).
class MessageBoxPrompt : public UserPrompt {
public:
    explicit MessageBoxPrompt(QWidget* parent = nullptr)
        : parent_(parent)
    {
    }
    Answer ask(Kind kind, const QString& text, Buttons buttons) override;

private:
    QWidget* parent_;
};
