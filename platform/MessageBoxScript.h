#pragma once

#include "base/UserPrompt.h"

#include <QList>

// Answers questions from a queue, for tests, and records every question.
// With the queue empty it gives the fallback answer.
class MessageBoxScript : public UserPrompt {
public:
    explicit MessageBoxScript(Answer fallback = Answer::Cancel)
        : fallback_(fallback)
    {
    }
    Answer ask(Kind kind, const QString& text, Buttons buttons) override;

    void queueAnswer(Answer answer) { answers_.append(answer); }

    struct Question {
        Kind kind;
        QString text;
        Buttons buttons;
    };
    QList<Question> asked;

private:
    QList<Answer> answers_;
    Answer fallback_;
};
