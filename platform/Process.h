// Ending the process.
#pragma once

#include <functional>

namespace platform {

// What must be done on every way out, also when EndProcess ends the process
// (removing a private temp folder, for example). One function; a later call
// replaces it, an empty one clears it.
void SetEndProcessCleanup(std::function<void()> cleanup);

// After a fatal message: leave at once with a non-zero status. Shutdown does
// not run; the cleanup runs and standard streams are flushed.
[[noreturn]] void EndProcess(int status = 1);

}  // namespace platform
