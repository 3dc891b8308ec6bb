// A libavfilter chain from one source to one sink, built from the first frame
// it is given and rebuilt when the frames change their size or format.
#pragma once

#include <functional>
#include <string>

#include "components/engine/FfmpegHandles.h"

namespace engine {

class FilterChain {
  public:
    // Receives every filtered frame; its timestamps are in outputTimeBase().
    using FrameHandler = std::function<Status(AVFrame*)>;
    // The filters between source and sink for frames like frame (the first
    // one the chain gets); firstBuild is false when the chain is rebuilt in
    // the middle of a stream.
    using Describer = std::function<std::string(const AVFrame& frame, bool firstBuild)>;

    // sourceTimeBase: the time base of the frames pushed; threads: what the
    // filters may use.
    FilterChain(AVMediaType type, AVRational sourceTimeBase, Describer describe,
                FrameHandler handler, int threads = 2);
    ~FilterChain() { av_channel_layout_uninit(&layout_); }
    FilterChain(const FilterChain&) = delete;
    FilterChain& operator=(const FilterChain&) = delete;

    // Filters one frame (pts in the source time base).
    Status Push(AVFrame* frame);
    // Ends the stream at endPts (source time base) and passes on the rest.
    Status Finish(std::int64_t endPts);
    bool built() const { return sink_ != nullptr; }
    AVRational outputTimeBase() const;

  private:
    Status Build(const AVFrame* frame);
    bool Matches(const AVFrame* frame) const;
    Status Drain();

    AVMediaType type_;
    AVRational sourceTimeBase_;
    Describer describe_;
    FrameHandler handler_;
    int threads_;
    FilterGraphPtr graph_;
    AVFilterContext* source_ = nullptr;
    AVFilterContext* sink_ = nullptr;
    FramePtr filtered_ = MakeFrame();
    bool everBuilt_ = false;
    // What the source was configured for.
    int width_ = 0, height_ = 0, format_ = -1, sampleRate_ = 0;
    AVChannelLayout layout_{};
};

}  // namespace engine
