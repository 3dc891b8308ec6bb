#include "platform/EventLoop.h"

#include <algorithm>

namespace platform {

EventLoop::EventLoop() : owner_(std::this_thread::get_id()) {}

EventLoop::~EventLoop() {
    // Tasks still queued are dropped; their destructors release any sender
    // that waits on them.
    std::vector<Task> dropped;
    {
        std::lock_guard lock(mutex_);
        dropped.swap(tasks_);
    }
}

bool EventLoop::IsOwnThread() const {
    return std::this_thread::get_id() == owner_;
}

void EventLoop::Post(std::function<void()> task, unsigned delayMs) {
    {
        std::lock_guard lock(mutex_);
        tasks_.push_back(Task{std::chrono::steady_clock::now() + std::chrono::milliseconds(delayMs),
                              nextOrder_++, std::move(task)});
    }
    wake_.notify_all();
}

bool EventLoop::TakeDueTask(std::unique_lock<std::mutex>&, std::function<void()>& out) {
    auto now = std::chrono::steady_clock::now();
    auto best = tasks_.end();
    for (auto it = tasks_.begin(); it != tasks_.end(); ++it) {
        if (it->due > now)
            continue;
        if (best == tasks_.end() || it->due < best->due ||
            (it->due == best->due && it->order < best->order))
            best = it;
    }
    if (best == tasks_.end())
        return false;
    out = std::move(best->run);
    tasks_.erase(best);
    return true;
}

int EventLoop::ProcessPending() {
    int ran = 0;
    for (;;) {
        std::function<void()> task;
        {
            std::unique_lock lock(mutex_);
            if (!TakeDueTask(lock, task))
                return ran;
        }
        task();
        ++ran;
    }
}

bool EventLoop::RunUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        ProcessPending();
        if (done())
            return true;
        auto now = std::chrono::steady_clock::now();
        if (now >= deadline)
            return false;
        std::unique_lock lock(mutex_);
        auto wakeAt = std::min(deadline, now + std::chrono::milliseconds(50));
        for (const Task& t : tasks_)
            wakeAt = std::min(wakeAt, t.due);
        if (wakeAt > now)
            wake_.wait_until(lock, wakeAt);
    }
}

}  // namespace platform
