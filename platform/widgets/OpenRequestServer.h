#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QLocalServer;
class QLocalSocket;

// Listens on the per-user local socket for open macros sent by another
// start of the program (or by the desktop) and hands each one on.
//
// A request is the macro text, ended by a NUL byte or by the sender closing
// its end. The answer is one line: "ok", or "error: " and the reason.
class OpenRequestServer : public QObject {
    Q_OBJECT
public:
    explicit OpenRequestServer(QObject* parent = nullptr);
    ~OpenRequestServer() override;

    enum class Listen { Listening, InUse, Failed };
    // Starts listening. A socket that another editor answers on is left to
    // it (InUse); one left behind by an editor that is gone is taken over.
    Listen listen(const QString& name);

    // Decides each request: an empty text accepts it, any other text is the
    // reason it is refused. Without one every request is accepted.
    using Handler = std::function<QString(const QString& macro)>;
    void setHandler(Handler handler) { handler_ = std::move(handler); }

signals:
    // One complete macro text, as the client sent it, after it was decided.
    void macroReceived(const QString& macro);

private:
    void acceptConnections();
    void readClient(QLocalSocket* socket, bool ended);

    QLocalServer* server_;
    Handler handler_;
};
