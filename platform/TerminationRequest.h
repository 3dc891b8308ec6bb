// A request to end the program (SIGTERM, SIGINT, SIGHUP: a logout, kill, a
// closed terminal), handed to the event loop instead of ending the process at
// once, so that the program can close its windows and run its shutdown.
#pragma once

namespace platform {

// Installs the handlers. Returns a descriptor that becomes readable at each
// request (-1 when that cannot be set up; the signals then act as usual).
int WatchTerminationRequests();
// Takes the pending requests off the descriptor.
void TakeTerminationRequests(int descriptor);
// Ends the process as the request would have without the handlers.
[[noreturn]] void EndAsRequested();

}  // namespace platform
