// A worker thread that runs encoding tasks in order, so that decoding and
// filtering the next pictures overlap with encoding the previous ones.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

#include "components/engine/FfmpegHandles.h"

namespace engine {

class EncodeQueue {
  public:
    using Task = std::function<Status()>;

    // capacity: tasks waiting at most; Submit blocks while the queue is full.
    explicit EncodeQueue(std::size_t capacity);
    // Drops the tasks not yet started and waits for the running one.
    ~EncodeQueue();
    EncodeQueue(const EncodeQueue&) = delete;
    EncodeQueue& operator=(const EncodeQueue&) = delete;

    // Queues task; returns the failure of an earlier task instead, if any
    // (the task is then dropped).
    Status Submit(Task task);
    // Waits until every queued task has run; the first failure, if any.
    Status Drain();

  private:
    void Run();

    std::size_t capacity_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Task> tasks_;
    bool busy_ = false;
    bool stopping_ = false;
    Status failure_;
    std::thread worker_;
};

}  // namespace engine
