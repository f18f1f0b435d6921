#include "remote/SocketShutdown.h"

#include <QTcpSocket>

#include <sys/socket.h>

void StopSending(QTcpSocket &socket)
{
    if (socket.socketDescriptor() != -1)
        ::shutdown(int(socket.socketDescriptor()), SHUT_WR);
}
