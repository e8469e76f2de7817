#include "courseware/processwait.h"

#include <cerrno>
#include <limits>
#include <poll.h>
#include <sys/syscall.h>
#include <unistd.h>

bool WaitForProcessEnd(qint64 processId)
{
    if (processId <= 0 || processId > std::numeric_limits<pid_t>::max())
        return false;
    const int descriptor = int(::syscall(SYS_pidfd_open, pid_t(processId), 0));
    if (descriptor < 0)
        return false;
    pollfd watch{descriptor, POLLIN, 0};
    while (::poll(&watch, 1, -1) < 0 && errno == EINTR) {
    }
    ::close(descriptor);
    return true;
}
