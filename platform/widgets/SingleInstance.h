#pragma once

#include "platform/widgets/OpenRequestServer.h"

#include <QString>
#include <QStringList>

// One editor per user. A start first offers its files to the editor that
// already runs (or, without files, asks it to come to the front); only when
// nobody answers on the per-user socket does it become that editor and
// listen there itself. Two starts at the same moment settle it when they
// listen: the second finds the socket answered and hands over after all.
class SingleInstance {
public:
    explicit SingleInstance(QString socketName);

    struct Handover {
        bool editorFound = false; // false: nobody listens, this start is the editor
        QStringList failures; // one line per file the editor did not take
    };
    // Needs a Qt application object (a core one does) but no window system.
    Handover handOver(const QStringList& files, int timeoutMs = 5000) const;

    // Listens with `server`; InUse means another editor answered meanwhile.
    OpenRequestServer::Listen listen(OpenRequestServer& server) const;

    const QString& socketName() const { return socketName_; }

private:
    QString socketName_;
};
