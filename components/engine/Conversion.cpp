#include "components/engine/Conversion.h"

#include <algorithm>
#include <filesystem>
#include <mutex>
#include <set>
#include <vector>

#include "components/engine/InputMedia.h"
#include "components/engine/LocalFile.h"
#include "components/engine/StreamWriter.h"

namespace engine {
namespace {

namespace fs = std::filesystem;

// A menu picture is a frame-sized still: far below this.
constexpr std::int64_t kMaxPictureBytes = 64 << 20;

// The output is written under a side name and renamed when complete, so that
// a file at the output path is always a whole program stream.
class PendingFile {
  public:
    explicit PendingFile(std::string path) : path_(std::move(path)), temp_(path_ + ".part") {}
    ~PendingFile() {
        if (!committed_) {
            std::error_code ignored;
            fs::remove(temp_, ignored);
        }
    }
    const std::string& temp() const { return temp_; }
    Status Commit() {
        std::error_code error;
        fs::rename(temp_, path_, error);
        if (error)
            return Status::Failure("cannot write " + path_ + ": " + error.message());
        committed_ = true;
        return {};
    }

  private:
    std::string path_;
    std::string temp_;
    bool committed_ = false;
};

// Keeps track of a stream's timestamps: shifted so the file starts at zero,
// guessed where the source has none or where one jumps by more than a minute
// (a damaged timestamp, which would otherwise fill the output with copies of
// one picture or with silence).
struct Timeline {
    AVRational timeBase{1, 1};
    std::int64_t offset = 0;
    std::int64_t next = 0;  // where the next frame would start

    std::int64_t Place(std::int64_t pts, std::int64_t duration) {
        const std::int64_t limit = av_rescale_q(60, AVRational{1, 1}, timeBase);
        if (pts != AV_NOPTS_VALUE)
            pts -= offset;
        if (pts == AV_NOPTS_VALUE || pts > next + limit || pts < next - limit)
            pts = next;
        next = pts + (duration > 0 ? duration : 1);
        return pts;
    }
};

// The conversions running in this process, by play time. Each encodes on two
// cores (see VideoLanes) and filters on a thread of its own; the longest,
// left to run alone at the end, also decodes and filters on the cores beyond
// those two, if there are any. Decoding in frame threads on two cores was
// seen to cost more time than it saved: the encoders keep both cores busy.
// The encoders' threads never change, so that a stream does not depend on
// what else runs.
class RunningConversion {
  public:
    explicit RunningConversion(std::int64_t playTime) {
        std::lock_guard lock(mutex_);
        at_ = running_.insert(playTime);
        threads_ = *running_.rbegin() == playTime ? std::max(1, CodecThreads() - 2) : 1;
    }
    ~RunningConversion() {
        std::lock_guard lock(mutex_);
        running_.erase(at_);
    }
    RunningConversion(const RunningConversion&) = delete;
    RunningConversion& operator=(const RunningConversion&) = delete;

    // For decoding and filtering.
    int threads() const { return threads_; }

