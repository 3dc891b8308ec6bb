#include "components/engine/FilterChain.h"

extern "C" {
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavutil/channel_layout.h>
#include <libavutil/pixdesc.h>
}

namespace engine {
namespace {

std::string LayoutText(const AVFrame* frame) {
    AVChannelLayout layout{};
    if (frame->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC || frame->ch_layout.nb_channels == 0)
        av_channel_layout_default(
            &layout, frame->ch_layout.nb_channels > 0 ? frame->ch_layout.nb_channels : 2);
    else
        av_channel_layout_copy(&layout, &frame->ch_layout);
    char text[128] = {};
    av_channel_layout_describe(&layout, text, sizeof text);
    av_channel_layout_uninit(&layout);
    return text;
}

}  // namespace

FilterChain::FilterChain(AVMediaType type, AVRational sourceTimeBase, Describer describe,
                         FrameHandler handler, int threads)
    : type_(type),
      sourceTimeBase_(sourceTimeBase),
      describe_(std::move(describe)),
      handler_(std::move(handler)),
      threads_(threads) {}

AVRational FilterChain::outputTimeBase() const {
    return sink_ ? av_buffersink_get_time_base(sink_) : AVRational{0, 1};
}

bool FilterChain::Matches(const AVFrame* frame) const {
    if (type_ == AVMEDIA_TYPE_VIDEO)
        return frame->width == width_ && frame->height == height_ && frame->format == format_;
    return frame->sample_rate == sampleRate_ && frame->format == format_ &&
           av_channel_layout_compare(&frame->ch_layout, &layout_) == 0;
}

Status FilterChain::Build(const AVFrame* frame) {
    FilterGraphPtr graph(avfilter_graph_alloc());
    if (!graph)
        return Status::Failure("out of memory");
    graph->nb_threads = threads_;
    const bool video = type_ == AVMEDIA_TYPE_VIDEO;
    std::string args;
    if (video) {
        const AVRational sar =
            frame->sample_aspect_ratio.num > 0 ? frame->sample_aspect_ratio : AVRational{1, 1};
        args = "video_size=" + std::to_string(frame->width) + "x" + std::to_string(frame->height) +
               ":pix_fmt=" + std::to_string(frame->format) +
               ":time_base=" + std::to_string(sourceTimeBase_.num) + "/" +
               std::to_string(sourceTimeBase_.den) + ":pixel_aspect=" + std::to_string(sar.num) +
               "/" + std::to_string(sar.den);
    } else {
        const char* format = av_get_sample_fmt_name(static_cast<AVSampleFormat>(frame->format));
        args = "time_base=" + std::to_string(sourceTimeBase_.num) + "/" +
               std::to_string(sourceTimeBase_.den) +
               ":sample_rate=" + std::to_string(frame->sample_rate) +
               ":sample_fmt=" + (format ? format : "none") + ":channel_layout=" + LayoutText(frame);
    }
    AVFilterContext* source = nullptr;
    AVFilterContext* sink = nullptr;
    if (int e = avfilter_graph_create_filter(&source,
                                             avfilter_get_by_name(video ? "buffer" : "abuffer"),
                                             "in", args.c_str(), nullptr, graph.get());
        e < 0)
        return Status::Av("filter source (" + args + ")", e);
    if (int e = avfilter_graph_create_filter(
            &sink, avfilter_get_by_name(video ? "buffersink" : "abuffersink"), "out", nullptr,
            nullptr, graph.get());
        e < 0)
        return Status::Av("filter sink", e);

    const std::string description = describe_(*frame, !everBuilt_);
    FilterInOutPtr outputs(avfilter_inout_alloc());
    FilterInOutPtr inputs(avfilter_inout_alloc());
    if (!outputs || !inputs)
        return Status::Failure("out of memory");
    outputs->name = av_strdup("in");
    outputs->filter_ctx = source;
    inputs->name = av_strdup("out");
    inputs->filter_ctx = sink;
    AVFilterInOut* in = inputs.release();
    AVFilterInOut* out = outputs.release();
    int e = avfilter_graph_parse_ptr(graph.get(), description.c_str(), &in, &out, nullptr);
    avfilter_inout_free(&in);
    avfilter_inout_free(&out);
    if (e < 0)
        return Status::Av("filters '" + description + "'", e);
    if ((e = avfilter_graph_config(graph.get(), nullptr)) < 0)
        return Status::Av("configuring filters '" + description + "'", e);

    graph_ = std::move(graph);
    source_ = source;
    sink_ = sink;
    everBuilt_ = true;
    width_ = frame->width;
    height_ = frame->height;
    format_ = frame->format;
    sampleRate_ = frame->sample_rate;
    av_channel_layout_uninit(&layout_);
    av_channel_layout_copy(&layout_, &frame->ch_layout);
    return {};
}

Status FilterChain::Drain() {
    for (;;) {
        const int e = av_buffersink_get_frame(sink_, filtered_.get());
        if (e == AVERROR(EAGAIN) || e == AVERROR_EOF)
            return {};
        if (e < 0)
            return Status::Av("filtering", e);
        Status s = handler_(filtered_.get());
        av_frame_unref(filtered_.get());
        if (!s)
            return s;
    }
}

Status FilterChain::Push(AVFrame* frame) {
    if (built() && !Matches(frame)) {
        // The stream changed its format: finish the old chain where the new
        // frame starts and build a new one for it.
        if (Status s = Finish(frame->pts); !s)
            return s;
    }
    if (!built())
        if (Status s = Build(frame); !s)
            return s;
    if (int e = av_buffersrc_add_frame_flags(source_, frame, AV_BUFFERSRC_FLAG_KEEP_REF); e < 0)
        return Status::Av("filtering", e);
    return Drain();
}

Status FilterChain::Finish(std::int64_t endPts) {
    if (!built())
        return {};
    if (int e = av_buffersrc_close(source_, endPts, 0); e < 0)
        return Status::Av("ending the filters", e);
    Status s = Drain();
    graph_.reset();
    source_ = sink_ = nullptr;
    return s;
}

}  // namespace engine
