#include "remote/SystemSockets.h"

#include <QTcpSocket>

#include <winsock2.h>

#include <climits>

void StopSending(QTcpSocket &socket)
{
    if (socket.socketDescriptor() != -1)
        ::shutdown(SOCKET(socket.socketDescriptor()), SD_SEND);
}

int DescriptorsLeft()
{
    // Windows has no small per-process limit on sockets.
    return INT_MAX;
}
