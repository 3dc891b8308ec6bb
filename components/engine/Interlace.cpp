#include "components/engine/Interlace.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "components/engine/FilterChain.h"
#include "components/engine/PictureFit.h"

namespace engine {
namespace {

// Pictures looked at where the stream does not say: two seconds.
constexpr int kLookFrames = 50;
// A field with nine tenths of the lines the picture gets (1080i on a PAL
// disc) is scaled up a little rather than deinterlaced at five times the cost.
constexpr double kFieldLinesEnough = 0.9;

bool TelevisionHeight(int height) {
    return height == 480 || height == 486 || height == 576 || height == 1080 || height == 1088;
}

long long Count(const AVFrame* frame, const char* key) {
    const AVDictionaryEntry* entry =
        frame ? av_dict_get(frame->metadata, key, nullptr, 0) : nullptr;
    return entry ? std::atoll(entry->value) : 0;
}

FieldOrder LookAtFields(const std::string& path, int threads) {
    InputMedia look;
    if (!look.Open(path, false, threads) || !look.videoStream())
        return FieldOrder::Progressive;
    int frames = 0, flaggedTop = 0, flaggedBottom = 0;
    FramePtr last = MakeFrame();
    FilterChain idet(
        AVMEDIA_TYPE_VIDEO, look.videoStream()->time_base,
        [](const AVFrame&, bool) { return std::string("idet"); },
        [&](AVFrame* f) -> Status {
            av_frame_unref(last.get());
            return av_frame_ref(last.get(), f) < 0 ? Status::Failure("out of memory") : Status();
        });
    auto handler = [&](AVFrame* frame, StreamKind, int) -> Status {
        ++frames;
        if (frame->interlaced_frame)
            ++(frame->top_field_first ? flaggedTop : flaggedBottom);
        return idet.Push(frame);
    };
    if (!look.DecodeAll(handler, [&] { return frames >= kLookFrames; }))
        return FieldOrder::Progressive;
    if (flaggedTop + flaggedBottom > frames / 2)
        return flaggedTop >= flaggedBottom ? FieldOrder::TopFirst : FieldOrder::BottomFirst;
    const long long top = Count(last.get(), "lavfi.idet.multiple.tff");
    const long long bottom = Count(last.get(), "lavfi.idet.multiple.bff");
    const long long progressive = Count(last.get(), "lavfi.idet.multiple.progressive");
    if (top + bottom < 4 || top + bottom <= 2 * progressive)
        return FieldOrder::Progressive;
    return top >= bottom ? FieldOrder::TopFirst : FieldOrder::BottomFirst;
}

}  // namespace

FieldOrder DetectFieldOrder(const std::string& path, const InputMedia& input, int threads) {
    const AVCodecParameters* video = input.videoStream()->codecpar;
    switch (video->field_order) {
        case AV_FIELD_PROGRESSIVE:
            return FieldOrder::Progressive;
        case AV_FIELD_TT:
        case AV_FIELD_TB:
            return FieldOrder::TopFirst;
        case AV_FIELD_BB:
        case AV_FIELD_BT:
            return FieldOrder::BottomFirst;
        default:
            return TelevisionHeight(video->height) ? LookAtFields(path, threads)
                                                   : FieldOrder::Progressive;
    }
}

FieldPlan PlanFields(FieldOrder order, const InputMedia& input, const EngineRequest& request,
                     bool rotated) {
    AVStream* stream = input.videoStream();
    const AVRational rate = av_guess_frame_rate(input.format(), stream, nullptr);
    FieldPlan plan;
    plan.pulldown = FilmOnNtscDisc(rate, request.outputRate);
    plan.fewerPictures =
        rate.num > 0 && rate.den > 0 && av_cmp_q(rate, plan.EncodedRate(request.outputRate)) > 0;
    if (order == FieldOrder::Progressive)
        return plan;
    plan.topFirst = order == FieldOrder::TopFirst;
    const AVCodecParameters* video = stream->codecpar;
    const bool sameRate = rate.num > 0 && request.outputRate.num > 0 &&
                          std::fabs(av_q2d(rate) / av_q2d(request.outputRate) - 1) < 0.001;
    // At the disc's own rate every field keeps its moment: bars and scaling
    // are done field by field. Only a new rate (or a turned picture) needs
    // whole pictures.
    plan.keepFields = !rotated && sameRate;
    plan.deinterlace = !plan.keepFields;
    const PictureFit fit =
        request.keepAspect
            ? FitPicture(video->width, video->height,
                         av_guess_sample_aspect_ratio(input.format(), stream, nullptr), false,
                         request.width, request.height, request.aspect)
            : PictureFit{request.width, request.height, 0, 0};
    const int fieldLines = video->height / 2;  // of the shorter field
    plan.firstFieldOnly =
        plan.deinterlace && !rotated && fieldLines >= fit.height * kFieldLinesEnough;
    return plan;
}

PictureFit AlignToFields(PictureFit fit, int frameHeight) {
    // Each field of a 4:2:0 picture has its own chroma rows: the picture and
    // its place keep to whole pairs of lines of each field.
    fit.height = std::max(4, fit.height / 4 * 4);
    fit.y = (frameHeight - fit.height) / 2 / 4 * 4;
    return fit;
}

std::string DeinterlaceFilter(const FieldPlan& plan) {
    if (!plan.deinterlace)
        return "";
    if (plan.firstFieldOnly)
        return std::string("field=type=") + (plan.topFirst ? "top" : "bottom");
    return std::string("bwdif=mode=send_frame:parity=") + (plan.topFirst ? "tff" : "bff") +
           ":deint=all";
}

}  // namespace engine
