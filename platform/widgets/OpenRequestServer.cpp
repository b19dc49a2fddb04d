#include "platform/widgets/OpenRequestServer.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace {
// A macro is a single short line; anything longer is not a request of ours.
constexpr qint64 kMaxMacroBytes = 64 * 1024;
} // namespace

OpenRequestServer::OpenRequestServer(QObject* parent)
    : QObject(parent)
    , server_(new QLocalServer(this))
{
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &OpenRequestServer::acceptConnections);
}

OpenRequestServer::~OpenRequestServer() = default;

bool OpenRequestServer::listen(const QString& name)
{
    if (server_->listen(name))
        return true;
    if (server_->serverError() != QAbstractSocket::AddressInUseError)
        return false;
    QLocalServer::removeServer(name);
    return server_->listen(name);
}

void OpenRequestServer::acceptConnections()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        // The client closes its end once the macro is written: the whole
        // text is then in the buffer.
        connect(socket, &QLocalSocket::readyRead, socket, [socket] {
            if (socket->bytesAvailable() > kMaxMacroBytes)
                socket->abort();
        });
        connect(socket, &QLocalSocket::readChannelFinished, this, [this, socket] { readClient(socket); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
            readClient(socket);
            socket->deleteLater();
        });
    }
}

void OpenRequestServer::readClient(QLocalSocket* socket)
{
    const QByteArray bytes = socket->readAll();
    if (bytes.isEmpty() || bytes.size() > kMaxMacroBytes)
        return;
    emit macroReceived(QString::fromUtf8(bytes));
}
