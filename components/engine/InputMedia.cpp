#include "components/engine/InputMedia.h"

#include "components/engine/LocalFile.h"

extern "C" {
#include <libavutil/display.h>
}

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>

namespace engine {
namespace {

Status OpenDecoder(AVStream* stream, int threads, CodecContextPtr& out) {
    const AVCodec* codec = avcodec_find_decoder(stream->codecpar->codec_id);
    if (!codec)
        return Status::Failure(std::string("no decoder for ") +
                               avcodec_get_name(stream->codecpar->codec_id));
    CodecContextPtr context(avcodec_alloc_context3(codec));
    if (!context)
        return Status::Failure("out of memory");
    if (int e = avcodec_parameters_to_context(context.get(), stream->codecpar); e < 0)
        return Status::Av("decoder parameters", e);
    context->thread_count = threads;
    context->pkt_timebase = stream->time_base;
    if (int e = avcodec_open2(context.get(), codec, nullptr); e < 0)
        return Status::Av(std::string("opening the ") + codec->name + " decoder", e);
    out = std::move(context);
    return {};
}

}  // namespace

Status InputMedia::Open(const std::string& path, bool withAudio, int threads) {
    if (Status s = Read(path, withAudio); !s)
        return s;
    return OpenDecoders(threads);
}

Status InputMedia::Read(const std::string& path, bool withAudio,
                        const std::vector<int>& audioNumbers) {
    path_ = path;
    if (Status s = OpenLocalInput(path, format_); !s)
        return s;
    // Packets the demuxer knows to be corrupt are dropped rather than decoded.
    format_->flags |= AVFMT_FLAG_DISCARD_CORRUPT;
    if (int e = avformat_find_stream_info(format_.get(), nullptr); e < 0)
        return Status::Av("cannot read the streams of " + path, e);
    nextDts_.assign(format_->nb_streams, AV_NOPTS_VALUE);

    const int v = av_find_best_stream(format_.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    video_ = v >= 0 ? format_->streams[v] : nullptr;
    audio_.clear();
    if (!withAudio)
        return {};
    if (audioNumbers.empty()) {
        const int a = av_find_best_stream(format_.get(), AVMEDIA_TYPE_AUDIO, -1, v, nullptr, 0);
        audio_.resize(1);
        audio_[0].stream = a >= 0 ? format_->streams[a] : nullptr;
        return {};
    }
    std::vector<AVStream*> sources;
    for (unsigned i = 0; i < format_->nb_streams; ++i)
        if (format_->streams[i]->codecpar->codec_type == AVMEDIA_TYPE_AUDIO)
            sources.push_back(format_->streams[i]);
    audio_.resize(audioNumbers.size());
    for (std::size_t t = 0; t < audioNumbers.size(); ++t) {
        const int number = audioNumbers[t];
        if (number >= static_cast<int>(sources.size()))
            return Status::Failure("no audio stream " + std::to_string(number) + " in " + path);
        audio_[t].stream = number >= 0 ? sources[number] : nullptr;
    }
    return {};
}

Status InputMedia::OpenDecoders(int threads) {
    if (video_)
        if (Status s = OpenDecoder(video_, threads, videoDecoder_); !s)
            return s;
    // A sound track that cannot be decoded is converted as silence.
    bool anyAudio = false;
    for (AudioTrack& track : audio_) {
        if (track.stream && !OpenDecoder(track.stream, threads, track.decoder))
            track.stream = nullptr;
        anyAudio = anyAudio || track.stream;
    }
    if (!video_ && !anyAudio)
        return Status::Failure("no video or audio stream in " + path_);
    for (unsigned i = 0; i < format_->nb_streams; ++i) {
        AVStream* s = format_->streams[i];
        const bool used =
            s == video_ || std::any_of(audio_.begin(), audio_.end(),
                                       [s](const AudioTrack& track) { return track.stream == s; });
        s->discard = used ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
    }
    return {};
}

std::int64_t InputMedia::startTime() const {
    return format_->start_time == AV_NOPTS_VALUE ? 0 : format_->start_time;
}

std::string InputMedia::RotationFilter() const {
    if (!video_)
        return "";
    const auto* matrix = reinterpret_cast<const int32_t*>(
        av_stream_get_side_data(video_, AV_PKT_DATA_DISPLAYMATRIX, nullptr));
    if (!matrix)
        return "";
    double theta = -std::round(av_display_rotation_get(matrix));
    if (std::isnan(theta))
        return "";
    theta -= 360 * std::floor(theta / 360 + 0.9 / 360);
    if (std::fabs(theta - 90) < 1.0)
        return "transpose=clock";
    if (std::fabs(theta - 180) < 1.0)
        return "hflip,vflip";
    if (std::fabs(theta - 270) < 1.0)
        return "transpose=cclock";
    return "";
}

bool InputMedia::SeekTo(double seconds) {
    const std::int64_t target = startTime() + static_cast<std::int64_t>(seconds * AV_TIME_BASE);
    if (av_seek_frame(format_.get(), -1, target, AVSEEK_FLAG_BACKWARD) < 0)
        return false;
    if (videoDecoder_)
        avcodec_flush_buffers(videoDecoder_.get());
    for (AudioTrack& track : audio_)
        if (track.decoder)
            avcodec_flush_buffers(track.decoder.get());
    return true;
}

Status InputMedia::Deliver(AVCodecContext* decoder, StreamKind kind, int track,
                           const FrameHandler& handler) {
    for (;;) {
        const int e = avcodec_receive_frame(decoder, frame_.get());
        if (e == AVERROR(EAGAIN) || e == AVERROR_EOF)
            return {};
        if (e < 0) {
            ++damaged_;  // a broken frame: players skip it, so do we
            continue;
        }
        Status s = handler(frame_.get(), kind, track);
        av_frame_unref(frame_.get());
        if (!s)
            return s;
    }
}

void InputMedia::SmoothDiscontinuity(AVPacket* packet) {
    if (!(format_->iformat->flags & AVFMT_TS_DISCONT))
        return;
    AVStream* stream = format_->streams[packet->stream_index];
    std::int64_t& next = nextDts_[packet->stream_index];
    const AVRational tb = stream->time_base;
    const std::int64_t shift = av_rescale_q(discontinuityShift_, AV_TIME_BASE_Q, tb);
    if (packet->dts != AV_NOPTS_VALUE)
        packet->dts += shift;
    if (packet->pts != AV_NOPTS_VALUE)
        packet->pts += shift;
    if (packet->dts == AV_NOPTS_VALUE)
        return;
    constexpr std::int64_t kThreshold = 10 * static_cast<std::int64_t>(AV_TIME_BASE);
    const std::int64_t dts = av_rescale_q(packet->dts, tb, AV_TIME_BASE_Q);
    // A packet whose two timestamps disagree by that much carries a damaged
    // one; it gets none rather than moving the whole file.
    if (packet->pts != AV_NOPTS_VALUE &&
        std::llabs(av_rescale_q(packet->pts, tb, AV_TIME_BASE_Q) - dts) > kThreshold) {
        packet->pts = packet->dts = AV_NOPTS_VALUE;
        return;
    }
    if (next != AV_NOPTS_VALUE) {
        const std::int64_t delta = dts - next;
        if (delta < -kThreshold / 10 || delta > kThreshold) {
            discontinuityShift_ -= delta;
            const std::int64_t back = av_rescale_q(delta, AV_TIME_BASE_Q, tb);
            packet->dts -= back;
            if (packet->pts != AV_NOPTS_VALUE)
                packet->pts -= back;
        }
    }
    const std::int64_t duration =
        packet->duration > 0 ? av_rescale_q(packet->duration, tb, AV_TIME_BASE_Q) : 0;
    next = av_rescale_q(packet->dts, tb, AV_TIME_BASE_Q) + duration;
}

Status InputMedia::DecodeAll(const FrameHandler& handler, const std::function<bool()>& stop) {
    PacketPtr packet = MakePacket();
    if (!packet || !frame_)
        return Status::Failure("out of memory");
    for (;;) {
        if (stop && stop())
            return {};
        const int e = av_read_frame(format_.get(), packet.get());
        if (e == AVERROR(EAGAIN)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            continue;
        }
        if (e < 0)
            break;  // the end, or a read error that ends the file as players see it
        AVCodecContext* decoder = nullptr;
        StreamKind kind = StreamKind::Video;
        int track = 0;
        if (video_ && packet->stream_index == video_->index) {
            decoder = videoDecoder_.get();
        } else {
            for (int t = 0; t < audioTracks() && !decoder; ++t) {
                if (audio_[t].stream && packet->stream_index == audio_[t].stream->index) {
                    decoder = audio_[t].decoder.get();
                    kind = StreamKind::Audio;
                    track = t;
                }
            }
        }
        Status s;
        if (decoder)
            SmoothDiscontinuity(packet.get());
        if (decoder) {
            if (avcodec_send_packet(decoder, packet.get()) < 0)
                ++damaged_;
            else
                s = Deliver(decoder, kind, track, handler);
        }
        av_packet_unref(packet.get());
        if (!s)
            return s;
    }
    for (int t = -1; t < audioTracks(); ++t) {
        AVCodecContext* decoder = t < 0 ? videoDecoder_.get() : audio_[t].decoder.get();
        if (!decoder)
            continue;
        avcodec_send_packet(decoder, nullptr);
        const StreamKind kind = t < 0 ? StreamKind::Video : StreamKind::Audio;
        if (Status s = Deliver(decoder, kind, std::max(t, 0), handler); !s)
            return s;
    }
    return {};
}

}  // namespace engine
