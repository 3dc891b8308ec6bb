#include "platform/CrashHandler.h"

#include <execinfo.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <ucontext.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>

extern char** environ;

namespace platform {
namespace {

constexpr int kSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGSYS, SIGTRAP};

char g_dumpPath[PATH_MAX];
char g_reporterPath[PATH_MAX];
std::atomic<bool> g_entered{false};
alignas(16) char g_altStack[64 * 1024];

const char* SignalName(int sig) {
    switch (sig) {
        case SIGSEGV:
            return "SIGSEGV";
        case SIGBUS:
            return "SIGBUS";
        case SIGFPE:
            return "SIGFPE";
        case SIGILL:
            return "SIGILL";
        case SIGABRT:
            return "SIGABRT";
        case SIGSYS:
            return "SIGSYS";
        case SIGTRAP:
            return "SIGTRAP";
        default:
            return "signal";
    }
}

// Async-signal-safe number formatting into buffer (at least 24 bytes).
char* FormatUnsigned(unsigned long long value, unsigned base, char* buffer) {
    char digits[24];
    int n = 0;
    do {
        unsigned d = static_cast<unsigned>(value % base);
        digits[n++] = static_cast<char>(d < 10 ? '0' + d : 'a' + d - 10);
        value /= base;
    } while (value != 0);
    char* out = buffer;
    while (n > 0)
        *out++ = digits[--n];
    *out = '\0';
    return buffer;
}

bool WriteText(int fd, const char* text) {
    size_t size = std::strlen(text);
    while (size > 0) {
        ssize_t n = write(fd, text, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        text += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

// Runs the reporter with kind and an argument (may be null) and waits for
// it. When it cannot be started the child names the message on standard
// error instead.
void RunReporter(const char* kind, char* argument) {
    pid_t pid = static_cast<pid_t>(syscall(SYS_fork));
    if (pid == 0) {
        char* argv[] = {g_reporterPath, const_cast<char*>(kind), argument, nullptr};
        execve(g_reporterPath, argv, environ);
        WriteText(2, "Quorva crashed; crash report message: ");
        WriteText(2, kind);
        WriteText(2, "\n");
        _exit(127);
    }
    if (pid < 0)
        return;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
}

void RunReporter(const char* kind, int number) {
    char numberText[24];
    RunReporter(kind, FormatUnsigned(static_cast<unsigned>(number), 10, numberText));
}

bool WriteReport(int fd, int sig, const siginfo_t* info, const void* context) {
    char number[24];
    bool ok = WriteText(fd, "Quorva crash report\nsignal: ");
    ok = ok && WriteText(fd, FormatUnsigned(static_cast<unsigned>(sig), 10, number));
    ok = ok && WriteText(fd, " (") && WriteText(fd, SignalName(sig)) && WriteText(fd, ")\ncode: ");
    ok = ok && WriteText(fd, FormatUnsigned(static_cast<unsigned>(info->si_code), 10, number));
    ok = ok && WriteText(fd, "\naddress: 0x");
    ok =
        ok && WriteText(fd, FormatUnsigned(reinterpret_cast<uintptr_t>(info->si_addr), 16, number));
#if defined(__x86_64__)
    const auto* uc = static_cast<const ucontext_t*>(context);
    ok = ok && WriteText(fd, "\ninstruction: 0x");
    ok = ok && WriteText(fd, FormatUnsigned(
                                 static_cast<unsigned long long>(uc->uc_mcontext.gregs[REG_RIP]),
                                 16, number));
#else
    (void)context;
#endif
    ok = ok && WriteText(fd, "\nprocess: ");
    ok = ok && WriteText(fd, FormatUnsigned(static_cast<unsigned>(getpid()), 10, number));
    ok = ok && WriteText(fd, "\nthread: ");
    ok = ok &&
         WriteText(fd, FormatUnsigned(static_cast<unsigned long>(syscall(SYS_gettid)), 10, number));
    ok = ok && WriteText(fd, "\nbacktrace:\n");
    if (!ok)
        return false;
    void* frames[64];
    int count = backtrace(frames, 64);
    backtrace_symbols_fd(frames, count, fd);
    return WriteText(fd, "end of report\n");
}

void OnFatalSignal(int sig, siginfo_t* info, void* context) {
    const int savedErrno = errno;
    if (g_entered.exchange(true)) {
        // Another thread is already reporting; it ends the process.
        for (;;)
            pause();
    }
    RunReporter(kCrashApology, g_dumpPath);
    int fd = open(g_dumpPath, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0) {
        RunReporter(kCrashOpenFailed, errno);
    } else {
        if (!WriteReport(fd, sig, info, context))
            RunReporter(kCrashWriteFailed, errno);
        if (close(fd) != 0)
            RunReporter(kCrashCloseFailed, errno);
    }
    // Let the signal's default action end the process.
    struct sigaction dfl {};
    dfl.sa_handler = SIG_DFL;
    sigemptyset(&dfl.sa_mask);
    sigaction(sig, &dfl, nullptr);
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, sig);
    errno = savedErrno;
    raise(sig);
    sigprocmask(SIG_UNBLOCK, &set, nullptr);
    _exit(128 + sig);
}

bool CopyPath(const std::string& from, char* to) {
    if (from.empty() || from.size() >= PATH_MAX)
        return false;
    std::memcpy(to, from.c_str(), from.size() + 1);
    return true;
}

}  // namespace

bool InstallCrashHandler(const std::string& dumpPath, const std::string& reporterPath) {
    char dump[PATH_MAX];
    char reporter[PATH_MAX];
    if (!CopyPath(dumpPath, dump) || !CopyPath(reporterPath, reporter))
        return false;
    std::memcpy(g_dumpPath, dump, sizeof dump);
    std::memcpy(g_reporterPath, reporter, sizeof reporter);

    // The first backtrace loads the unwinder; do it now, not in the handler.
    void* warmUp[2];
    backtrace(warmUp, 2);

    stack_t alt{};
    alt.ss_sp = g_altStack;
    alt.ss_size = sizeof g_altStack;
    sigaltstack(&alt, nullptr);

    struct sigaction action {};
    action.sa_sigaction = OnFatalSignal;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    bool any = false;
    for (int sig : kSignals)
        any = (sigaction(sig, &action, nullptr) == 0) || any;
    return any;
}

}  // namespace platform
