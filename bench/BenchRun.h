// Running a program or the encoding engine as a child process of its own and
// measuring it: wall time, CPU time and peak memory.
#pragma once

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

#include "engines/CallLibraryEntry.h"

extern char** environ;

namespace bench {

struct Run {
    int status = -1;
    double seconds = 0;     // wall
    double cpuSeconds = 0;  // user and system
    double peakMb = 0;
};

inline Run Finish(pid_t pid, std::chrono::steady_clock::time_point start) {
    Run run;
    int status = 0;
    rusage usage{};
    if (pid > 0 && wait4(pid, &status, 0, &usage) == pid) {
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.peakMb = usage.ru_maxrss / 1024.0;
        run.cpuSeconds = usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 +
                         usage.ru_stime.tv_sec + usage.ru_stime.tv_usec / 1e6;
    }
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return run;
}

inline Run Program(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return {};
    return Finish(pid, start);
}

// The engine runs in a child process of its own, so that its peak memory is
// measured alone.
inline Run Engine(const std::string& engineLibrary, const std::string& text) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        int result = -1;
        CallLibraryEntry(engineLibrary, "me_start", text, true, &result);
        _exit(result == 0 ? 0 : 1);
    }
    return Finish(pid, start);
}

}  // namespace bench
