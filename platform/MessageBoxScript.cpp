#include "platform/MessageBoxScript.h"

UserPrompt::Answer MessageBoxScript::ask(Kind kind, const QString& text, Buttons buttons)
{
    asked.append({ kind, text, buttons });
    if (answers_.isEmpty())
        return fallback_;
    return answers_.takeFirst();
}
