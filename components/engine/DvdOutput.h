// The DVD program stream being written: an MPEG-2 video encoder, an AC-3
// encoder for each sound track and FFmpeg's "dvd" muxer (2048-byte packs at
// 10.08 Mbit/s).
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "components/engine/EngineArguments.h"
#include "components/engine/FfmpegHandles.h"
#include "components/engine/MuxerUnderflowWatch.h"
#include "components/engine/Pulldown.h"
#include "components/engine/VideoLanes.h"

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
    // Opens the encoders and the file and writes the stream headers. The
    // video is encoded by videoLanes encoders side by side (see VideoLanes);
    // the sound tracks are the request's (see AudioTrackCount).
    Status Open(const std::string& path, const EngineRequest& request, int videoLanes);
    // Encodes one video frame of the output size; pts counts encoded frames.
    Status WriteVideo(AVFrame* frame);
    // Encodes one audio frame of a track: 48 kHz-style planar float stereo,
    // frameSize() samples (fewer only for the last); pts in samples.
    Status WriteAudio(AVFrame* frame, int track = 0);
    // Adds silence until every sound track (or the one track) reaches seconds.
    Status PadAudioTo(double seconds);
    Status PadAudioTo(int track, double seconds);
    // Drains the encoders and writes the trailer; the file is complete. Fails
    // when the muxer could not deliver every pack in time for a player.
    Status Finish();

    // The most video bits per second a DVD's 10.08 Mbit/s leaves beside
    // sound of audioBitRate, the packs' headers and the navigation packs.
    static std::int64_t MaxVideoRate(std::int64_t audioBitRate);
    // The sound tracks a request's stream carries: one unless it lists them.
    static int AudioTrackCount(const EngineRequest& request);

    // Playing time of the video encoded so far.
    double videoSeconds() const;
    std::int64_t videoFrames() const { return videoFrames_; }
    double audioSeconds(int track = 0) const;
    int audioFrameSize() const;
    int audioTracks() const { return static_cast<int>(audio_.size()); }

  private:
    // Pictures in each group.
    int GroupSize(const EngineRequest& request) const;
    Status OpenVideo(const EngineRequest& request, int lanes);
    Status OpenVideoEncoder(const EngineRequest& request, int threads,
                            const VideoLanes::EncoderStart& start, CodecContextPtr& out) const;
    // The most bits a second the video may take, and the player's video
    // buffer (in bits) it keeps within at that rate.
    static std::int64_t VideoMaxRate(const EngineRequest& request);
    static std::int64_t PlayerBuffer(const EngineRequest& request);
    Status OpenAudio(const EngineRequest& request);
    Status EncodeAudio(AVFrame* frame, int track);
    Status Write(AVStream* stream, AVRational timeBase, AVPacket* packet);
    Status WriteVideoPackets();

    OutputFormatPtr muxer_;
    std::unique_ptr<MuxerUnderflowWatch> underflows_;
    VideoLanes video_;
    AVRational videoTimeBase_{1, 25};
    struct AudioOut {
        CodecContextPtr encoder;
        AVStream* stream = nullptr;
        std::int64_t nextPts = 0;
    };
    std::vector<AudioOut> audio_;
    AVStream* videoStream_ = nullptr;
    PacketPtr packet_ = MakePacket();
    FramePtr silence_;
    std::int64_t videoFrames_ = 0;
    std::int64_t nextVideoPts_ = 0;
    bool interlaced_ = false;
    bool topFirst_ = true;
    bool pulldown_ = false;
    PulldownFlagger pulldownFlagger_;
};

}  // namespace engine
