#include "components/engine/MediaFacts.h"

#include <cstring>

#include "components/engine/InputMedia.h"
#include "media/MediaItem.h"

namespace engine {
namespace {

std::int32_t Clamp32(std::int64_t value) {
    return value < 0 ? 0 : value > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(value);
}

}  // namespace

Status ReadMediaFacts(const EngineRequest& request) {
    MediaInfo info;
    auto* record = reinterpret_cast<void*>(request.mediaInfoAddress);
    std::memcpy(record, &info, sizeof info);

    InputMedia input;
    // Only the streams' headers are read; nothing is decoded.
    if (Status s = input.Open(request.source, true, 1); !s)
        return s;
    AVFormatContext* format = input.format();
    if (AVStream* v = input.videoStream()) {
        info.width = v->codecpar->width;
        info.height = v->codecpar->height;
        const AVRational rate = av_guess_frame_rate(format, v, nullptr);
        info.frameRate = rate.num > 0 && rate.den > 0 ? av_q2d(rate) : 0;
        info.videoBitRate = Clamp32(v->codecpar->bit_rate);
    }
    if (AVStream* a = input.audioStream()) {
        info.audioSampleRate = a->codecpar->sample_rate;
        info.audioBitRate = Clamp32(a->codecpar->bit_rate);
    }
    // Containers that keep no per-stream rate: the video takes what the
    // whole file's rate leaves after the sound.
    if (input.videoStream() && info.videoBitRate == 0 && format->bit_rate > 0)
        info.videoBitRate = Clamp32(format->bit_rate - info.audioBitRate);
    if (format->duration != AV_NOPTS_VALUE && format->duration > 0) {
        info.duration = static_cast<double>(format->duration) / AV_TIME_BASE;
    } else if (AVStream* s = input.videoStream() ? input.videoStream() : input.audioStream();
               s && s->duration != AV_NOPTS_VALUE && s->duration > 0) {
        info.duration = s->duration * av_q2d(s->time_base);
    }
    std::memcpy(record, &info, sizeof info);
    return {};
}

}  // namespace engine
