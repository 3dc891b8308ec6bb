#include "platform/ChildProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>
#include <thread>
#include <utility>

extern char** environ;

namespace platform {
namespace {

// Both ends of a pipe, closed on every way out unless handed over.
struct Pipe {
    int read = -1;
    int write = -1;
    Pipe() = default;
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;
    ~Pipe() {
        CloseRead();
        CloseWrite();
    }
    bool Open() {
        int fds[2];
        if (pipe2(fds, O_CLOEXEC) != 0)
            return false;
        read = fds[0];
        write = fds[1];
        return true;
    }
    int TakeRead() { return std::exchange(read, -1); }
    void CloseRead() {
        if (read >= 0)
            close(std::exchange(read, -1));
    }
    void CloseWrite() {
        if (write >= 0)
            close(std::exchange(write, -1));
    }
};

class SpawnSetup {
  public:
    SpawnSetup() {
        posix_spawn_file_actions_init(&actions);
        posix_spawnattr_init(&attributes);
        // The program gets default signal handling (a broken pipe ends it),
        // whatever this process ignores.
        sigset_t defaults;
        sigemptyset(&defaults);
        sigaddset(&defaults, SIGPIPE);
        posix_spawnattr_setsigdefault(&attributes, &defaults);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
    }
    ~SpawnSetup() {
        posix_spawnattr_destroy(&attributes);
        posix_spawn_file_actions_destroy(&actions);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;

    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
};

ExitStatus StatusOf(int raw) {
    ExitStatus status;
    if (WIFSIGNALED(raw))
        status.signal = WTERMSIG(raw);
    else if (WIFEXITED(raw))
        status.code = WEXITSTATUS(raw);
    return status;
}

// Sleeps until the process pid ends or deadline passes, without reaping it.
// False when the kernel gives no process descriptor to wait on (pidfd_open,
// Linux 5.3), having waited for nothing.
bool SleepUntilEnd(pid_t pid, std::chrono::steady_clock::time_point deadline) {
#ifdef SYS_pidfd_open
    const int process = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
#else
    const int process = -1;
#endif
    if (process < 0)
        return false;
    pollfd ended{process, POLLIN, 0};
    for (;;) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        const int timeout = static_cast<int>(std::clamp<std::int64_t>(left.count(), 0, INT_MAX));
        if (poll(&ended, 1, timeout) >= 0 || errno != EINTR)
            break;
    }
    close(process);
    return true;
}

}  // namespace

std::string ReadToEnd(int fd, std::size_t limit) {
    std::string text;
    char buffer[4096];
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        text.append(buffer, static_cast<std::size_t>(got));
        if (text.size() > limit)
            text.erase(0, text.size() - limit);
    }
    return text;
}

Result<std::unique_ptr<ChildProcess>> ChildProcess::Start(const ChildSpec& spec) {
    Pipe messages;
    Pipe output;
    if (!messages.Open() || (spec.stdoutFd < 0 && spec.outputPipe && !output.Open()))
        return Fail(std::string("cannot make a pipe: ") + std::strerror(errno), errno);

    SpawnSetup setup;
    if (spec.stdinFd >= 0)
        posix_spawn_file_actions_adddup2(&setup.actions, spec.stdinFd, 0);
    else
        posix_spawn_file_actions_addopen(&setup.actions, 0, "/dev/null", O_RDONLY, 0);
    const int out = spec.stdoutFd >= 0 ? spec.stdoutFd
                    : spec.outputPipe  ? output.write
                                       : messages.write;
    posix_spawn_file_actions_adddup2(&setup.actions, out, 1);
    posix_spawn_file_actions_adddup2(&setup.actions, messages.write, 2);

    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(spec.program.c_str()));
    for (const std::string& arg : spec.args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    pid_t pid = -1;
    const int error = posix_spawnp(&pid, spec.program.c_str(), &setup.actions, &setup.attributes,
                                   argv.data(), environ);
    if (error != 0)
        return Fail(std::strerror(error), error);

    std::unique_ptr<ChildProcess> child(new ChildProcess());
    child->pid_ = pid;
    messages.CloseWrite();
    output.CloseWrite();
    child->messagesFd_ = messages.TakeRead();
    child->outputFd_ = output.TakeRead();
    return child;
}

ChildProcess::~ChildProcess() {
    if (!status_) {
        Kill();
        Wait();
    }
    if (messagesFd_ >= 0)
        close(messagesFd_);
    if (outputFd_ >= 0)
        close(outputFd_);
}

int ChildProcess::TakeOutputFd() {
    return std::exchange(outputFd_, -1);
}

void ChildProcess::ReadMessages(const std::function<void(const char*, std::size_t)>& sink) {
    if (messagesFd_ < 0)
        return;
    char buffer[8192];
    for (;;) {
        const ssize_t got = read(messagesFd_, buffer, sizeof buffer);
        if (got > 0)
            sink(buffer, static_cast<std::size_t>(got));
        else if (got == 0 || errno != EINTR)
            break;
    }
    close(std::exchange(messagesFd_, -1));
}

std::string ChildProcess::ReadAllMessages(std::size_t limit) {
    if (messagesFd_ < 0)
        return {};
    std::string text = ReadToEnd(messagesFd_, limit);
    close(std::exchange(messagesFd_, -1));
    return text;
}

ExitStatus ChildProcess::Wait() {
    if (status_)
        return *status_;
    int raw = 0;
    while (waitpid(pid_, &raw, 0) < 0) {
        if (errno != EINTR) {
            status_ = ExitStatus{};
            return *status_;
        }
    }
    status_ = StatusOf(raw);
    return *status_;
}

ExitStatus ChildProcess::Finish(std::chrono::milliseconds grace, bool* stopped) {
    if (stopped)
        *stopped = false;
    if (status_)
        return *status_;
    const auto deadline = std::chrono::steady_clock::now() + grace;
    int raw = 0;
    pid_t ended = 0;
    if (SleepUntilEnd(pid_, deadline))
        ended = waitpid(pid_, &raw, WNOHANG);
    else  // no process descriptor: a look every 10 ms
        while ((ended = waitpid(pid_, &raw, WNOHANG)) == 0 &&
               std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (ended == pid_) {
        status_ = StatusOf(raw);
        return *status_;
    }
    if (stopped)
        *stopped = true;
    Kill();
    return Wait();
}

void ChildProcess::Kill() {
    if (!status_ && pid_ > 0)
        kill(pid_, SIGKILL);
}

}  // namespace platform
