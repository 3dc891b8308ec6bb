// Filters decoded frames into the DVD output: the picture scaled to the frame
// size with the display aspect and held at the output rate, the sound
// resampled into AC-3 frames for each sound track, silence wherever the
// source has none.
#pragma once

#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "components/engine/DvdOutput.h"
#include "components/engine/EncodeQueue.h"
#include "components/engine/FilterChain.h"
#include "components/engine/Interlace.h"
#include "components/engine/ProgressReporter.h"

namespace engine {

// One sound track of the output: the source's frames in timeBase, or
// silence throughout.
struct AudioTrackSource {
    bool fromSource = false;
    AVRational timeBase{1, 48000};
};

class StreamWriter {
  public:
    // audio: the output's sound tracks, as many as the request has (see
    // DvdOutput::AudioTrackCount). rotation: filters that turn the picture
    // upright first ("" for none); fields: what is done with an interlaced
    // source's fields; filterThreads: what filtering the pictures may use.
    StreamWriter(const EngineRequest& request, AVRational videoTimeBase,
                 const std::vector<AudioTrackSource>& audio, std::string rotation, FieldPlan fields,
                 ProgressReporter* progress, int filterThreads);

    // videoLanes: encoders the picture is shared out between.
    Status Open(const std::string& path, int videoLanes);
    // pts in the time bases given above.
    Status PushVideo(AVFrame* frame);
    Status PushAudio(AVFrame* frame, int track = 0);
    // Ends the streams (the video at videoEndPts, each track fed from the
    // source at its audioEndPts) and completes the file.
    Status Finish(std::int64_t videoEndPts, const std::vector<std::int64_t>& audioEndPts);
    std::int64_t videoFrames() const { return output_.videoFrames(); }

  private:
    std::string VideoFilters(const AVFrame& frame, bool firstBuild) const;
    std::string AudioFilters(bool firstBuild) const;
    Status OnVideo(AVFrame* frame);
    Status OnAudio(AVFrame* frame, int track);
    // Runs the encoder side of a frame on the encoding thread.
    Status Encode(AVFrame* frame, Status (StreamWriter::*encode)(AVFrame*));
    Status EncodeVideo(AVFrame* frame);

    const EngineRequest& request_;
    std::string rotation_;
    FieldPlan fields_;
    ProgressReporter* progress_;
    DvdOutput output_;
    FilterChain video_;
    // By track; none for a track of silence.
    std::vector<std::unique_ptr<FilterChain>> audio_;
    std::atomic<double> encodedSeconds_{0};
    // Encodes and writes, so that decoding and filtering go on meanwhile.
    EncodeQueue queue_{8};
    // Filters the pictures, so that decoding the next ones goes on meanwhile.
    // Last: it stops before the encoding it feeds and the filters it runs go.
    EncodeQueue filtering_{4};
};

}  // namespace engine
