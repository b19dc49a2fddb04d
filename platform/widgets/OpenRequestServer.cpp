#include "platform/widgets/OpenRequestServer.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QVariant>

namespace {
// A macro is a single short line; anything longer is not a request of ours.
constexpr qint64 kMaxMacroBytes = 64 * 1024;
// How long a socket that is in use may take to answer before it counts as
// left behind by an editor that is gone.
constexpr int kProbeMs = 1000;
const char* const kAnswered = "answered";

bool someoneAnswers(const QString& name)
{
    QLocalSocket probe;
    probe.connectToServer(name);
    const bool answered = probe.waitForConnected(kProbeMs);
    probe.abort();
    return answered;
}
} // namespace

OpenRequestServer::OpenRequestServer(QObject* parent)
    : QObject(parent)
    , server_(new QLocalServer(this))
{
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &OpenRequestServer::acceptConnections);
}

OpenRequestServer::~OpenRequestServer() = default;

// Qt makes the socket in a private folder and renames it into place, which
// would silently replace the socket of an editor that is running: whether
// one answers is asked first. What is left there otherwise is stale and
// replaced.
OpenRequestServer::Listen OpenRequestServer::listen(const QString& name)
{
    if (someoneAnswers(name))
        return Listen::InUse;
    if (server_->listen(name))
        return Listen::Listening;
    if (server_->serverError() != QAbstractSocket::AddressInUseError)
        return Listen::Failed;
    QLocalServer::removeServer(name);
    return server_->listen(name) ? Listen::Listening : Listen::Failed;
}

void OpenRequestServer::acceptConnections()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readClient(socket, false); });
        connect(
            socket, &QLocalSocket::readChannelFinished, this, [this, socket] { readClient(socket, true); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    }
}

// Waits for the whole macro, decides it once and answers.
void OpenRequestServer::readClient(QLocalSocket* socket, bool ended)
{
    if (socket->property(kAnswered).toBool())
        return;
    const QByteArray bytes = socket->peek(kMaxMacroBytes + 1);
    const qsizetype end = bytes.indexOf('\0');
    if (end < 0 && !ended) {
        if (bytes.size() > kMaxMacroBytes)
            socket->abort();
        return;
    }
    socket->setProperty(kAnswered, true);
    const QByteArray macroBytes = end < 0 ? bytes : bytes.left(end);
    socket->readAll();
    if (macroBytes.isEmpty() || macroBytes.size() > kMaxMacroBytes) {
        socket->abort();
        return;
    }
    const QString macro = QString::fromUtf8(macroBytes);
    const QString refusal = handler_ ? handler_(macro) : QString();
    if (socket->state() == QLocalSocket::ConnectedState) {
        const QByteArray answer
            = refusal.isEmpty() ? QByteArray("ok\n") : "error: " + refusal.simplified().toUtf8() + '\n';
        socket->write(answer);
        socket->flush();
        socket->disconnectFromServer();
    }
    emit macroReceived(macro);
}
