#include "remote/SystemSockets.h"

#include <QTcpSocket>

#include <dirent.h>
#include <sys/resource.h>
#include <sys/socket.h>

#include <climits>

void StopSending(QTcpSocket &socket)
{
    if (socket.socketDescriptor() != -1)
        ::shutdown(int(socket.socketDescriptor()), SHUT_WR);
}

int DescriptorsLeft()
{
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return INT_MAX;
    // Listing the open ones takes one itself: when it cannot be had, none is left.
    DIR *open = ::opendir("/proc/self/fd");
    if (!open)
        return 0;
    long count = -1; // the listing's own
    while (const dirent *entry = ::readdir(open))
        count += entry->d_name[0] != '.' ? 1 : 0;
    ::closedir(open);
    const long left = long(limit.rlim_cur) - count;
    return left < 0 ? 0 : left > INT_MAX ? INT_MAX : int(left);
}
