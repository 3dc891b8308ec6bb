// Talks to the caller's progress link during a conversion: reports the
// seconds converted and the speed, and watches the abort flag.
//
// The link the caller owns: offset 0 uint32 window handle, 4 uint32 message
// number, 8 int32 abort flag (written by another thread).
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>

namespace engine {

// The record whose address goes with each progress message.
struct ProgressRecord {
    std::int32_t reserved[3] = {};
    std::int32_t seconds = 0;  // whole seconds of the source converted so far
    double speed = 0;          // times real time
};
static_assert(offsetof(ProgressRecord, seconds) == 12);
static_assert(offsetof(ProgressRecord, speed) == 16);

class ProgressReporter {
  public:
    // linkAddress 0: nothing is reported and nothing can abort.
    explicit ProgressReporter(std::intptr_t linkAddress);

    bool AbortRequested() const;
    // Reports mediaSeconds converted; sends at most every interval unless force.
    void Report(double mediaSeconds, bool force = false);
    int messagesSent() const { return sent_; }

  private:
    using Clock = std::chrono::steady_clock;
    std::intptr_t link_;
    Clock::time_point start_ = Clock::now();
    Clock::time_point last_{};
    ProgressRecord record_;
    int sent_ = 0;
};

}  // namespace engine
