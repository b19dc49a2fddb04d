#include "platform/widgets/OpenRequestClient.h"

#include <QLocalSocket>

OpenRequestResult sendOpenRequest(const QString& socketName, const QString& macro, int timeoutMs)
{
    using Status = OpenRequestResult::Status;
    QLocalSocket socket;
    socket.connectToServer(socketName);
    if (!socket.waitForConnected(timeoutMs)) {
        // A socket file nobody accepts on is what a crashed editor leaves.
        const bool nobody = socket.error() == QLocalSocket::ServerNotFoundError
            || socket.error() == QLocalSocket::ConnectionRefusedError;
        return { nobody ? Status::NoEditor : Status::NoAnswer, {} };
    }
    socket.write(macro.toUtf8() + '\0');
    if (!socket.waitForBytesWritten(timeoutMs))
        return { Status::NoAnswer, {} };
    while (!socket.canReadLine())
        if (!socket.waitForReadyRead(timeoutMs) && !socket.canReadLine())
            return { Status::NoAnswer, {} };
    const QString answer = QString::fromUtf8(socket.readLine()).trimmed();
    socket.disconnectFromServer();
    if (answer == QLatin1String("ok"))
        return { Status::Accepted, {} };
    const QString prefix = QStringLiteral("error:");
    return { Status::Refused, answer.startsWith(prefix) ? answer.mid(prefix.size()).trimmed() : answer };
}
