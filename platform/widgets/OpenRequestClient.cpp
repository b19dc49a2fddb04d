#include "platform/widgets/OpenRequestClient.h"

#include <QLocalSocket>

bool sendOpenRequest(const QString& socketName, const QString& macro, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(socketName);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(macro.toUtf8());
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(timeoutMs);
    return true;
}
