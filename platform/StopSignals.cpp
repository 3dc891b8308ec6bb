#include "platform/StopSignals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <initializer_list>

namespace platform {
namespace {

int g_writeEnd = -1;

extern "C" void OnStopSignal(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] ssize_t written = write(g_writeEnd, &byte, 1);
    errno = saved;
}

int MakePipe() {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0)
        return -1;
    g_writeEnd = fds[1];
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    action.sa_flags = SA_RESETHAND | SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGTERM, SIGHUP, SIGINT})
        sigaction(signal, &action, nullptr);
    return fds[0];
}

}  // namespace

int WatchStopSignals() {
    static const int readEnd = MakePipe();
    return readEnd;
}

bool TakeStopSignal(int fd) {
    bool came = false;
    char buffer[16];
    while (read(fd, buffer, sizeof buffer) > 0)
        came = true;
    return came;
}

}  // namespace platform
