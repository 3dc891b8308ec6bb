#include "platform/CancelSignal.h"

#include <utility>

namespace platform {

CancelSignal::Subscription::Subscription(Subscription&& other) noexcept
    : signal_(std::exchange(other.signal_, nullptr)), id_(std::exchange(other.id_, 0)) {}

CancelSignal::Subscription& CancelSignal::Subscription::operator=(Subscription&& other) noexcept {
    if (this != &other) {
        Reset();
        signal_ = std::exchange(other.signal_, nullptr);
        id_ = std::exchange(other.id_, 0);
    }
    return *this;
}

void CancelSignal::Subscription::Reset() {
    if (signal_)
        std::exchange(signal_, nullptr)->Unsubscribe(id_);
}

void CancelSignal::Cancel() {
    // Under the lock: an action runs once, and never after its subscription
    // has ended.
    std::lock_guard lock(mutex_);
    if (flag_.exchange(true))
        return;
    for (const auto& [id, action] : actions_)
        action();
}

void CancelSignal::Reset() {
    std::lock_guard lock(mutex_);
    flag_ = false;
}

CancelSignal::Subscription CancelSignal::OnCancel(std::function<void()> action) {
    std::lock_guard lock(mutex_);
    if (flag_.load()) {
        action();
        return {};
    }
    const std::uint64_t id = nextId_++;
    actions_.emplace(id, std::move(action));
    return {this, id};
}

void CancelSignal::Unsubscribe(std::uint64_t id) {
    std::lock_guard lock(mutex_);
    actions_.erase(id);
}

}  // namespace platform
