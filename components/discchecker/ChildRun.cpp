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
#include <cstdio>
#include <cstring>
#include <new>

namespace discchecker {
namespace {

constexpr auto kPoll = std::chrono::milliseconds(50);
// The most one wait counts for: when the whole process group was stopped
// (SIGSTOP) the child did not run either.
constexpr auto kLongestWait = std::chrono::milliseconds(250);

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
    steps.fetch_add(1, std::memory_order_release);
}

ChildResult RunInChild(const std::function<std::string(ChildProgress&)>& work,
                       const ChildLimits& limits, const std::function<bool()>& stop) {
    ChildResult result;
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

    using Clock = std::chrono::steady_clock;
    Clock::duration inStep{}, inAll{};
    std::uint64_t steps = 0;
    auto last = Clock::now();
    result.end = ChildResult::End::Finished;
    for (;;) {
        pollfd ready{in.get(), POLLIN, 0};
        const int polled = poll(&ready, 1, static_cast<int>(kPoll.count()));
        if (polled > 0) {
            char buffer[4096];
            const ssize_t n = read(in.get(), buffer, sizeof buffer);
            if (n == 0 || (n < 0 && errno != EINTR && errno != EAGAIN))
                break;  // the child is done
            if (n > 0)
                result.output.append(buffer, static_cast<std::size_t>(n));
        }
        const auto now = Clock::now();
        const auto waited = std::min<Clock::duration>(now - last, kLongestWait);
        last = now;
        inAll += waited;
        const std::uint64_t begun = shared.get()->steps.load(std::memory_order_acquire);
        inStep = begun == steps ? inStep + waited : Clock::duration{};
        steps = begun;
        if (stop && stop())
            result.end = ChildResult::End::Stopped;
        else if (inStep > limits.step)
            result.end = ChildResult::End::StepTooLong;
        else if (inAll > limits.whole)
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
