// The DVD program stream being written: an MPEG-2 video encoder, an AC-3
// encoder and FFmpeg's "dvd" muxer (2048-byte packs at 10.08 Mbit/s).
#pragma once

#include <memory>
#include <string>

#include "components/engine/EngineArguments.h"
#include "components/engine/FfmpegHandles.h"
#include "components/engine/MuxerUnderflowWatch.h"
#include "components/engine/Pulldown.h"

namespace engine {

class DvdOutput {
  public:
    // Before Open: the pictures are encoded as two fields each, the top (or
    // bottom) one shown first.
    void KeepFields(bool topFirst) {
        interlaced_ = true;
        topFirst_ = topFirst;
    }
    // Before Open: the pictures are film, encoded at its own rate and flagged
    // to be shown by 3:2 pulldown on an NTSC disc.
    void FilmPulldown() { pulldown_ = true; }
    // Opens the encoders and the file and writes the stream headers.
    Status Open(const std::string& path, const EngineRequest& request, int threads);
    // Encodes one video frame of the output size; pts counts encoded frames.
    Status WriteVideo(AVFrame* frame);
    // Encodes one audio frame: 48 kHz-style planar float stereo, frameSize()
    // samples (fewer only for the last); pts in samples.
    Status WriteAudio(AVFrame* frame);
    // Adds silence until the sound reaches seconds.
    Status PadAudioTo(double seconds);
    // Drains both encoders and writes the trailer; the file is complete. Fails
    // when the muxer could not deliver every pack in time for a player.
    Status Finish();

    // The most video bits per second a DVD's 10.08 Mbit/s leaves beside
    // sound of audioBitRate, the packs' headers and the navigation packs.
    static std::int64_t MaxVideoRate(std::int64_t audioBitRate);

    // Playing time of the video encoded so far.
    double videoSeconds() const;
    std::int64_t videoFrames() const { return videoFrames_; }
    double audioSeconds() const;
    int audioFrameSize() const;

  private:
    Status OpenVideo(const EngineRequest& request, int threads);
    Status OpenAudio(const EngineRequest& request);
    Status Encode(AVCodecContext* encoder, AVStream* stream, AVFrame* frame);

    OutputFormatPtr muxer_;
    std::unique_ptr<MuxerUnderflowWatch> underflows_;
    CodecContextPtr video_;
    CodecContextPtr audio_;
    AVStream* videoStream_ = nullptr;
    AVStream* audioStream_ = nullptr;
    PacketPtr packet_ = MakePacket();
    FramePtr silence_;
    std::int64_t videoFrames_ = 0;
    std::int64_t nextVideoPts_ = 0;
    std::int64_t nextAudioPts_ = 0;
    bool interlaced_ = false;
    bool topFirst_ = true;
    bool pulldown_ = false;
    PulldownFlagger pulldownFlagger_;
};

}  // namespace engine
