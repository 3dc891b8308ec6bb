#include "components/engine/DvdOutput.h"

#include "components/engine/PictureColour.h"

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
#include <libavutil/samplefmt.h>
}

#include <algorithm>

namespace engine {
namespace {

constexpr std::int64_t kDvdMuxRate = 10080000;
// Pack and packet headers, navigation packs and the muxer's scheduling
// margin, measured on detailed pictures at the highest rates.
constexpr std::int64_t kMuxOverhead = 600000;

}  // namespace

std::int64_t DvdOutput::MaxVideoRate(std::int64_t audioBitRate) {
    return kDvdMuxRate - audioBitRate - kMuxOverhead;
}

int DvdOutput::AudioTrackCount(const EngineRequest& r) {
    return std::max<int>(1, static_cast<int>(r.audioTracks.size()));
}

int DvdOutput::GroupSize(const EngineRequest& r) const {
    // A group may show no more fields than keyint pictures have: film
    // pictures take two and a half on average.
    return pulldown_ ? std::max(1, r.gopSize * 4 / 5) : std::max(1, r.gopSize);
}

std::int64_t DvdOutput::VideoMaxRate(const EngineRequest& r) {
    // Whatever rate is asked for, picture and sound together must fit the
    // disc's mux rate, or a player's buffer runs dry and the picture stutters.
    const std::int64_t cap = MaxVideoRate(r.audioBitRate * AudioTrackCount(r));
    return std::min(r.maxRate > 0 ? r.maxRate : cap, cap);
}

std::int64_t DvdOutput::PlayerBuffer(const EngineRequest& r) {
    return r.bufferSize == 0 && VideoMaxRate(r) > 0 ? 1835008 : r.bufferSize;
}

Status DvdOutput::OpenVideoEncoder(const EngineRequest& r, int threads,
                                   const VideoLanes::EncoderStart& start,
                                   CodecContextPtr& out) const {
    const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_MPEG2VIDEO);
    if (!codec)
        return Status::Failure("no mpeg2video encoder");
    out.reset(avcodec_alloc_context3(codec));
    if (!out)
        return Status::Failure("out of memory");
    AVCodecContext* c = out.get();
    c->width = r.width;
    c->height = r.height;
    c->pix_fmt = AV_PIX_FMT_YUV420P;
    const AVRational rate = pulldown_ ? kFilmRate : r.outputRate;
    c->time_base = av_inv_q(rate);
    c->framerate = rate;
    // The display aspect ratio becomes the pixels' shape.
    av_reduce(&c->sample_aspect_ratio.num, &c->sample_aspect_ratio.den,
              static_cast<std::int64_t>(r.aspect.num) * r.height,
              static_cast<std::int64_t>(r.aspect.den) * r.width, 1 << 16);
    c->rc_max_rate = VideoMaxRate(r);
    c->bit_rate = std::min(r.videoBitRate, MaxVideoRate(r.audioBitRate * AudioTrackCount(r)));
    const auto buffer = static_cast<int>(PlayerBuffer(r));
    // Twice as much where the encoder shares the stream (see VideoLanes): on
    // detailed pictures at 5 Mbit/s its key pictures come out 0.6 dB below the
    // stream's mean instead of 2 dB, and the stream's account seldom finds a
    // group that breaks the player's buffer.
    c->rc_buffer_size = start.exact ? buffer : 2 * buffer;
    c->rc_initial_buffer_occupancy =
        std::min(c->rc_buffer_size, start.fullness.value_or(buffer * 3 / 4));
    SetDvdColourDescription(*c, r.height == 576);
    av_opt_set(c->priv_data, "video_format", r.height == 576 ? "pal" : "ntsc", 0);
    if (interlaced_) {
        // Transforms and motion search by field as well as by frame: where
        // the two fields of a picture differ, frame-only prediction wastes bits.
        c->flags |= AV_CODEC_FLAG_INTERLACED_DCT | AV_CODEC_FLAG_INTERLACED_ME;
        c->field_order = topFirst_ ? AV_FIELD_TT : AV_FIELD_BB;
    }
    c->max_b_frames = 2;
    // Each group is started by VideoLanes with a picture marked for it, at
    // the longest a group may be or at a scene cut; the encoder's own count,
    // which would close a group two pictures early to keep its B-pictures
    // inside, and its own scene detection must never start one. Groups are
    // closed: the encoders of one stream each take whole groups, so no
    // picture may refer to one of another group.
    c->gop_size = GroupSize(r) + c->max_b_frames + 1;
    c->flags |= AV_CODEC_FLAG_CLOSED_GOP;
    av_opt_set_int(c->priv_data, "sc_threshold", 1000000000, 0);
    c->strict_std_compliance = r.strictness;
    c->thread_count = threads;
    if (start.coarse || r.mode == EngineMode::MenuStill) {
        // The wider quantiser scale lets a detailed still, or noise, fit the
        // buffer instead of underflowing it. Other pictures are coded better
        // on the linear scale (0.2 dB at the same bits).
        av_opt_set_int(c->priv_data, "non_linear_quant", 1, 0);
        c->qmax = 28;  // the most the non-linear scale supports
    } else {
        c->qmax = 31;
        // A key picture may take half of what the buffer holds, not a third:
        // at the highest rates, where the pictures predicted from it come out
        // very well, a third left it 2.9 dB below them on a city clip (0.6 dB
        // with half). The stream's own account keeps the buffer whole.
        c->rc_max_available_vbv_use = 0.5f;
    }
    if (int e = avcodec_open2(c, codec, nullptr); e < 0)
        return Status::Av("opening the mpeg2video encoder", e);
    return {};
}

