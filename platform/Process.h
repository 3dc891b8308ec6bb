// Ending the process, and what the machine offers it.
#pragma once

#include <cstdint>
#include <functional>

namespace platform {

// What must be done on every way out, also when EndProcess ends the process
// (removing a private temp folder, for example). One function; a later call
// replaces it, an empty one clears it.
void SetEndProcessCleanup(std::function<void()> cleanup);

// After a fatal message: leave at once with a non-zero status. Shutdown does
// not run; the cleanup runs and standard streams are flushed.
[[noreturn]] void EndProcess(int status = 1);

// Processor cores this process may run on (at least 1).
int UsableCores();
// Memory that new work can take without pushing others out, in MB; -1 when
// unknown.
std::int64_t AvailableMemoryMB();

}  // namespace platform
