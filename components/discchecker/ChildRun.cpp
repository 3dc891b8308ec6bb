#include "components/discchecker/ChildRun.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <new>
#include <optional>

#include "platform/CancelWake.h"

namespace discchecker {
namespace {

using Clock = std::chrono::steady_clock;

// The most a wait counts for when the child was stopped during it (SIGSTOP,
// a terminal's Ctrl-Z): it did not run then. Past its time limit a wait
// counts for no more than this either (the parent was stopped, or the
// machine slept).
constexpr auto kStoppedWait = std::chrono::milliseconds(250);

class Shared {
  public:
    Shared() {
        void* memory = mmap(nullptr, sizeof(ChildProgress), PROT_READ | PROT_WRITE,
                            MAP_SHARED | MAP_ANONYMOUS, -1, 0);
        if (memory != MAP_FAILED)
            progress_ = new (memory) ChildProgress;
    }
    ~Shared() {
        if (progress_) {
            progress_->~ChildProgress();
            munmap(progress_, sizeof(ChildProgress));
        }
    }
    Shared(const Shared&) = delete;
    Shared& operator=(const Shared&) = delete;
    ChildProgress* get() const { return progress_; }

  private:
    ChildProgress* progress_ = nullptr;
};

class Fd {
  public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() { Close(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    void Close() {
        if (fd_ >= 0)
            close(fd_);
        fd_ = -1;
    }

  private:
    int fd_;
};

[[noreturn]] void ChildMain(const std::function<std::string(ChildProgress&)>& work,
                            ChildProgress& progress, int out, pid_t parent) {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent)
        _exit(3);  // the parent is gone already
    // Ctrl-C and kill reach the child as the parent's own stop: the parent
    // ends it then. A crash of the child is the parent's to report, not the
    // program's crash handler's.
    for (int sig : {SIGINT, SIGTERM, SIGHUP, SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT})
        signal(sig, SIG_DFL);
    std::string found;
    try {
        found = work(progress);
    } catch (...) {
        _exit(2);
    }
    for (std::size_t sent = 0; sent < found.size();) {
        const ssize_t n = write(out, found.data() + sent, found.size() - sent);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            _exit(2);
        sent += static_cast<std::size_t>(n);
    }
    _exit(0);
}

// Whether the child was stopped, or stopped and continued, since the last
// look. Only those changes are taken: its end stays for waitpid.
bool WasStopped(pid_t child) {
    siginfo_t info{};
    return waitid(P_PID, static_cast<id_t>(child), &info, WSTOPPED | WCONTINUED | WNOHANG) == 0 &&
           info.si_pid == child;
}

std::string HowItEnded(int status) {
    if (WIFSIGNALED(status))
        return "signal " + std::to_string(WTERMSIG(status));
    return "status " + std::to_string(WIFEXITED(status) ? WEXITSTATUS(status) : -1);
}

}  // namespace

void ChildProgress::Begin(const std::string& what) {
    const std::size_t length = std::min(what.size(), sizeof step - 1);
    std::memcpy(step, what.data(), length);
    step[length] = '\0';
    began.store(Clock::now().time_since_epoch().count(), std::memory_order_relaxed);
    steps.fetch_add(1, std::memory_order_release);
}

ChildResult RunInChild(const std::function<std::string(ChildProgress&)>& work,
                       const ChildLimits& limits, platform::CancelSignal* cancel) {
    ChildResult result;
    if (cancel && cancel->Cancelled()) {
        result.end = ChildResult::End::Stopped;
        return result;
    }
    const Shared shared;
    int ends[2];
    if (!shared.get() || pipe2(ends, O_CLOEXEC) != 0) {
        result.how =
            std::string("no child process could be started (") + std::strerror(errno) + ")";
        return result;
    }
    Fd in(ends[0]), out(ends[1]);
    std::fflush(nullptr);  // nothing buffered is written twice
    const pid_t parent = getpid();
    const pid_t child = fork();
    if (child < 0) {
        result.how =
            std::string("no child process could be started (") + std::strerror(errno) + ")";
        return result;
    }
    if (child == 0)
        ChildMain(work, *shared.get(), out.get(), parent);
    out.Close();
    std::optional<platform::CancelWake> wake;
    if (cancel)
        wake.emplace(*cancel);
    const ChildProgress& progress = *shared.get();

    // The parent sleeps until the child writes or ends, the cancel comes or
    // the nearer limit is reached; the steps the child began meanwhile are
    // read from the shared record then.
    pollfd watched[2] = {{in.get(), POLLIN, 0}, {wake ? wake->Fd() : -1, POLLIN, 0}};
    Clock::duration inStep{}, inAll{};
    std::uint64_t steps = 0;
    auto last = Clock::now();
    result.end = ChildResult::End::Finished;
    for (;;) {
        const Clock::duration left =
            std::min<Clock::duration>(limits.step - inStep, limits.whole - inAll);
        const auto timeout = std::min(std::chrono::ceil<std::chrono::milliseconds>(left),
                                      std::chrono::milliseconds(INT_MAX));
        if (poll(watched, 2, static_cast<int>(timeout.count())) > 0 && watched[0].revents) {
            char buffer[4096];
            const ssize_t n = read(in.get(), buffer, sizeof buffer);
            if (n == 0 || (n < 0 && errno != EINTR && errno != EAGAIN))
                break;  // the child is done
            if (n > 0)
                result.output.append(buffer, static_cast<std::size_t>(n));
        }
        const auto now = Clock::now();
        const auto waited = std::min<Clock::duration>(
            now - last, WasStopped(child) ? kStoppedWait : timeout + kStoppedWait);
        last = now;
        inAll += waited;
        const std::uint64_t begun = progress.steps.load(std::memory_order_acquire);
        if (begun != steps) {
            // The step the child is in began during this wait.
            const Clock::time_point began{Clock::duration(progress.began.load())};
            inStep = std::clamp<Clock::duration>(now - began, Clock::duration{}, waited);
            steps = begun;
        } else {
            inStep += waited;
        }
        if (watched[1].revents || (cancel && cancel->Cancelled()))
            result.end = ChildResult::End::Stopped;
        else if (inStep >= limits.step)
            result.end = ChildResult::End::StepTooLong;
        else if (inAll >= limits.whole)
            result.end = ChildResult::End::TooLong;
        if (result.end != ChildResult::End::Finished) {
            kill(child, SIGKILL);
            break;
        }
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (result.end == ChildResult::End::Finished &&
        !(WIFEXITED(status) && WEXITSTATUS(status) == 0)) {
        result.end = ChildResult::End::Died;
        result.how = HowItEnded(status);
    }
    if (result.end != ChildResult::End::Finished) {
        result.output.clear();
        result.step = shared.get()->step;
    }
    return result;
}

}  // namespace discchecker