Status DvdOutput::OpenVideo(const EngineRequest& r, int lanes) {
    lanes = std::max(1, lanes);
    // The cores are shared out between the lanes; each encoder's own threads
    // take rows of its pictures.
    const int threads = std::max(1, CodecThreads() / lanes);
    if (Status s = video_.Open(
            lanes, GroupSize(r), PlayerBuffer(r),
            [this, r, threads](CodecContextPtr& encoder, const VideoLanes::EncoderStart& start) {
                return OpenVideoEncoder(r, threads, start, encoder);
            });
        !s)
        return s;
    const AVCodecContext* c = video_.encoder();
    videoTimeBase_ = c->time_base;
    videoStream_ = avformat_new_stream(muxer_.get(), nullptr);
    if (!videoStream_)
        return Status::Failure("out of memory");
    avcodec_parameters_from_context(videoStream_->codecpar, c);
    videoStream_->time_base = c->time_base;
    videoStream_->sample_aspect_ratio = c->sample_aspect_ratio;
    videoStream_->avg_frame_rate = r.outputRate;
    return {};
}

Status DvdOutput::OpenAudio(const EngineRequest& r) {
    const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_AC3);
    if (!codec)
        return Status::Failure("no ac3 encoder");
    // Each track is an AC-3 stream of its own, numbered in order by the muxer.
    audio_.resize(AudioTrackCount(r));
    for (AudioOut& track : audio_) {
        track.encoder.reset(avcodec_alloc_context3(codec));
        if (!track.encoder)
            return Status::Failure("out of memory");
        AVCodecContext* c = track.encoder.get();
        c->sample_rate = r.sampleRate;
        c->sample_fmt = AV_SAMPLE_FMT_FLTP;
        av_channel_layout_default(&c->ch_layout, 2);
        c->bit_rate = r.audioBitRate;
        c->time_base = AVRational{1, r.sampleRate};
        if (int e = avcodec_open2(c, codec, nullptr); e < 0)
            return Status::Av("opening the ac3 encoder", e);
        track.stream = avformat_new_stream(muxer_.get(), nullptr);
        if (!track.stream)
            return Status::Failure("out of memory");
        avcodec_parameters_from_context(track.stream->codecpar, c);
        track.stream->time_base = c->time_base;
    }

    const AVCodecContext* c = audio_.front().encoder.get();
    silence_ = MakeFrame();
    if (!silence_)
        return Status::Failure("out of memory");
    silence_->format = c->sample_fmt;
    silence_->sample_rate = c->sample_rate;
    silence_->nb_samples = c->frame_size;
    av_channel_layout_copy(&silence_->ch_layout, &c->ch_layout);
    if (int e = av_frame_get_buffer(silence_.get(), 0); e < 0)
        return Status::Av("silence buffer", e);
    av_samples_set_silence(silence_->extended_data, 0, c->frame_size, 2, c->sample_fmt);
    return {};
}

Status DvdOutput::Open(const std::string& path, const EngineRequest& r, int videoLanes) {
    AVFormatContext* raw = nullptr;
    if (int e = avformat_alloc_output_context2(&raw, nullptr, "dvd", path.c_str()); e < 0)
        return Status::Av("dvd muxer", e);
    muxer_.reset(raw);
    muxer_->max_delay = 700000;
    underflows_ = std::make_unique<MuxerUnderflowWatch>(muxer_.get());
    if (Status s = OpenVideo(r, videoLanes); !s)
        return s;
    if (Status s = OpenAudio(r); !s)
        return s;
    if (int e = avio_open(&muxer_->pb, path.c_str(), AVIO_FLAG_WRITE); e < 0)
        return Status::Av("cannot write " + path, e);
    AVDictionary* options = nullptr;
    av_dict_set(&options, "packetsize", "2048", 0);
    av_dict_set(&options, "muxrate", "10080000", 0);
    const int e = avformat_write_header(muxer_.get(), &options);
    av_dict_free(&options);
    if (e < 0)
        return Status::Av("writing the stream header", e);
    return {};
}

