#include "components/engine/StreamWriter.h"

#include "components/engine/PictureColour.h"
#include "components/engine/PictureFit.h"

namespace engine {

StreamWriter::StreamWriter(const EngineRequest& request, AVRational videoTimeBase,
                           const std::vector<AudioTrackSource>& audio, std::string rotation,
                           FieldPlan fields, ProgressReporter* progress, int filterThreads)
    : request_(request),
      rotation_(std::move(rotation)),
      fields_(fields),
      progress_(progress),
      video_(
          AVMEDIA_TYPE_VIDEO, videoTimeBase,
          [this](const AVFrame& f, bool first) { return VideoFilters(f, first); },
          [this](AVFrame* f) { return OnVideo(f); }, filterThreads) {
    for (std::size_t t = 0; t < audio.size(); ++t) {
        const int track = static_cast<int>(t);
        audio_.push_back(
            audio[t].fromSource
                ? std::make_unique<FilterChain>(
                      AVMEDIA_TYPE_AUDIO, audio[t].timeBase,
                      [this](const AVFrame&, bool first) { return AudioFilters(first); },
                      [this, track](AVFrame* f) { return OnAudio(f, track); })
                : nullptr);
    }
    if (fields_.keepFields)
        output_.KeepFields(fields_.topFirst);
    if (fields_.pulldown)
        output_.FilmPulldown();
}

std::string StreamWriter::VideoFilters(const AVFrame& frame, bool firstBuild) const {
    const EngineRequest& r = request_;
    AVRational sar{1, 1};
    av_reduce(&sar.num, &sar.den, static_cast<std::int64_t>(r.aspect.num) * r.height,
              static_cast<std::int64_t>(r.aspect.den) * r.width, 1 << 16);
    // The first picture is held from time zero, so that sound and picture
    // start together.
    const AVRational pictureRate = fields_.EncodedRate(r.outputRate);
    const std::string rate = "fps=fps=" + std::to_string(pictureRate.num) + "/" +
                             std::to_string(pictureRate.den) + (firstBuild ? ":start_time=0" : "");
    // Fields become whole pictures before anything else touches them; the
    // rate changes where the fewer pictures are scaled.
    const std::string deinterlace = DeinterlaceFilter(fields_);
    std::string text = deinterlace.empty() ? "" : deinterlace + ",";
    if (fields_.fewerPictures)
        text += rate + ",";
    text += rotation_.empty() ? "" : rotation_ + ",";
    // Kept proportions: the picture as players show it (pixel shape and
    // rotation included), as large as the frame allows, with black bars.
    PictureFit fit =
        r.keepAspect ? FitPicture(frame.width, frame.height, frame.sample_aspect_ratio,
                                  rotation_.rfind("transpose", 0) == 0, r.width, r.height, r.aspect)
                     : PictureFit{r.width, r.height, 0, 0};
    std::string scaleOptions = ":flags=bicubic";
    if (fields_.keepFields) {
        fit = AlignToFields(fit, r.height);
        scaleOptions += ":interl=1";
    }
    text += FitFilters(fit, r.width, r.height, scaleOptions) + ",format=yuv420p";
    // Players decode every disc picture as BT.601; converted after scaling,
    // on the fewest pixels.
    if (const std::string matrix = ToDvdMatrixFilter(SourceMatrix(frame)); !matrix.empty())
        text += "," + matrix;
    text += ",setsar=" + std::to_string(sar.num) + "/" + std::to_string(sar.den);
    if (!fields_.fewerPictures)
        text += "," + rate;
    return text;
}

std::string StreamWriter::AudioFilters(bool firstBuild) const {
    std::string text =
        "aresample=" + std::to_string(request_.sampleRate) + ":async=1:min_hard_comp=0.1";
    if (firstBuild)
        text += ":first_pts=0";
    return text + ",aformat=sample_fmts=fltp:channel_layouts=stereo,asetnsamples=n=" +
           std::to_string(output_.audioFrameSize()) + ":p=1";
}

Status StreamWriter::Open(const std::string& path, int videoLanes) {
    return output_.Open(path, request_, videoLanes);
}

Status StreamWriter::Encode(AVFrame* frame, Status (StreamWriter::*encode)(AVFrame*)) {
    std::shared_ptr<AVFrame> copy(av_frame_clone(frame), [](AVFrame* f) { av_frame_free(&f); });
    if (!copy)
        return Status::Failure("out of memory");
    return queue_.Submit([this, copy, encode] { return (this->*encode)(copy.get()); });
}

Status StreamWriter::EncodeVideo(AVFrame* frame) {
    if (Status s = output_.WriteVideo(frame); !s)
        return s;
    // A track without sound of its own follows the picture with silence.
    for (std::size_t t = 0; t < audio_.size(); ++t)
        if (!audio_[t])
            if (Status s = output_.PadAudioTo(static_cast<int>(t), output_.videoSeconds()); !s)
                return s;
    encodedSeconds_ = output_.videoSeconds();
    return {};
}

Status StreamWriter::OnVideo(AVFrame* frame) {
    if (Status s = Encode(frame, &StreamWriter::EncodeVideo); !s)
        return s;
    // Reported once the first pictures are encoded, so that the speed is real.
    if (progress_ && encodedSeconds_ > 0)
        progress_->Report(encodedSeconds_);
    return {};
}

Status StreamWriter::OnAudio(AVFrame* frame, int track) {
    std::shared_ptr<AVFrame> copy(av_frame_clone(frame), [](AVFrame* f) { av_frame_free(&f); });
    if (!copy)
        return Status::Failure("out of memory");
    return queue_.Submit([this, copy, track] { return output_.WriteAudio(copy.get(), track); });
}

Status StreamWriter::PushVideo(AVFrame* frame) {
    std::shared_ptr<AVFrame> copy(av_frame_clone(frame), [](AVFrame* f) { av_frame_free(&f); });
    if (!copy)
        return Status::Failure("out of memory");
    return filtering_.Submit([this, copy] { return video_.Push(copy.get()); });
}

Status StreamWriter::PushAudio(AVFrame* frame, int track) {
    return track < static_cast<int>(audio_.size()) && audio_[track] ? audio_[track]->Push(frame)
                                                                    : Status();
}

Status StreamWriter::Finish(std::int64_t videoEndPts,
                            const std::vector<std::int64_t>& audioEndPts) {
    if (Status s = filtering_.Submit([this, videoEndPts] { return video_.Finish(videoEndPts); });
        !s)
        return s;
    if (Status s = filtering_.Drain(); !s)
        return s;
    for (std::size_t t = 0; t < audio_.size(); ++t)
        if (audio_[t])
            if (Status s = audio_[t]->Finish(t < audioEndPts.size() ? audioEndPts[t] : 0); !s)
                return s;
    // Sound that ends before the picture is completed with silence.
    Status submitted = queue_.Submit([this]() -> Status {
        if (Status s = output_.PadAudioTo(output_.videoSeconds()); !s)
            return s;
        return output_.Finish();
    });
    if (!submitted)
        return submitted;
    if (Status s = queue_.Drain(); !s)
        return s;
    if (progress_)
        progress_->Report(output_.videoSeconds(), true);
    return {};
}

}  // namespace engine
