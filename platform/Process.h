// Ending the process.
#pragma once

namespace platform {

// After a fatal message: leave at once with a non-zero status. Shutdown does
// not run; standard streams are flushed.
[[noreturn]] void EndProcess(int status = 1);

}  // namespace platform
