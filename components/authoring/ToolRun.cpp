#include "components/authoring/ToolRun.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <deque>

extern char** environ;

namespace authoring {
namespace {

constexpr size_t kKeptLines = 15;
constexpr size_t kMaxLineLength = 4096;

// Closes a descriptor when it goes out of scope.
class Fd {
  public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() { Reset(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int Get() const { return fd_; }
    void Reset(int fd = -1) {
        if (fd_ >= 0)
            close(fd_);
        fd_ = fd;
    }

  private:
    int fd_;
};

class SpawnActions {
  public:
    SpawnActions() { posix_spawn_file_actions_init(&actions_); }
    ~SpawnActions() { posix_spawn_file_actions_destroy(&actions_); }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;
    posix_spawn_file_actions_t* Get() { return &actions_; }

  private:
    posix_spawn_file_actions_t actions_;
};

// Splits the output into lines (a carriage return also ends a line, as
// progress counters use it), checks each and keeps the last few.
class LineCollector {
  public:
    explicit LineCollector(const LineCheck& check) : check_(check) {}

    void Feed(const char* data, size_t size) {
        for (size_t i = 0; i < size; ++i) {
            const char c = data[i];
            if (c == '\n' || c == '\r')
                EndLine();
            else if (current_.size() < kMaxLineLength)
                current_ += c;
        }
    }
    void EndLine() {
        if (current_.empty())
            return;
        if (check_ && failure_.empty())
            failure_ = check_(current_);
        lines_.push_back(std::move(current_));
        current_.clear();
        if (lines_.size() > kKeptLines)
            lines_.pop_front();
    }
    const std::string& Failure() const { return failure_; }
    std::string Text() const {
        std::string text;
        for (const auto& line : lines_)
            text += line + "\n";
        return text;
    }

  private:
    const LineCheck& check_;
    std::string current_;
    std::string failure_;
    std::deque<std::string> lines_;
};

}  // namespace

ToolResult RunTool(const ToolRun& run) {
    ToolResult result;
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) {
        result.failure = std::string("cannot make a pipe: ") + std::strerror(errno);
        return result;
    }
    Fd readEnd(pipeFds[0]);
    Fd writeEnd(pipeFds[1]);

    SpawnActions actions;
    if (run.stdinFd >= 0)
        posix_spawn_file_actions_adddup2(actions.Get(), run.stdinFd, 0);
    else
        posix_spawn_file_actions_addopen(actions.Get(), 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(actions.Get(), run.stdoutFd >= 0 ? run.stdoutFd : pipeFds[1],
                                     1);
    posix_spawn_file_actions_adddup2(actions.Get(), pipeFds[1], 2);

    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(run.program.c_str()));
    for (const auto& arg : run.args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    pid_t pid = 0;
    const int spawnError =
        posix_spawnp(&pid, run.program.c_str(), actions.Get(), nullptr, argv.data(), environ);
    if (spawnError != 0) {
        result.failure = spawnError == ENOENT
                             ? "the program \"" + run.program + "\" was not found on PATH"
                             : "cannot start \"" + run.program + "\": " + std::strerror(spawnError);
        return result;
    }
    writeEnd.Reset();

    LineCollector lines(run.check);
    char buffer[8192];
    for (;;) {
        const ssize_t n = read(readEnd.Get(), buffer, sizeof buffer);
        if (n > 0)
            lines.Feed(buffer, static_cast<size_t>(n));
        else if (n == 0 || errno != EINTR)
            break;
    }
    lines.EndLine();

    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    result.lastLines = lines.Text();
    if (WIFSIGNALED(status))
        result.failure = run.program + " was ended by signal " + std::to_string(WTERMSIG(status));
    else if (WEXITSTATUS(status) != 0)
        result.failure =
            run.program + " failed with exit status " + std::to_string(WEXITSTATUS(status));
    else if (!lines.Failure().empty())
        result.failure = run.program + " reported: " + lines.Failure();
    result.ok = result.failure.empty();
    return result;
}

}  // namespace authoring
