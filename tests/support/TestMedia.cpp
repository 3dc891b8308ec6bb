#include "support/TestMedia.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

extern char** environ;

namespace testsupport {

CommandResult RunCommand(const std::vector<std::string>& argv, const std::string& stdinPath,
                         const std::string& stdoutPath) {
    CommandResult result;
    int fds[2];
    if (argv.empty() || pipe2(fds, O_CLOEXEC) != 0)
        return result;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(
        &actions, 0, stdinPath.empty() ? "/dev/null" : stdinPath.c_str(), O_RDONLY, 0);
    if (stdoutPath.empty())
        posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    else
        posix_spawn_file_actions_addopen(&actions, 1, stdoutPath.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 2);
    std::vector<char*> args;
    for (const auto& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (spawned == 0) {
        char buffer[4096];
        ssize_t n;
        while ((n = read(fds[0], buffer, sizeof buffer)) > 0 || (n < 0 && errno == EINTR))
            if (n > 0)
                result.output.append(buffer, static_cast<size_t>(n));
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    close(fds[0]);
    return result;
}

bool MakeDvdMpeg(const std::string& path, bool pal, double seconds, bool moving) {
    const std::string size = pal ? "720x576" : "720x480";
    const std::string rate = pal ? "25" : "30000/1001";
    const std::string video = (moving ? "testsrc=s=" : "color=c=0x1c2c50:s=") + size + ":r=" + rate;
    const CommandResult run = RunCommand({"ffmpeg",   "-v",
                                          "error",    "-y",
                                          "-f",       "lavfi",
                                          "-i",       video,
                                          "-f",       "lavfi",
                                          "-i",       "anullsrc=r=48000:cl=stereo",
                                          "-t",       std::to_string(seconds),
                                          "-c:v",     "mpeg2video",
                                          "-b:v",     "3M",
                                          "-maxrate", "8M",
                                          "-bufsize", "1835k",
                                          "-g",       "12",
                                          "-aspect",  "4:3",
                                          "-c:a",     "ac3",
                                          "-b:a",     "128k",
                                          "-f",       "dvd",
                                          path});
    std::error_code ec;
    if (run.status == 0 && std::filesystem::file_size(path, ec) > 0 && !ec)
        return true;
    std::fprintf(stderr, "ffmpeg could not make %s (status %d):\n%s\n", path.c_str(), run.status,
                 run.output.c_str());
    return false;
}

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quorva-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        std::abort();
    path_ = pattern + "/";
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

}  // namespace testsupport
