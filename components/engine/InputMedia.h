// An opened source file: the best video stream and one or more audio
// streams, their decoders, and a read-and-decode loop that skips damaged
// packets.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "components/engine/FfmpegHandles.h"

namespace engine {

enum class StreamKind { Video, Audio };

class InputMedia {
  public:
    // Called for every decoded frame; a failure ends the loop with it. track:
    // the audio track a sound frame belongs to (0 for pictures).
    using FrameHandler = std::function<Status(AVFrame* frame, StreamKind kind, int track)>;

    // Opens path and the decoders of its best video stream and, when
    // withAudio, of the best audio stream. Fails when neither exists.
    Status Open(const std::string& path, bool withAudio, int threads);
    // The same in two steps: the file and its streams (their facts known),
    // then the decoders. audioNumbers, when not empty, chooses the audio
    // tracks instead of the best stream: the source's audio streams by their
    // number in the file's order (0 its first), -1 a track without a source.
    Status Read(const std::string& path, bool withAudio, const std::vector<int>& audioNumbers = {});
    Status OpenDecoders(int threads);

    AVFormatContext* format() const { return format_.get(); }
    AVStream* videoStream() const { return video_; }
    // The first audio track's stream (nullptr when it has none).
    AVStream* audioStream() const { return audioStream(0); }
    AVCodecContext* videoDecoder() const { return videoDecoder_.get(); }
    AVCodecContext* audioDecoder() const { return audioDecoder(0); }
    // The audio tracks chosen: none without audio, else at least one, each
    // with its stream and decoder, or none for a track of silence.
    int audioTracks() const { return static_cast<int>(audio_.size()); }
    AVStream* audioStream(int track) const {
        return track < audioTracks() ? audio_[track].stream : nullptr;
    }
    AVCodecContext* audioDecoder(int track) const {
        return track < audioTracks() ? audio_[track].decoder.get() : nullptr;
    }
    // The container's start time in AV_TIME_BASE units (0 when unknown).
    std::int64_t startTime() const;
    // Filter text that turns the stored picture upright, as players show it
    // ("" when the stream carries no rotation).
    std::string RotationFilter() const;

    // Seeks to the key frame at or before seconds (from the start); false when
    // the container cannot seek there.
    bool SeekTo(double seconds);
    // Reads and decodes until the end, until stop() is true (checked before
    // every packet) or until handler fails. Damaged packets are skipped. At the
    // end (not after a stop) the decoders are drained.
    Status DecodeAll(const FrameHandler& handler, const std::function<bool()>& stop);
    // Packets that could not be decoded and were skipped.
    int damagedPackets() const { return damaged_; }

  private:
    // Program streams restart their clock where recordings were joined; such
    // jumps are taken out so that the file plays on as one.
    void SmoothDiscontinuity(AVPacket* packet);
    Status Deliver(AVCodecContext* decoder, StreamKind kind, int track,
                   const FrameHandler& handler);

    struct AudioTrack {
        AVStream* stream = nullptr;
        CodecContextPtr decoder;
    };

    std::string path_;
    InputFormatPtr format_;
    AVStream* video_ = nullptr;
    std::vector<AudioTrack> audio_;
    CodecContextPtr videoDecoder_;
    FramePtr frame_ = MakeFrame();
    int damaged_ = 0;
    std::int64_t discontinuityShift_ = 0;  // AV_TIME_BASE units
    std::vector<std::int64_t> nextDts_;    // by stream index
};

}  // namespace engine
