#include "media/StreamCheck.h"

#include <algorithm>
#include <cctype>
#include <memory>

extern "C" {
#include <libavformat/avformat.h>
}

#include "platform/Paths.h"

namespace {

struct InputCloser {
    void operator()(AVFormatContext* context) const { avformat_close_input(&context); }
};

bool HasVobExtension(const std::string& path) {
    std::string name = platform::FileNameOf(path);
    if (name.size() < 4)
        return false;
    std::string tail = name.substr(name.size() - 4);
    std::transform(tail.begin(), tail.end(), tail.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return tail == ".vob";
}

}  // namespace

bool IsReadyDvdStream(const std::string& path, const DvdStreamFacts& wanted) {
    if (!HasVobExtension(path))
        return false;
    AVFormatContext* raw = nullptr;
    if (avformat_open_input(&raw, path.c_str(), nullptr, nullptr) < 0)
        return false;
    std::unique_ptr<AVFormatContext, InputCloser> input(raw);
    if (avformat_find_stream_info(input.get(), nullptr) < 0)
        return false;
    if (std::string(input->iformat->name).find("mpeg") == std::string::npos)
        return false;

    bool videoFits = false;
    bool audioFits = false;
    int videoCount = 0;
    for (unsigned i = 0; i < input->nb_streams; ++i) {
        const AVStream* stream = input->streams[i];
        const AVCodecParameters* codec = stream->codecpar;
        if (codec->codec_type == AVMEDIA_TYPE_VIDEO) {
            ++videoCount;
            AVRational rate = stream->r_frame_rate;
            videoFits = codec->codec_id == AV_CODEC_ID_MPEG2VIDEO && codec->width == wanted.width &&
                        codec->height == wanted.height &&
                        static_cast<long long>(rate.num) * wanted.fpsDen ==
                            static_cast<long long>(rate.den) * wanted.fpsNum;
        } else if (codec->codec_type == AVMEDIA_TYPE_AUDIO) {
            if (codec->codec_id == AV_CODEC_ID_AC3 && codec->sample_rate == 48000)
                audioFits = true;
        }
    }
    return videoCount == 1 && videoFits && audioFits;
}
