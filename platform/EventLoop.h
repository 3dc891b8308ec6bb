// A plain event loop for a thread that owns windows: tests and the command
// line run one on their main thread.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/Window.h"

namespace platform {

class EventLoop : public Dispatcher {
  public:
    // The loop belongs to the thread that creates it.
    EventLoop();
    ~EventLoop() override;
    EventLoop(const EventLoop&) = delete;
    EventLoop& operator=(const EventLoop&) = delete;

    bool IsOwnThread() const override;
    void Post(std::function<void()> task, unsigned delayMs = 0) override;

    // Runs tasks on the calling (owning) thread until done() is true, checked
    // after every task and at least every 50 ms. Returns false on timeout.
    bool RunUntil(const std::function<bool()>& done,
                  std::chrono::milliseconds timeout = std::chrono::hours(24));
    // Runs every task that is due now; returns how many ran.
    int ProcessPending();

  private:
    struct Task {
        std::chrono::steady_clock::time_point due;
        std::uint64_t order;
        std::function<void()> run;
    };
    bool TakeDueTask(std::unique_lock<std::mutex>& lock, std::function<void()>& out);

    std::thread::id owner_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::vector<Task> tasks_;
    std::uint64_t nextOrder_ = 0;
};

}  // namespace platform
