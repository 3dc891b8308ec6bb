// A descriptor that becomes readable when a CancelSignal is cancelled, for a
// thread that sleeps in poll on other descriptors as well: it wakes at the
// cancel instead of looking at the flag on a timer.
#pragma once

#include "platform/CancelSignal.h"

namespace platform {

class CancelWake {
  public:
    // Readable at once when signal is cancelled already.
    explicit CancelWake(CancelSignal& signal);
    ~CancelWake();
    CancelWake(const CancelWake&) = delete;
    CancelWake& operator=(const CancelWake&) = delete;

    // The descriptor to poll for POLLIN; -1 when none could be made (the
    // cancel then wakes nobody).
    int Fd() const { return fd_; }

  private:
    int fd_ = -1;
    // Ends before the descriptor closes.
    CancelSignal::Subscription subscription_;
};

}  // namespace platform
