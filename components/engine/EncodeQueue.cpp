#include "components/engine/EncodeQueue.h"

namespace engine {

EncodeQueue::EncodeQueue(std::size_t capacity) : capacity_(capacity), worker_([this] { Run(); }) {}

EncodeQueue::~EncodeQueue() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        tasks_.clear();
    }
    changed_.notify_all();
    worker_.join();
}

Status EncodeQueue::Submit(Task task) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return tasks_.size() < capacity_ || !failure_.ok(); });
    if (!failure_.ok())
        return failure_;
    tasks_.push_back(std::move(task));
    changed_.notify_all();
    return {};
}

Status EncodeQueue::Drain() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return (tasks_.empty() && !busy_) || !failure_.ok(); });
    return failure_;
}

void EncodeQueue::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return stopping_ || !tasks_.empty(); });
        if (stopping_)
            return;
        Task task = std::move(tasks_.front());
        tasks_.pop_front();
        busy_ = true;
        lock.unlock();
        Status result;
        try {
            result = task();
        } catch (const std::exception& e) {
            result = Status::Failure(e.what());
        }
        lock.lock();
        busy_ = false;
        if (!result.ok() && failure_.ok()) {
            failure_ = result;
            tasks_.clear();
        }
        changed_.notify_all();
    }
}

}  // namespace engine