  private:
    static inline std::mutex mutex_;
    static inline std::multiset<std::int64_t> running_;
    std::multiset<std::int64_t>::iterator at_;
    int threads_ = 1;
};

Status DecodePicture(const std::string& path, const std::string& type, FramePtr& out) {
    std::vector<char> bytes;
    if (Status s = ReadLocalFile(path, kMaxPictureBytes, bytes); !s)
        return s;
    if (bytes.empty())
        return Status::Failure("picture " + path + " is empty");
    const AVCodecID id = type == "bmp"   ? AV_CODEC_ID_BMP
                         : type == "png" ? AV_CODEC_ID_PNG
                                         : AV_CODEC_ID_MJPEG;
    const AVCodec* codec = avcodec_find_decoder(id);
    CodecContextPtr decoder(codec ? avcodec_alloc_context3(codec) : nullptr);
    PacketPtr packet = MakePacket();
    out = MakeFrame();
    if (!decoder || !packet || !out)
        return Status::Failure("out of memory");
    if (int e = avcodec_open2(decoder.get(), codec, nullptr); e < 0)
        return Status::Av("picture decoder", e);
    if (int e = av_new_packet(packet.get(), static_cast<int>(bytes.size())); e < 0)
        return Status::Av("picture " + path, e);
    std::copy(bytes.begin(), bytes.end(), packet->data);
    int e = avcodec_send_packet(decoder.get(), packet.get());
    if (e >= 0)
        e = avcodec_send_packet(decoder.get(), nullptr);
    if (e >= 0)
        e = avcodec_receive_frame(decoder.get(), out.get());
    if (e < 0)
        return Status::Av("cannot decode picture " + path, e);
    return {};
}

}  // namespace

Status ConvertVideo(const EngineRequest& request, ProgressReporter& progress) {
    InputMedia input;
    if (Status s = input.Read(request.source, true, request.audioTracks); !s)
        return s;
    const RunningConversion running(input.format()->duration);
    if (Status s = input.OpenDecoders(running.threads()); !s)
        return s;
    if (!input.videoStream())
        return Status::Failure("no video stream in " + request.source);

    AVStream* vs = input.videoStream();
    Timeline video{vs->time_base, av_rescale_q(input.startTime(), AV_TIME_BASE_Q, vs->time_base)};
    const AVRational guessedRate = av_guess_frame_rate(input.format(), vs, nullptr);
    const std::int64_t frameTicks =
        guessedRate.num > 0 ? av_rescale_q(1, av_inv_q(guessedRate), vs->time_base) : 0;
    // Every track is placed like the picture, from the container's start, so
    // that all of them stay in step with it.
    std::vector<Timeline> audio(input.audioTracks());
    std::vector<AudioTrackSource> tracks(input.audioTracks());
    for (int t = 0; t < input.audioTracks(); ++t) {
        if (!input.audioStream(t))
            continue;
        const int rate = input.audioDecoder(t)->sample_rate;
        audio[t].timeBase = AVRational{1, rate > 0 ? rate : 48000};
        audio[t].offset = av_rescale_q(input.startTime(), AV_TIME_BASE_Q, audio[t].timeBase);
        tracks[t] = {true, audio[t].timeBase};
    }

    const std::string rotation = input.RotationFilter();
    const FieldPlan fields = PlanFields(DetectFieldOrder(request.source, input, running.threads()),
                                        input, request, !rotation.empty());
    PendingFile file(request.output);
    StreamWriter writer(request, video.timeBase, tracks, rotation, fields, &progress,
                        running.threads());
    // Two encoders keep two cores busy with one video; more would only add
    // pictures waiting in memory, as decoding and the other conversions
    // share the cores too.
    if (Status s = writer.Open(file.temp(), std::min(2, CodecThreads())); !s)
        return s;

    auto handler = [&](AVFrame* frame, StreamKind kind, int track) -> Status {
        if (kind == StreamKind::Video) {
            // The container may know the pixels' shape where the codec does not.
            frame->sample_aspect_ratio = av_guess_sample_aspect_ratio(input.format(), vs, frame);
            frame->pts = video.Place(frame->best_effort_timestamp,
                                     frame->pkt_duration > 0 ? frame->pkt_duration : frameTicks);
            return writer.PushVideo(frame);
        }
        Timeline& line = audio[track];
        const std::int64_t pts =
            frame->best_effort_timestamp == AV_NOPTS_VALUE
                ? AV_NOPTS_VALUE
                : av_rescale_q(frame->best_effort_timestamp, input.audioStream(track)->time_base,
                               line.timeBase);
        const AVRational sampleTime{1, frame->sample_rate > 0 ? frame->sample_rate : 48000};
        frame->pts = line.Place(pts, av_rescale_q(frame->nb_samples, sampleTime, line.timeBase));
        return writer.PushAudio(frame, track);
    };
    if (Status s = input.DecodeAll(handler, [&] { return progress.AbortRequested(); }); !s)
        return s;
    if (progress.AbortRequested())
        return Status::Failure("aborted");
    std::vector<std::int64_t> audioEnds;
    for (const Timeline& line : audio)
        audioEnds.push_back(line.next);
    if (Status s = writer.Finish(video.next, audioEnds); !s)
        return s;
    if (writer.videoFrames() == 0)
        return Status::Failure("no picture could be decoded from " + request.source);
    return file.Commit();
}

Status EncodeMenuStill(const EngineRequest& request) {
    const AVRational timeBase = av_inv_q(request.pictureRate);
    PendingFile file(request.output);
    // A handful of pictures, often made while videos are converted.
    StreamWriter writer(request, timeBase, {AudioTrackSource{false, {1, request.sampleRate}}}, "",
                        {}, nullptr, 1);
    if (Status s = writer.Open(file.temp(), 1); !s)
        return s;
    FramePtr picture;
    std::string decodedPath;
    std::int64_t pts = 0;
    for (const std::string& path : request.pictures) {
        if (path != decodedPath || !picture) {
            if (Status s = DecodePicture(path, request.pictureType, picture); !s)
                return s;
            decodedPath = path;
        }
        picture->pts = pts++;
        if (Status s = writer.PushVideo(picture.get()); !s)
            return s;
    }
    if (Status s = writer.Finish(pts, {}); !s)
        return s;
    return file.Commit();
}

}  // namespace engine
