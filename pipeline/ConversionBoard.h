// Conversions side by side: each runs in the engine on a thread of its own
// with a progress link of its own. The board sums what the running ones have
// done into one progress message through the job's link, passes the job's
// cancel on to all of them the moment it is given, stops the others when one
// fails, and lets their log lines out in the order of the videos.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "pipeline/AuthoringJob.h"
#include "platform/CancelSignal.h"

// How many conversions run at once: configured when above 0, else as many as
// the cores and the free memory allow; never more than videos, at least 1.
std::size_t ConversionSlots(int configured, std::size_t videos);

class ConversionBoard {
  public:
    // jobLink: where the summed progress goes; cancel stops all; converted:
    // the job's seconds converted, which finished conversions add to.
    ConversionBoard(ProgressLink& jobLink, platform::CancelSignal& cancel,
                    std::atomic<std::int64_t>& converted, std::size_t slots);
    ~ConversionBoard();
    ConversionBoard(const ConversionBoard&) = delete;
    ConversionBoard& operator=(const ConversionBoard&) = delete;

    std::size_t slots() const { return slots_.size(); }
    // The link the engine gets for a conversion running in slot.
    ProgressLink& Link(std::size_t slot);

    // Runs task(index, slot) for every index below count, in order of index,
    // at most slots() at a time, each on a thread of its own. No new task
    // starts once the board is stopped. Returns when every task has.
    void Run(std::size_t count, const std::function<void(std::size_t, std::size_t)>& task);

    // Runs then once the tasks of every index below index have had their
    // turn (or at once when the board is stopped); each task takes its turn
    // once.
    void InTurn(std::size_t index, const std::function<void()>& then);
    // The conversion in slot ended; its seconds count as converted.
    void Finished(std::size_t slot, std::int64_t seconds);
    // Tells every running conversion to stop, and starts no more.
    void StopAll();
    bool Stopped() const;

  private:
    struct Slot;
    void OnProgress(std::size_t slot, const ConvertProgressRecord& record);

    ProgressLink& jobLink_;
    std::atomic<std::int64_t>& converted_;
    std::vector<std::unique_ptr<Slot>> slots_;
    mutable std::mutex mutex_;
    std::mutex sending_;  // one progress message to the window at a time
    std::condition_variable changed_;
    bool stopped_ = false;
    std::mutex turnMutex_;  // taken before the board's mutex, never after
    std::condition_variable turnChanged_;
    std::size_t turn_ = 0;
    // Last: it ends before anything StopAll touches.
    platform::CancelSignal::Subscription onCancel_;
};
