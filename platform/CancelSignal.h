// A cancel that reaches those who wait for it at once: Cancel() sets the
// flag and runs, on the cancelling thread, what each waiting party asked to
// be done (set an engine's abort flag, wake a waiting thread, stop a burn).
// Nobody needs to look at the flag on a timer.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>

namespace platform {

class CancelSignal {
  public:
    // Ends what OnCancel began: once it is gone, its action is not running
    // and never runs again.
    class Subscription {
      public:
        Subscription() = default;
        Subscription(CancelSignal* signal, std::uint64_t id) : signal_(signal), id_(id) {}
        ~Subscription() { Reset(); }
        Subscription(Subscription&& other) noexcept;
        Subscription& operator=(Subscription&& other) noexcept;
        Subscription(const Subscription&) = delete;
        Subscription& operator=(const Subscription&) = delete;
        void Reset();

      private:
        CancelSignal* signal_ = nullptr;
        std::uint64_t id_ = 0;
    };

    CancelSignal() = default;
    CancelSignal(const CancelSignal&) = delete;
    CancelSignal& operator=(const CancelSignal&) = delete;

    // Sets the flag and runs every action once. Actions must be short and
    // must not subscribe or unsubscribe themselves.
    void Cancel();
    bool Cancelled() const { return flag_.load(); }
    // Clears the flag for the next run; only while nothing is subscribed.
    void Reset();

    // Runs action when the signal is cancelled, or at once when it is
    // already. Keep the subscription as long as the action may run.
    [[nodiscard]] Subscription OnCancel(std::function<void()> action);

  private:
    void Unsubscribe(std::uint64_t id);

    std::atomic<bool> flag_{false};
    std::mutex mutex_;
    std::map<std::uint64_t, std::function<void()>> actions_;
    std::uint64_t nextId_ = 1;
};

}  // namespace platform
