#include "platform/TerminationRequest.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace platform {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
int g_writeEnd = -1;
std::atomic<int> g_lastSignal{SIGTERM};

void OnRequest(int sig) {
    const int savedErrno = errno;
    g_lastSignal = sig;
    const char byte = 1;
    [[maybe_unused]] ssize_t ignored = write(g_writeEnd, &byte, 1);
    errno = savedErrno;
}

}  // namespace

int WatchTerminationRequests() {
    static int readEnd = -1;
    if (readEnd >= 0)
        return readEnd;
    int ends[2];
    if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        return -1;
    readEnd = ends[0];
    g_writeEnd = ends[1];
    struct sigaction action {};
    action.sa_handler = OnRequest;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (int sig : kSignals)
        sigaction(sig, &action, nullptr);
    return readEnd;
}

void TakeTerminationRequests(int descriptor) {
    char bytes[64];
    while (read(descriptor, bytes, sizeof bytes) > 0) {
    }
}

void EndAsRequested() {
    const int sig = g_lastSignal;
    signal(sig, SIG_DFL);
    raise(sig);
    _exit(128 + sig);
}

}  // namespace platform