Status DvdOutput::Write(AVStream* stream, AVRational timeBase, AVPacket* packet) {
    if (pulldown_ && stream == videoStream_) {
        if (Status s = pulldownFlagger_.Flag(packet); !s)
            return s;
        timeBase = kNtscFieldTime;
    }
    av_packet_rescale_ts(packet, timeBase, stream->time_base);
    packet->stream_index = stream->index;
    if (int e = av_interleaved_write_frame(muxer_.get(), packet); e < 0)
        return Status::Av("writing the program stream", e);
    return {};
}

Status DvdOutput::WriteVideoPackets() {
    return video_.WriteReady(
        [this](AVPacket* packet) { return Write(videoStream_, videoTimeBase_, packet); });
}

Status DvdOutput::EncodeAudio(AVFrame* frame, int track) {
    AVCodecContext* encoder = audio_[track].encoder.get();
    if (int e = avcodec_send_frame(encoder, frame); e < 0)
        return Status::Av("encoding ac3", e);
    for (;;) {
        int e = avcodec_receive_packet(encoder, packet_.get());
        if (e == AVERROR(EAGAIN) || e == AVERROR_EOF)
            return {};
        if (e < 0)
            return Status::Av("encoding ac3", e);
        if (Status s = Write(audio_[track].stream, encoder->time_base, packet_.get()); !s)
            return s;
    }
}

Status DvdOutput::WriteVideo(AVFrame* frame) {
    // Timestamps only move forward; a late frame takes the next slot.
    if (frame->pts == AV_NOPTS_VALUE || frame->pts < nextVideoPts_)
        frame->pts = nextVideoPts_;
    nextVideoPts_ = frame->pts + 1;
    frame->pict_type = AV_PICTURE_TYPE_NONE;
    frame->interlaced_frame = interlaced_;
    frame->top_field_first = interlaced_ && topFirst_;
    ++videoFrames_;
    if (Status s = video_.Send(frame); !s)
        return s;
    return WriteVideoPackets();
}

Status DvdOutput::WriteAudio(AVFrame* frame, int track) {
    std::int64_t& next = audio_[track].nextPts;
    if (frame->pts == AV_NOPTS_VALUE || frame->pts < next)
        frame->pts = next;
    next = frame->pts + frame->nb_samples;
    return EncodeAudio(frame, track);
}

Status DvdOutput::PadAudioTo(double seconds) {
    for (int track = 0; track < audioTracks(); ++track)
        if (Status s = PadAudioTo(track, seconds); !s)
            return s;
    return {};
}

Status DvdOutput::PadAudioTo(int track, double seconds) {
    const AVCodecContext* encoder = audio_[track].encoder.get();
    const auto target = static_cast<std::int64_t>(seconds * encoder->sample_rate);
    while (audio_[track].nextPts < target) {
        if (int e = av_frame_make_writable(silence_.get()); e < 0)
            return Status::Av("silence buffer", e);
        av_samples_set_silence(silence_->extended_data, 0, silence_->nb_samples, 2,
                               encoder->sample_fmt);
        silence_->pts = audio_[track].nextPts;
        if (Status s = WriteAudio(silence_.get(), track); !s)
            return s;
    }
    return {};
}

Status DvdOutput::Finish() {
    if (Status s = video_.Finish(); !s)
        return s;
    if (Status s = WriteVideoPackets(); !s)
        return s;
    for (int track = 0; track < audioTracks(); ++track)
        if (Status s = EncodeAudio(nullptr, track); !s)
            return s;
    if (int e = av_write_trailer(muxer_.get()); e < 0)
        return Status::Av("finishing the program stream", e);
    if (int e = avio_closep(&muxer_->pb); e < 0)
        return Status::Av("closing the program stream", e);
    if (const int late = underflows_->underflows(); late > 0)
        return Status::Failure(
            "the program stream could not be packed in time for a DVD player (" +
            std::to_string(late) +
            " buffer underflows): the picture would stutter; choose a lower quality");
    return {};
}

double DvdOutput::videoSeconds() const {
    return nextVideoPts_ * av_q2d(videoTimeBase_);
}

double DvdOutput::audioSeconds(int track) const {
    return static_cast<double>(audio_[track].nextPts) / audio_[track].encoder->sample_rate;
}

int DvdOutput::audioFrameSize() const {
    return audio_.front().encoder->frame_size;
}

}  // namespace engine
