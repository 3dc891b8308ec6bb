#include "platform/Process.h"

#include <sched.h>
#include <unistd.h>

#include <cstdio>
#include <thread>
#include <utility>

namespace platform {
namespace {

std::function<void()>& Cleanup() {
    static std::function<void()> cleanup;
    return cleanup;
}

}  // namespace

void SetEndProcessCleanup(std::function<void()> cleanup) {
    Cleanup() = std::move(cleanup);
}

void EndProcess(int status) {
    if (auto cleanup = std::exchange(Cleanup(), nullptr))
        cleanup();
    std::fflush(nullptr);
    _exit(status == 0 ? 1 : status);
}

}  // namespace platform

namespace platform {

int UsableCores() {
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof set, &set) == 0 && CPU_COUNT(&set) > 0)
        return CPU_COUNT(&set);
    const unsigned cores = std::thread::hardware_concurrency();
    return cores > 0 ? static_cast<int>(cores) : 1;
}

std::int64_t AvailableMemoryMB() {
    FILE* file = std::fopen("/proc/meminfo", "re");
    if (!file)
        return -1;
    std::int64_t kb = -1;
    char line[256];
    while (std::fgets(line, sizeof line, file)) {
        long long value = 0;
        if (std::sscanf(line, "MemAvailable: %lld kB", &value) == 1) {
            kb = value;
            break;
        }
    }
    std::fclose(file);
    return kb < 0 ? -1 : kb / 1024;
}

}  // namespace platform
