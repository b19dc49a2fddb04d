#pragma once

#include <QString>

// What became of one open request.
struct OpenRequestResult {
    enum class Status {
        NoEditor, // nobody listens on the socket
        Accepted,
        Refused, // the editor answered with a reason
        NoAnswer, // an editor took the request but did not answer in time
    };
    Status status = Status::NoEditor;
    QString reason; // the editor's, for Refused
};

// Sends one macro to an editor listening on `socketName` and waits for its
// answer, each step at most `timeoutMs`.
OpenRequestResult sendOpenRequest(const QString& socketName, const QString& macro, int timeoutMs = 5000);
