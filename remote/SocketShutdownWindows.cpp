#include "remote/SocketShutdown.h"

#include <QTcpSocket>

#include <winsock2.h>

void StopSending(QTcpSocket &socket)
{
    if (socket.socketDescriptor() != -1)
        ::shutdown(SOCKET(socket.socketDescriptor()), SD_SEND);
}
