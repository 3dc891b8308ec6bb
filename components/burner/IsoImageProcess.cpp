#include "components/burner/IsoImageProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

extern char** environ;

namespace burner {
namespace {

constexpr const char* kProgram = "genisoimage";
constexpr std::size_t kErrorTextLimit = 16 * 1024;

std::vector<std::string> Arguments(const IsoImageRequest& request, bool printSize) {
    std::vector<std::string> args = {kProgram, "-dvd-video", "-quiet",     "-input-charset",
                                     "utf-8",  "-V",         request.label};
    if (printSize) {
        args.push_back("-print-size");
    }
    // A folder name starting with '-' must not read as an option.
    std::string folder = request.dvdFolder;
    if (!folder.empty() && folder[0] == '-') {
        folder = "./" + folder;
    }
    args.push_back(folder);
    return args;
}

struct Pipe {
    int read = -1;
    int write = -1;
    bool Open() {
        int fds[2];
        if (pipe2(fds, O_CLOEXEC) != 0) {
            return false;
        }
        read = fds[0];
        write = fds[1];
        return true;
    }
    void Close() {
        if (read >= 0) {
            close(read);
        }
        if (write >= 0) {
            close(write);
        }
        read = write = -1;
    }
};

// Spawns the program with stdout and stderr on the given descriptors.
pid_t Spawn(const std::vector<std::string>& args, int out, int err, std::string* error) {
    std::vector<char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, out, 1);
    posix_spawn_file_actions_adddup2(&actions, err, 2);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    // The program gets default signal handling (a broken pipe ends it).
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
    pid_t pid = -1;
    int status = posix_spawnp(&pid, kProgram, &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (status != 0) {
        *error = std::string("Cannot run ") + kProgram + ": " + std::strerror(status) + ".";
        return -1;
    }
    return pid;
}

std::string ReadAll(int fd) {
    std::string text;
    char buffer[4096];
    for (;;) {
        ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            break;
        }
        text.append(buffer, static_cast<std::size_t>(got));
        if (text.size() > kErrorTextLimit) {
            text.erase(0, text.size() - kErrorTextLimit);
        }
    }
    return text;
}

std::string Tidy(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) {
        text.pop_back();
    }
    for (char& c : text) {
        if (c == '\n') {
            c = ' ';
        }
    }
    return text;
}

int WaitFor(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) {
            return -1;
        }
    }
    return status;
}

std::string Outcome(int status, const std::string& errorText) {
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
        return {};
    }
    std::string reason = std::string(kProgram) + " failed";
    if (WIFSIGNALED(status)) {
        reason += " (signal " + std::to_string(WTERMSIG(status)) + ")";
    }
    std::string detail = Tidy(errorText);
    return reason + (detail.empty() ? "." : ": " + detail);
}

}  // namespace

std::int64_t MeasureIsoImage(const IsoImageRequest& request, std::string* error) {
    Pipe out;
    Pipe err;
    if (!out.Open() || !err.Open()) {
        out.Close();
        *error = std::string("Cannot create a pipe: ") + std::strerror(errno) + ".";
        return -1;
    }
    pid_t pid = Spawn(Arguments(request, true), out.write, err.write, error);
    close(out.write);
    close(err.write);
    out.write = err.write = -1;
    if (pid < 0) {
        out.Close();
        err.Close();
        return -1;
    }
    std::string errorText;
    std::thread reader([&] { errorText = ReadAll(err.read); });
    std::string printed = ReadAll(out.read);
    reader.join();
    out.Close();
    err.Close();
    std::string failure = Outcome(WaitFor(pid), errorText);
    if (!failure.empty()) {
        *error = failure;
        return -1;
    }
    char* end = nullptr;
    long long sectors = std::strtoll(printed.c_str(), &end, 10);
    if (end == printed.c_str() || sectors <= 0) {
        *error = std::string(kProgram) + " did not report the image size.";
        return -1;
    }
    return sectors;
}

std::unique_ptr<IsoImageProcess> IsoImageProcess::Start(const IsoImageRequest& request,
                                                        std::string* error) {
    Pipe out;
    Pipe err;
    if (!out.Open() || !err.Open()) {
        out.Close();
        *error = std::string("Cannot create a pipe: ") + std::strerror(errno) + ".";
        return nullptr;
    }
    pid_t pid = Spawn(Arguments(request, false), out.write, err.write, error);
    close(out.write);
    close(err.write);
    if (pid < 0) {
        close(out.read);
        close(err.read);
        return nullptr;
    }
    auto process = std::make_unique<IsoImageProcess>(Key{});
    process->pid_ = pid;
    process->imageFd_ = out.read;
    process->errorFd_ = err.read;
    IsoImageProcess* self = process.get();
    process->errorReader_ = std::thread([self] { self->errorText_ = ReadAll(self->errorFd_); });
    return process;
}

IsoImageProcess::~IsoImageProcess() {
    Finish();
    if (imageFd_ >= 0) {
        close(imageFd_);
    }
}

int IsoImageProcess::TakeImageFd() {
    int fd = imageFd_;
    imageFd_ = -1;
    return fd;
}

std::string IsoImageProcess::Finish(std::chrono::milliseconds grace) {
    if (finished_) {
        return result_;
    }
    finished_ = true;
    int status = 0;
    pid_t ended = 0;
    auto deadline = std::chrono::steady_clock::now() + grace;
    while ((ended = waitpid(pid_, &status, WNOHANG)) == 0 &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    bool stopped = false;
    if (ended == 0) {
        kill(pid_, SIGKILL);
        status = WaitFor(pid_);
        stopped = true;
    }
    if (errorReader_.joinable()) {
        errorReader_.join();
    }
    close(errorFd_);
    errorFd_ = -1;
    result_ = stopped ? std::string(kProgram) + " was stopped before it ended."
                      : Outcome(status, errorText_);
    return result_;
}

}  // namespace burner
