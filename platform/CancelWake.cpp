#include "platform/CancelWake.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>

namespace platform {

CancelWake::CancelWake(CancelSignal& signal) : fd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
    if (fd_ < 0)
        return;
    subscription_ = signal.OnCancel([fd = fd_] {
        const std::uint64_t one = 1;
        // Cannot fail but for a counter at its end, which is readable anyway.
        [[maybe_unused]] const ssize_t written = write(fd, &one, sizeof one);
    });
}

CancelWake::~CancelWake() {
    subscription_.Reset();
    if (fd_ >= 0)
        close(fd_);
}

}  // namespace platform
