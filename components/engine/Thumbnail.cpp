#include "components/engine/Thumbnail.h"

#include <cstdio>
#include <filesystem>
#include <memory>

#include "components/engine/FilterChain.h"
#include "components/engine/InputMedia.h"
#include "components/engine/PictureColour.h"
#include "components/engine/PictureFit.h"

namespace engine {
namespace {

// Decodes from the current position until the frame at target seconds;
// keeps the last frame seen when the video ends before it. With skipAhead,
// pictures nothing refers to are skipped until a second before the target;
// skipped tells whether that was still so at the end.
Status GrabFrame(InputMedia& input, double target, bool skipAhead, FramePtr& grabbed,
                 bool& skipped) {
    AVStream* stream = input.videoStream();
    const std::int64_t start = av_rescale_q(input.startTime(), AV_TIME_BASE_Q, stream->time_base);
    const double tick = av_q2d(stream->time_base);
    const AVRational rate = av_guess_frame_rate(input.format(), stream, nullptr);
    const double halfFrame = rate.num > 0 ? 0.5 / av_q2d(rate) : 0.02;
    bool done = false;
    AVCodecContext* decoder = input.videoDecoder();
    decoder->skip_frame = skipAhead ? AVDISCARD_NONREF : AVDISCARD_DEFAULT;
    decoder->skip_loop_filter = skipAhead ? AVDISCARD_ALL : AVDISCARD_DEFAULT;
    auto handler = [&](AVFrame* frame, StreamKind, int) -> Status {
        const std::int64_t pts = frame->best_effort_timestamp;
        const double at = pts == AV_NOPTS_VALUE ? target : (pts - start) * tick;
        if (decoder->skip_frame != AVDISCARD_DEFAULT && at >= target - 1.0) {
            decoder->skip_frame = AVDISCARD_DEFAULT;
            decoder->skip_loop_filter = AVDISCARD_DEFAULT;
        }
        FramePtr copy = MakeFrame();
        if (!copy || av_frame_ref(copy.get(), frame) < 0)
            return Status::Failure("out of memory");
        grabbed = std::move(copy);
        if (pts != AV_NOPTS_VALUE && at >= target - halfFrame)
            done = true;
        return {};
    };
    Status s = input.DecodeAll(handler, [&] { return done; });
    skipped = decoder->skip_frame != AVDISCARD_DEFAULT;
    return s;
}

Status EncodeJpeg(AVFrame* frame, const std::string& path) {
    const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_MJPEG);
    CodecContextPtr encoder(codec ? avcodec_alloc_context3(codec) : nullptr);
    PacketPtr packet = MakePacket();
    if (!encoder || !packet)
        return Status::Failure("no mjpeg encoder");
    encoder->width = frame->width;
    encoder->height = frame->height;
    encoder->pix_fmt = AV_PIX_FMT_YUVJ420P;
    encoder->time_base = AVRational{1, 25};
    encoder->flags |= AV_CODEC_FLAG_QSCALE;
    encoder->global_quality = FF_QP2LAMBDA * 3;
    if (int e = avcodec_open2(encoder.get(), codec, nullptr); e < 0)
        return Status::Av("opening the mjpeg encoder", e);
    frame->pts = 0;
    frame->quality = encoder->global_quality;
    frame->pict_type = AV_PICTURE_TYPE_NONE;
    int e = avcodec_send_frame(encoder.get(), frame);
    if (e >= 0)
        e = avcodec_send_frame(encoder.get(), nullptr);
    if (e >= 0)
        e = avcodec_receive_packet(encoder.get(), packet.get());
    if (e < 0)
        return Status::Av("encoding the picture", e);

    const std::string temp = path + ".part";
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(temp.c_str(), "wb"), &std::fclose);
    if (!file)
        return Status::Failure("cannot write " + path);
    const bool written =
        std::fwrite(packet->data, 1, packet->size, file.get()) == static_cast<size_t>(packet->size);
    const bool closed = std::fclose(file.release()) == 0;
    std::error_code error;
    if (written && closed)
        std::filesystem::rename(temp, path, error);
    if (!written || !closed || error) {
        std::filesystem::remove(temp, error);
        return Status::Failure("cannot write " + path);
    }
    return {};
}

}  // namespace

Status MakeThumbnail(const EngineRequest& request) {
    InputMedia input;
    if (Status s = input.Open(request.source, false, CodecThreads()); !s)
        return s;
    if (!input.videoStream())
        return Status::Failure("no video stream in " + request.source);

    FramePtr grabbed;
    bool skipped = false;
    if (input.SeekTo(request.seekSeconds))
        if (Status s = GrabFrame(input, request.seekSeconds, true, grabbed, skipped); !s)
            return s;
    // Containers that cannot seek, or a video that ends before the target:
    // every picture from the start, so that the last one is the real last.
    if (!grabbed || skipped) {
        grabbed.reset();
        input.SeekTo(0);
        if (Status s = GrabFrame(input, request.seekSeconds, false, grabbed, skipped); !s)
            return s;
    }
    if (!grabbed)
        return Status::Failure("no picture could be decoded from " + request.source);

    // The picture keeps its proportions inside the thumbnail's square pixels.
    const std::string rotation = input.RotationFilter();
    grabbed->sample_aspect_ratio =
        av_guess_sample_aspect_ratio(input.format(), input.videoStream(), grabbed.get());
    AVRational shape{1, 1};
    av_reduce(&shape.num, &shape.den, request.width, request.height, 1 << 16);
    const PictureFit fit =
        request.keepAspect
            ? FitPicture(grabbed->width, grabbed->height, grabbed->sample_aspect_ratio,
                         rotation.rfind("transpose", 0) == 0, request.width, request.height, shape)
            : PictureFit{request.width, request.height, 0, 0};
    const std::string matrix = ToDvdMatrixFilter(SourceMatrix(*grabbed));
    std::string filters = (rotation.empty() ? "" : rotation + ",") +
                          FitFilters(fit, request.width, request.height, "") +
                          (matrix.empty() ? "" : ",format=yuv420p," + matrix) +
                          ",setsar=1,format=yuvj420p";
    FramePtr scaled;
    FilterChain chain(
        AVMEDIA_TYPE_VIDEO, input.videoStream()->time_base,
        [&](const AVFrame&, bool) { return filters; },
        [&](AVFrame* f) -> Status {
            scaled = MakeFrame();
            if (!scaled || av_frame_ref(scaled.get(), f) < 0)
                return Status::Failure("out of memory");
            return {};
        });
    grabbed->pts = 0;
    if (Status s = chain.Push(grabbed.get()); !s)
        return s;
    if (Status s = chain.Finish(1); !s)
        return s;
    if (!scaled)
        return Status::Failure("the picture could not be scaled");
    return EncodeJpeg(scaled.get(), request.output);
}

}  // namespace engine
