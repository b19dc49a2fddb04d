#pragma once

#include "platform/FileDialogs.h"

#include <QList>

// File dialogs for tests: each call takes the next queued answer (an empty
// answer, or an empty queue, is a cancelled dialog) and records the request.
class FileDialogsScripted : public FileDialogs {
public:
    QString openFile(QWidget* parent, const Request& request) override;
    QString saveFile(QWidget* parent, const Request& request) override;

    void queueAnswer(const QString& path) { answers_.append(path); }

    struct Call {
        bool save = false;
        Request request;
    };
    QList<Call> calls;

private:
    QString next(bool save, const Request& request);
    QList<QString> answers_;
};
