#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

// Listens on the per-user local socket for open macros sent by another
// start of the program (or by the desktop) and hands each one on.
class OpenRequestServer : public QObject {
    Q_OBJECT
public:
    explicit OpenRequestServer(QObject* parent = nullptr);
    ~OpenRequestServer() override;

    // Starts listening; a stale socket left by a crashed editor is removed
    // first. Returns false when the socket cannot be made.
    bool listen(const QString& name);

signals:
    // One complete macro text, as the client sent it.
    void macroReceived(const QString& macro);

private:
    void acceptConnections();
    void readClient(QLocalSocket* socket);

    QLocalServer* server_;
};
