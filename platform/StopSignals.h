// The signals that ask a program to stop (SIGTERM, SIGHUP, SIGINT) turned
// into a byte on a pipe, so that the program ends through its own shutdown.
// The handler only writes to the pipe; a second such signal ends the process
// at once.
#pragma once

namespace platform {

// Installs the handlers (once) and returns the pipe's read end, non-blocking
// and ready to watch; -1 when no pipe could be made.
int WatchStopSignals();

// Reads away what the handler wrote to fd; true when a stop signal came.
bool TakeStopSignal(int fd);

}  // namespace platform
