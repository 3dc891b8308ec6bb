// One outside program run as a child process: started with posix_spawn (found
// on PATH, no shell), its messages captured, stopped when asked, its exit
// status read. The process is always reaped: the destructor stops and waits
// for one still running.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Result.h"

namespace platform {

// How a child ended.
struct ExitStatus {
    int code = -1;   // the exit status when it exited
    int signal = 0;  // the signal that ended it, 0 when it exited
    bool Succeeded() const { return signal == 0 && code == 0; }
};

struct ChildSpec {
    std::string program;            // a name looked up on PATH, or a path
    std::vector<std::string> args;  // without the program name
    int stdinFd = -1;               // -1: /dev/null
    // Where standard output goes: this descriptor, or (when -1) a pipe of its
    // own (OutputFd) when outputPipe is set, else the messages pipe.
    int stdoutFd = -1;
    bool outputPipe = false;
};

class ChildProcess {
  public:
    // Starts the program. The failure's code is the spawn error (ENOENT when
    // the program is not there).
    static Result<std::unique_ptr<ChildProcess>> Start(const ChildSpec& spec);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // The read end of the error output (and of the standard output when it has
    // no place of its own); -1 once taken or closed.
    int MessagesFd() const { return messagesFd_; }
    // Hands over the read end of the output pipe (once; -1 afterwards).
    int TakeOutputFd();

    // Reads the messages to their end, handing over each piece read.
    void ReadMessages(const std::function<void(const char*, std::size_t)>& sink);
    // The messages to their end, keeping at most the last limit bytes.
    std::string ReadAllMessages(std::size_t limit = std::size_t{16} * 1024);

    // Waits for the program to end.
    ExitStatus Wait();
    // Waits up to grace; then stops the program (SIGKILL) and waits. stopped
    // tells whether it had to be stopped.
    ExitStatus Finish(std::chrono::milliseconds grace, bool* stopped = nullptr);
    // Stops the program at once (SIGKILL); Wait still reaps it.
    void Kill();

  private:
    ChildProcess() = default;

    pid_t pid_ = -1;
    int messagesFd_ = -1;
    int outputFd_ = -1;
    std::optional<ExitStatus> status_;
};

// The same descriptor-reading loop for any pipe: everything up to its end,
// keeping at most the last limit bytes.
std::string ReadToEnd(int fd, std::size_t limit);

}  // namespace platform
