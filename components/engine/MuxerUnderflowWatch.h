// Counts the "buffer underflow" reports of one program-stream muxer: packs
// that reach a player's buffer later than their pictures or sound are due,
// which a player shows as stutter.
#pragma once

#include <atomic>

struct AVFormatContext;

namespace engine {

class MuxerUnderflowWatch {
  public:
    // Watches muxer's log until destroyed; other messages pass on unchanged.
    explicit MuxerUnderflowWatch(const AVFormatContext* muxer);
    ~MuxerUnderflowWatch();
    MuxerUnderflowWatch(const MuxerUnderflowWatch&) = delete;
    MuxerUnderflowWatch& operator=(const MuxerUnderflowWatch&) = delete;

    int underflows() const { return count_.load(); }

  private:
    friend struct MuxerLogRouter;
    const AVFormatContext* muxer_;
    std::atomic<int> count_{0};
};

}  // namespace engine
