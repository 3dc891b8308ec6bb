#include "platform/Process.h"

#include <unistd.h>

#include <cstdio>
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
