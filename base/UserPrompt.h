#pragma once

#include <QString>
#include <QStringList>

// The questions and messages the system puts to the user. The windows answer
// them with message boxes; tests and command-line modes answer them directly.
class UserPrompt {
public:
    enum class Kind { Warning, Error, Information, Confirmation };
    enum class Buttons { Ok, YesNo, YesNoCancel, Cancel };
    enum class Answer { Ok, Yes, No, Cancel };

    virtual ~UserPrompt() = default;
    virtual Answer ask(Kind kind, const QString& text, Buttons buttons) = 0;
};

// Answers every question the same way and remembers what was asked.
class FixedAnswerPrompt : public UserPrompt {
public:
    explicit FixedAnswerPrompt(Answer answer = Answer::No) : answer_(answer) {}
    Answer ask(Kind, const QString& text, Buttons) override
    {
        asked.append(text);
        return answer_;
    }
    QStringList asked;

private:
    Answer answer_;
};
